#include "tests/wine/probe/remote_window.h"

#include <algorithm>
#include <iterator>
#include <vector>

namespace {

constexpr UINT kAnswerBoundMs = 5000;

}  // namespace

LRESULT Ask(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
  DWORD_PTR result = 0;
  if (!SendMessageTimeoutW(window, message, wparam, lparam, SMTO_ABORTIFHUNG, kAnswerBoundMs,
                           &result)) {
    throw BusyError("no answer to message " + std::to_string(message));
  }
  return static_cast<LRESULT>(result);
}

std::wstring TextOf(HWND window) {
  // Riched32's log is an ANSI window: WM_GETTEXT goes through code page 932
  // there and wants room for two units per character counted.
  const auto length = static_cast<std::size_t>(Ask(window, WM_GETTEXTLENGTH));
  std::vector<wchar_t> buffer(2 * length + 2);
  const auto copied = static_cast<std::size_t>(
      Ask(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data())));
  return std::wstring(buffer.data(), std::min(copied, buffer.size() - 1));
}

std::wstring ClassOf(HWND window) {
  wchar_t name[64] = {};
  GetClassNameW(window, name, static_cast<int>(std::size(name)));
  return name;
}

RECT RectOf(HWND window, HWND relative_to) {
  RECT rect{};
  GetWindowRect(window, &rect);
  if (relative_to != nullptr) {
    MapWindowPoints(HWND_DESKTOP, relative_to, reinterpret_cast<POINT*>(&rect), 2);
  }
  return rect;
}

std::pair<int, int> SelectionOf(HWND window, UINT message) {
  const auto both = static_cast<DWORD>(Ask(window, message));
  return {LOWORD(both), HIWORD(both)};
}
