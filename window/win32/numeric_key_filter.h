// Edit1KeyPress and Edit11KeyPress: the typed characters (WM_CHAR) of the
// eleven number fields pass the shared rule (window/numeric_key_rule.h) or
// are discarded before the field acts on them. The edit control carries out
// copy, paste, cut and undo on the characters of Ctrl+C, Ctrl+V, Ctrl+X and
// Ctrl+Z, so those keystrokes do nothing here, while Shift+Insert, which
// types no character, still pastes.
#pragma once

#include "window/win32/subclass.h"

class TNumericKeyFilter : public TSubclass<TNumericKeyFilter> {
 public:
  static constexpr wchar_t kProperty[] = L"Orvanne.NumericKeyFilter";

  explicit TNumericKeyFilter(HWND edit) : TSubclass(edit) {}
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);
};
