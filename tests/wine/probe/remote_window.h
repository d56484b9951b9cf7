// Reading another process's windows. Every message goes with a bound, so
// that a program busy with a run makes the probe report "busy" instead of
// hanging; the test then asks again.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>
#include <utility>

// The program did not answer a message within the bound.
class BusyError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

LRESULT Ask(HWND window, UINT message, WPARAM wparam = 0, LPARAM lparam = 0);
std::wstring TextOf(HWND window);
std::wstring ClassOf(HWND window);
// The window's rectangle in the client coordinates of relative_to, or on the
// screen when relative_to is null.
RECT RectOf(HWND window, HWND relative_to);
// EM_GETSEL and CB_GETEDITSEL answer both ends in one value (up to 65535).
std::pair<int, int> SelectionOf(HWND window, UINT message);
