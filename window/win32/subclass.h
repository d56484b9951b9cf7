// One behaviour added to one control window: its messages pass through
// Handle() first, which hands what it leaves alone to the control's own
// procedure with CallPrevious(). Several behaviours chain on one control;
// each class finds its object by its own window property (T::kProperty).
#pragma once

#include <windows.h>

#include "window/win32/application.h"

template <class T>
class TSubclass {
 public:
  TSubclass(const TSubclass&) = delete;
  TSubclass& operator=(const TSubclass&) = delete;

 protected:
  explicit TSubclass(HWND window) : window_(window) {
    SetPropW(window, T::kProperty, this);
    previous_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
  }
  ~TSubclass() = default;

  LRESULT CallPrevious(UINT message, WPARAM w, LPARAM l) const {
    return CallWindowProcW(previous_, window_, message, w, l);
  }

  HWND window_;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM w, LPARAM l) {
    auto* self = static_cast<TSubclass*>(GetPropW(window, T::kProperty));
    if (message == WM_NCDESTROY) {
      // The window goes: its own procedure back, and nothing left that
      // points at this object.
      SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->previous_));
      RemovePropW(window, T::kProperty);
      return CallWindowProcW(self->previous_, window, message, w, l);
    }
    return Guarded([&] { return static_cast<T*>(self)->Handle(message, w, l); });
  }

  WNDPROC previous_ = nullptr;
};
