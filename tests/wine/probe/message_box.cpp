#include "tests/wine/probe/message_box.h"

#include <algorithm>
#include <vector>

#include "tests/wine/probe/remote_window.h"
#include "tests/wine/probe/standard_icon.h"

namespace {

struct Search {
  std::vector<HWND> owners;
  HWND found = nullptr;
};

BOOL CALLBACK CheckTopLevel(HWND window, LPARAM context) {
  auto& search = *reinterpret_cast<Search*>(context);
  if (IsWindowVisible(window) && ClassOf(window) == L"#32770" &&
      std::ranges::find(search.owners, GetWindow(window, GW_OWNER)) != search.owners.end()) {
    search.found = window;
    return FALSE;
  }
  return TRUE;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    children.push_back(child);
  }
  return children;
}

bool IsIconStatic(HWND window) {
  return ClassOf(window) == L"Static" &&
         (GetWindowLongW(window, GWL_STYLE) & SS_TYPEMASK) == SS_ICON;
}

}  // namespace

HWND FindMessageBox(std::initializer_list<HWND> owners) {
  Search search;
  std::ranges::copy_if(owners, std::back_inserter(search.owners),
                       [](HWND owner) { return owner != nullptr; });
  if (search.owners.empty()) return nullptr;
  EnumWindows(CheckTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

json::Text DescribeMessageBox(HWND box) {
  // Both Windows and Wine give the message's static text the identifier
  // 0xFFFF; the icon's identifier differs, so it is found by its style.
  HWND text = GetDlgItem(box, 0xFFFF);
  std::vector<json::Text> buttons;
  json::Text icon = json::kNull;
  for (HWND child : Children(box)) {
    if (!IsWindowVisible(child)) continue;
    if (ClassOf(child) == L"Button") buttons.push_back(json::String(TextOf(child)));
    if (IsIconStatic(child)) icon = json::String(StandardIconShown(child));
  }
  HWND owner = GetWindow(box, GW_OWNER);
  return json::Object()
      .Add("caption", json::String(TextOf(box)))
      .Add("text", text != nullptr ? json::String(TextOf(text)) : json::kNull)
      .Add("icon", icon)
      .Add("buttons", json::Array(buttons))
      .Add("owner", json::String(ClassOf(owner)))
      .Add("rect", json::Rect(RectOf(box, nullptr)))
      .Close();
}

bool PressOk(HWND box) {
  HWND ok = GetDlgItem(box, IDOK);
  if (ok == nullptr) return false;
  return PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(ok));
}
