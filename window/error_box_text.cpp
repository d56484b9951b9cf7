#include "window/error_box_text.h"

#include "window/utf16.h"

std::u16string ErrorBoxText(std::u16string_view message) {
  std::u16string text(message);
  // The last character sorts after "." (0x2E): for a surrogate pair the last
  // unit is a low surrogate, above 0x2E like every non-ASCII character.
  if (!text.empty() && text.back() > u'.') text += u'.';
  return text;
}

std::u16string ShownText(std::u16string_view text) {
  if (text.size() <= kShownCharacters) return std::u16string(text);
  std::size_t head = kShownCharacters / 2;
  std::size_t tail = kShownCharacters - head - 1;
  if (IsHighSurrogate(text[head - 1])) --head;
  if (IsLowSurrogate(text[text.size() - tail])) --tail;
  std::u16string shown(text.substr(0, head));
  shown += u'\u2026';
  shown += text.substr(text.size() - tail);
  return shown;
}
