// Edit1Click ... Edit10Click: the primary button pressed inside the field's
// text area and released inside it empties the field. The press has given
// the field the focus; the clearing comes at the release and leaves the
// caret at the start. The second press of a double click arrives as
// WM_LBUTTONDBLCLK and makes no second click.
#pragma once

#include "window/win32/subclass.h"

class TClickToClear : public TSubclass<TClickToClear> {
 public:
  static constexpr wchar_t kProperty[] = L"Orvanne.ClickToClear";

  explicit TClickToClear(HWND edit) : TSubclass(edit) {}
  LRESULT Handle(UINT message, WPARAM w, LPARAM l);

 private:
  bool Inside(LPARAM position) const;

  bool pressed_inside_ = false;
};
