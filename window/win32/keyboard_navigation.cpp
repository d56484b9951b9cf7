#include "window/win32/keyboard_navigation.h"

#include <cstddef>
#include <utility>

namespace {

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

}  // namespace

TKeyboardNavigation::TKeyboardNavigation(HWND form, std::vector<Control> controls)
    : form_(form), controls_(std::move(controls)) {}

const TKeyboardNavigation::Control* TKeyboardNavigation::Find(HWND window) const {
  for (const Control& control : controls_)
    if (control.window == window || IsChild(control.window, window)) return &control;
  return nullptr;
}

void TKeyboardNavigation::MoveByArrow(const Control& from, int step) const {
  const auto count = static_cast<std::ptrdiff_t>(controls_.size());
  const std::ptrdiff_t here = &from - controls_.data();
  const Control& to = controls_[static_cast<std::size_t>((here + step + count) % count)];
  SetFocus(to.window);
  // Reached by keyboard: an edit field arrived at selects its text.
  if (to.kind == ControlKind::Edit) SendMessageW(to.window, EM_SETSEL, 0, -1);
}

bool TKeyboardNavigation::PreTranslate(const MSG& message) const {
  if (message.message != WM_KEYDOWN) return false;
  const Control* focus = Find(message.hwnd);
  if (focus == nullptr) return false;
  const ControlKind kind = focus->kind;
  const bool arrows_move = kind == ControlKind::PushButton || kind == ControlKind::CheckBox ||
                           kind == ControlKind::StaticText;
  switch (message.wParam) {
    case VK_RIGHT:
    case VK_DOWN:
      if (!arrows_move) return false;
      MoveByArrow(*focus, 1);
      return true;
    case VK_LEFT:
    case VK_UP:
      if (!arrows_move) return false;
      MoveByArrow(*focus, -1);
      return true;
    case VK_RETURN:
      if (kind != ControlKind::PushButton || Held(VK_SHIFT) || Held(VK_CONTROL)) return false;
      SendMessageW(focus->window, BM_CLICK, 0, 0);
      return true;
    case VK_TAB: {
      if (Held(VK_CONTROL)) return true;
      const HWND next = GetNextDlgTabItem(form_, focus->window, Held(VK_SHIFT));
      const Control* to = Find(next);
      if (to == nullptr) return false;
      if (kind != ControlKind::Log && to->kind != ControlKind::Log) return false;
      SetFocus(to->window);
      if (to->kind == ControlKind::Edit) SendMessageW(to->window, EM_SETSEL, 0, -1);
      return true;
    }
    case VK_ESCAPE:
      // The log, once the dialog manager has asked it for its keys, would
      // close the form on Escape; Escape does nothing anywhere.
      return kind == ControlKind::Log;
    default:
      return false;
  }
}

bool TKeyboardNavigation::BypassesDialogManager(const MSG& message) const {
  const Control* control = Find(message.hwnd);
  return control != nullptr && control->kind == ControlKind::Log;
}
