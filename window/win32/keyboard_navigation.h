// The keys that move the focus or click, taken from the message loop before
// the dialog manager (IsDialogMessage) sees them:
// - Right/Down and Left/Up on a push button, the check box or a static text
//   move to the next or previous windowed control in creation order,
//   wrapping, static texts included; Alt+arrow (WM_SYSKEYDOWN) moves nothing.
// - Enter without Shift or Ctrl clicks the focused push button; no button is
//   a default button, so Enter elsewhere and Escape click nothing.
// - Tab and Shift+Tab into and out of the log move here: the log would take
//   them as text, and the dialog manager would select its whole text on the
//   way in. Ctrl+Tab moves nothing anywhere; Escape in the log does nothing.
// Tab elsewhere is the dialog manager's: it wraps and selects the whole text
// of an edit field it arrives at.
#pragma once

#include <windows.h>

#include <vector>

#include "window/control_table.h"

class TKeyboardNavigation {
 public:
  struct Control {
    HWND window;
    ControlKind kind;
  };

  // controls: every windowed control of the form, in creation order.
  TKeyboardNavigation(HWND form, std::vector<Control> controls);

  // True when the message was handled here and goes no further.
  bool PreTranslate(const MSG& message) const;
  // The log's keys go straight to it: the dialog manager would turn Enter
  // into a default-button command and put the control into dialog mode,
  // where Escape closes the form.
  bool BypassesDialogManager(const MSG& message) const;

 private:
  // The control a window belongs to (a drop-down list's edit counts as the list).
  const Control* Find(HWND window) const;
  void MoveByArrow(const Control& from, int step) const;

  HWND form_;
  std::vector<Control> controls_;
};
