#include "window/win32/combo_completion.h"

#include "window/combo_completion_rule.h"
#include "window/utf16.h"
#include "window/win32/wide_text.h"

namespace {

HWND EditOf(HWND combo) {
  COMBOBOXINFO info{};
  info.cbSize = sizeof info;
  GetComboBoxInfo(combo, &info);
  return info.hwndItem;
}

TComboText ReadField(HWND edit) {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return {U16FromWide(WindowText(edit)), start, end - start};
}

void WriteField(HWND edit, const TComboText& field) {
  SetWindowTextW(edit, WideFromU16(field.text).c_str());
  const auto start = static_cast<WPARAM>(field.selection_start);
  SendMessageW(edit, EM_SETSEL, start, static_cast<LPARAM>(start + field.selection_length));
}

std::vector<std::u16string> Items(HWND combo) {
  std::vector<std::u16string> items;
  const auto count = SendMessageW(combo, CB_GETCOUNT, 0, 0);
  for (LRESULT index = 0; index < count; ++index) {
    const auto length = SendMessageW(combo, CB_GETLBTEXTLEN, index, 0);
    std::wstring item(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(combo, CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(item.data()));
    item.resize(static_cast<std::size_t>(length));
    items.push_back(U16FromWide(item));
  }
  return items;
}

}  // namespace

TComboCompletion::TComboCompletion(HWND combo) : TSubclass(EditOf(combo)), combo_(combo) {}

LRESULT TComboCompletion::Handle(UINT message, WPARAM w, LPARAM l) {
  if (message != WM_CHAR) return CallPrevious(message, w, l);
  const auto c = static_cast<wchar_t>(w);
  if (c == L'\b') {
    Backspace();
    return 0;
  }
  // Tab, escape and the other control characters are the edit's business.
  if (c < L' ' || c == 0x7F) return CallPrevious(message, w, l);
  // A character beyond the BMP comes in two messages and is looked up whole.
  if (IsHighSurrogate(c)) {
    pending_high_surrogate_ = c;
    return 0;
  }
  std::u16string typed;
  if (IsLowSurrogate(c) && pending_high_surrogate_ != 0) typed += pending_high_surrogate_;
  const wchar_t high = pending_high_surrogate_;
  pending_high_surrogate_ = 0;
  typed += c;
  if (Complete(typed)) return 0;
  // A miss: the character is typed as usual.
  if (typed.size() == 2) CallPrevious(message, high, l);
  return CallPrevious(message, w, l);
}

bool TComboCompletion::Complete(std::u16string typed) {
  const std::optional<TCompletion> hit = CompleteTyped(ReadField(window_), typed, Items(combo_));
  if (!hit) return false;
  SendMessageW(combo_, CB_SETCURSEL, hit->item, 0);
  WriteField(window_, hit->field);
  return true;
}

void TComboCompletion::Backspace() {
  const TComboText after = AfterBackspace(ReadField(window_));
  // Clearing the selected entry empties the edit; the text comes back below.
  SendMessageW(combo_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
  WriteField(window_, after);
}
