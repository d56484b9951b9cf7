// The program: one application, one window, one event loop; exit code 0.
#include <windows.h>

#include <cassert>

#include "window/win32/application.h"
#include "window/win32/form1.h"
#include "window/win32/system_clock.h"
#include "window/x87_environment.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show) {
  // The engine's arithmetic: MinGW starts a process with a 64-bit
  // significand and rounding to nearest, and nothing here may change that.
  assert(IsEngineArithmetic(X87ControlWord()));
  EstablishEngineArithmetic();

  TApplication application(instance);
  try {
    TForm1 form(application, SystemTimeMillisecondsOfDay);
    // The launch request decides only maximised or minimised; the place is
    // the designed one.
    ShowWindow(form.Window(), show);
    UpdateWindow(form.Window());

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
      if (form.PreTranslate(message)) continue;
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  } catch (...) {
    // A start that failed (no window could be made) says why and ends with
    // a failure code instead of terminating.
    ReportException(std::current_exception());
    return 1;
  }
  return 0;
}
