#include "window/combo_completion_rule.h"

#include <algorithm>

#include "window/utf16.h"

namespace {

// Upper and lower case of the letters a Japanese user's texts can hold:
// ASCII, Latin-1, Greek, Cyrillic and the full-width Latin letters.
char16_t FoldCase(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) ||
      (c >= 0x391 && c <= 0x3A9 && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
    return static_cast<char16_t>(c + 0x20);
  if (c >= 0x400 && c <= 0x40F) return static_cast<char16_t>(c + 0x50);
  if (c >= 0xFF21 && c <= 0xFF3A) return static_cast<char16_t>(c + 0x20);
  return c;
}

bool StartsWithIgnoringCase(std::u16string_view text, std::u16string_view prefix) {
  return text.size() >= prefix.size() &&
         std::ranges::equal(text.substr(0, prefix.size()), prefix, {}, FoldCase, FoldCase);
}

}  // namespace

std::optional<TCompletion> CompleteTyped(const TComboText& field, std::u16string_view typed,
                                         std::span<const std::u16string> items) {
  std::u16string candidate =
      field.selection_length > 0 ? field.text.substr(0, field.selection_start) : field.text;
  candidate += typed;
  for (std::size_t index = 0; index < items.size(); ++index) {
    const std::u16string& item = items[index];
    if (!StartsWithIgnoringCase(item, candidate)) continue;
    // The typed case stays; the item supplies only the rest.
    TComboText completed{candidate + item.substr(candidate.size()), candidate.size(),
                         item.size() - candidate.size()};
    return TCompletion{std::move(completed), index};
  }
  return std::nullopt;
}

TComboText AfterBackspace(const TComboText& field) {
  TComboText result = field;
  if (field.selection_length > 0) {
    result.text.erase(field.selection_start, field.selection_length);
  } else if (field.selection_start > 0) {
    std::size_t start = field.selection_start - 1;
    if (start > 0 && IsLowSurrogate(field.text[start])) --start;
    result.text.erase(start, field.selection_start - start);
    result.selection_start = start;
  }
  result.selection_length = 0;
  return result;
}
