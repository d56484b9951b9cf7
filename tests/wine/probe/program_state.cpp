#include "tests/wine/probe/program_state.h"

#include <string>
#include <vector>

#include "tests/wine/probe/message_box.h"
#include "tests/wine/probe/remote_window.h"
#include "window/control_table.h"
#include "window/win32/control_id.h"

namespace {

std::vector<json::Text> ComboItems(HWND combo) {
  std::vector<json::Text> items;
  const auto count = static_cast<int>(Ask(combo, CB_GETCOUNT));
  for (int i = 0; i < count; ++i) {
    const auto length = static_cast<std::size_t>(Ask(combo, CB_GETLBTEXTLEN, i));
    std::vector<wchar_t> buffer(2 * length + 2);
    Ask(combo, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(buffer.data()));
    items.push_back(json::String(buffer.data()));
  }
  return items;
}

json::Text Selection(HWND window, UINT message) {
  const auto [start, end] = SelectionOf(window, message);
  return json::Array({json::Number(start), json::Number(end)});
}

json::Text DescribeControl(const ControlRow& row, HWND control, HWND form, bool with_items) {
  json::Object out;
  out.Add("class", json::String(ClassOf(control)))
      .Add("rect", json::Rect(RectOf(control, form)))
      .Add("text", json::String(TextOf(control)))
      .Add("visible", json::Bool(IsWindowVisible(control)))
      .Add("enabled", json::Bool(IsWindowEnabled(control)));
  switch (row.kind) {
    case ControlKind::Edit:
      out.Add("selection", Selection(control, EM_GETSEL));
      break;
    case ControlKind::Log:
      out.Add("selection", Selection(control, EM_GETSEL))
          .Add("limit", json::Number(Ask(control, EM_GETLIMITTEXT)));
      break;
    case ControlKind::ComboBox:
      out.Add("selection", Selection(control, CB_GETEDITSEL));
      if (with_items) out.Add("items", json::Array(ComboItems(control)));
      break;
    case ControlKind::CheckBox:
      out.Add("checked", json::Bool(Ask(control, BM_GETCHECK) == BST_CHECKED));
      break;
    default:
      break;
  }
  return out.Close();
}

// The control that holds the focus, named as in the control table; the
// edit field inside a drop-down list counts as the list.
json::Text FocusName(HWND focus, HWND form, HWND box) {
  if (focus == nullptr) return json::kNull;
  if (focus == form) return json::String(L"Form1");
  for (HWND window = focus; window != nullptr; window = GetParent(window)) {
    if (box != nullptr && window == box) return json::String(L"box:" + TextOf(focus));
    if (GetParent(window) != form) continue;
    const int id = GetDlgCtrlID(window);
    const auto controls = Form1Controls();
    for (std::size_t row = 0; row < controls.size(); ++row) {
      if (IsWindowed(controls[row].kind) && ControlId(row) == id) {
        return json::String(controls[row].name);
      }
    }
  }
  return json::String(L"other:" + ClassOf(focus));
}

json::Text DescribeForm1(HWND form) {
  RECT client{};
  GetClientRect(form, &client);
  MapWindowPoints(form, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  // The close box, for a click on it: the title bar's last button, at its
  // right end.
  TITLEBARINFO title_bar{};
  title_bar.cbSize = sizeof title_bar;
  json::Text close_box = json::kNull;
  if (GetTitleBarInfo(form, &title_bar)) {
    RECT box = title_bar.rcTitleBar;
    box.left = box.right - GetSystemMetrics(SM_CXSIZE);
    close_box = json::Rect(box);
  }
  return json::Object()
      .Add("close_box", close_box)
      .Add("caption", json::String(TextOf(form)))
      .Add("window", json::Rect(RectOf(form, nullptr)))
      .Add("client", json::Rect(client))
      .Add("enabled", json::Bool(IsWindowEnabled(form)))
      .Add("owner", json::String(ClassOf(GetWindow(form, GW_OWNER))))
      .Close();
}

}  // namespace

HWND ApplicationWindow() { return FindWindowW(kApplicationWindowClass, nullptr); }

HWND Form1Window() { return FindWindowW(kForm1WindowClass, nullptr); }

json::Text DescribeProgram(bool with_items) {
  HWND application = ApplicationWindow();
  HWND form = Form1Window();
  HWND box = FindMessageBox({application, form});
  json::Object out;
  out.Add("application",
          application != nullptr
              ? json::Object().Add("caption", json::String(TextOf(application))).Close()
              : json::kNull);
  out.Add("box", box != nullptr ? DescribeMessageBox(box) : json::kNull);
  if (form == nullptr) return out.Add("form1", json::kNull).Close();
  out.Add("form1", DescribeForm1(form));

  json::Object controls;
  const auto rows = Form1Controls();
  for (std::size_t row = 0; row < rows.size(); ++row) {
    if (!IsWindowed(rows[row].kind)) continue;
    HWND control = GetDlgItem(form, ControlId(row));
    controls.Add(rows[row].name, control != nullptr
                                     ? DescribeControl(rows[row], control, form, with_items)
                                     : json::kNull);
  }
  out.Add("controls", controls.Close());

  GUITHREADINFO thread{};
  thread.cbSize = sizeof thread;
  GetGUIThreadInfo(GetWindowThreadProcessId(form, nullptr), &thread);
  out.Add("focus", FocusName(thread.hwndFocus, form, box))
      .Add("active",
           thread.hwndActive != nullptr ? json::String(ClassOf(thread.hwndActive)) : json::kNull);
  return out.Close();
}
