#include "window/win32/click_to_clear.h"

#include <windowsx.h>

// The client area of an edit with a sunken edge is its text area.
bool TClickToClear::Inside(LPARAM position) const {
  RECT area;
  GetClientRect(window_, &area);
  const POINT point{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
  return PtInRect(&area, point) != FALSE;
}

LRESULT TClickToClear::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_LBUTTONDOWN:
      pressed_inside_ = Inside(l);
      break;
    case WM_LBUTTONUP: {
      // The edit holds the capture from its press, so a release outside
      // arrives here too.
      const bool click = pressed_inside_ && Inside(l);
      pressed_inside_ = false;
      const LRESULT result = CallPrevious(message, w, l);
      if (click) SetWindowTextW(window_, L"");
      return result;
    }
    case WM_CAPTURECHANGED:
      pressed_inside_ = false;
      break;
    default:
      break;
  }
  return CallPrevious(message, w, l);
}
