// Completes what is typed into an editable drop-down list from its items, by
// the rule of window/combo_completion_rule.h: the characters typed into the
// box's edit are read into the rule and its result written back.
#pragma once

#include <string>
#include <vector>

#include "window/win32/subclass.h"

class TComboCompletion : public TSubclass<TComboCompletion> {
 public:
  static constexpr wchar_t kProperty[] = L"Orvanne.ComboCompletion";

  // Watches the edit inside `combo`.
  explicit TComboCompletion(HWND combo);
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

 private:
  // True when the character was consumed.
  bool Complete(std::u16string typed);
  void Backspace();

  HWND combo_;
  wchar_t pending_high_surrogate_ = 0;
};
