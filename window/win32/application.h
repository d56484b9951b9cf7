// The application: its title from the executable's name, its icon, the
// invisible application window that owns Form1 and every error box, and
// the top-level error handler that every window procedure reports to.
#pragma once

#include <windows.h>

#include <exception>
#include <string>
#include <utility>

// The title from a full executable path (window/application_title.h) with
// "\" as the separator and the platform's lower-casing.
//   L"C:\\bin\\CALC.EXE" -> L"Calc", L"MY.TOOL.EXE" -> L"My"
std::wstring ApplicationTitle(const std::wstring& executable_path);

class TApplication {
 public:
  explicit TApplication(HINSTANCE instance);
  ~TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;

  HINSTANCE Instance() const { return instance_; }
  HWND Window() const { return window_; }
  HICON Icon() const { return icon_; }
  const std::wstring& Title() const { return title_; }

  // Mouse capture cancelled, then the error box; the loop goes on.
  void HandleException(const std::exception_ptr& error);

 private:
  static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l);

  HINSTANCE instance_;
  std::wstring title_;
  HICON icon_;
  UINT taskbar_created_;
  HWND window_ = nullptr;
};

// Hands an exception to the running TApplication's HandleException.
void ReportException(const std::exception_ptr& error);

// No exception may leave a window procedure into the system's frames: each
// handler runs through this boundary, and what it throws is shown like any
// error that escapes a handler. The message then counts as handled.
template <class F>
LRESULT Guarded(F&& handler) {
  try {
    return std::forward<F>(handler)();
  } catch (...) {
    ReportException(std::current_exception());
    return 0;
  }
}
