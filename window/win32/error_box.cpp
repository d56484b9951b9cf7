#include "window/win32/error_box.h"

#include <vector>

#include "window/error_box_text.h"
#include "window/win32/wide_text.h"

namespace {

// The program's enabled top-level windows; a box owned by the invisible
// application window would disable only that one by itself.
std::vector<HWND> DisableThreadWindows(HWND owner) {
  std::vector<HWND> disabled;
  struct Context {
    HWND owner;
    std::vector<HWND>* disabled;
  } context{owner, &disabled};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM data) -> BOOL {
        auto* c = reinterpret_cast<Context*>(data);
        if (window != c->owner && IsWindowVisible(window) && IsWindowEnabled(window))
          c->disabled->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&context));
  for (HWND window : disabled) EnableWindow(window, FALSE);
  return disabled;
}

}  // namespace

void ShowErrorBox(HWND owner, const std::wstring& caption, const std::string& utf8_message) {
  const std::u16string text = ErrorBoxText(U16FromWide(WideFromUtf8(utf8_message)));
  // Where the user was: disabling a window takes its focus away.
  const HWND active = GetActiveWindow();
  const HWND focus = GetFocus();

  // The box opens where its owner stands: the invisible owner goes to the
  // middle of the active window, so the box shows on that window's monitor.
  RECT place;
  if (active != nullptr && GetWindowRect(active, &place)) {
    SetWindowPos(owner, nullptr, (place.left + place.right) / 2, (place.top + place.bottom) / 2, 0,
                 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

  const std::vector<HWND> disabled = DisableThreadWindows(owner);
  MessageBoxW(owner, WideFromU16(ShownText(text)).c_str(), caption.c_str(), MB_OK | MB_ICONERROR);
  for (HWND window : disabled) EnableWindow(window, TRUE);

  if (active != nullptr && IsWindow(active)) SetActiveWindow(active);
  if (focus != nullptr && IsWindow(focus) && IsWindowEnabled(focus)) SetFocus(focus);
}
