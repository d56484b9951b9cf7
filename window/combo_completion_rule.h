// Completion in the editable drop-down lists, as a rule on texts: what a
// typed character or a backspace makes of the field. The front ends read
// the field into a TComboText, apply the rule and write the result back.
//
//   field "" typed "7", items {"1", "75"}   -> "75", "5" selected, item 1
//   field "7|5" typed "0" ("5" selected)   -> candidate "70": a miss, "0" is typed
//   field "75" backspace, caret at the end  -> "7"
#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// UTF-16 text with a selection; with nothing selected, selection_start is
// the caret.
struct TComboText {
  std::u16string text;
  std::size_t selection_start = 0;
  std::size_t selection_length = 0;
  friend bool operator==(const TComboText&, const TComboText&) = default;
};

struct TCompletion {
  TComboText field;  // the candidate and the item's rest, the rest selected
  std::size_t item;  // the item that became the list's selected entry
  friend bool operator==(const TCompletion&, const TCompletion&) = default;
};

// typed is one character (one UTF-16 unit or a surrogate pair). The
// candidate is the text before the selection when something is selected,
// else the whole text, followed by the typed character; the first item that
// begins with it, ignoring case, completes it. No hit: nothing, and the
// character is typed as usual.
std::optional<TCompletion> CompleteTyped(const TComboText& field, std::u16string_view typed,
                                         std::span<const std::u16string> items);

// Backspace deletes the selection, or else the character before the caret
// (a surrogate pair whole). The list's selected entry is cleared as well.
TComboText AfterBackspace(const TComboText& field);
