#include "window/win32/control_builder.h"

#include "window/win32/control_id.h"
#include "window/win32/wide_text.h"

namespace {

constexpr int kVisibleListRows = 8;

struct WindowKind {
  const wchar_t* window_class;
  DWORD style;
  DWORD extended_style;
};

// Coloured captions on push buttons are drawn by the form (WM_DRAWITEM);
// the platform's button draws its caption in the system colour only.
WindowKind KindOf(const ControlRow& entry) {
  constexpr DWORD kStop = WS_TABSTOP;
  switch (entry.kind) {
    case ControlKind::StaticText:
      return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::ComboBox:
      return {L"COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL | kStop, 0};
    case ControlKind::Edit:
      return {L"EDIT", ES_LEFT | ES_AUTOHSCROLL | kStop, WS_EX_CLIENTEDGE};
    case ControlKind::Log:
      // Wraps at its width, scroll bar only while needed, takes Enter.
      return {L"RICHEDIT", ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL | kStop,
              WS_EX_CLIENTEDGE};
    case ControlKind::PushButton:
      return {L"BUTTON", (entry.look.text_colour ? BS_OWNERDRAW : BS_PUSHBUTTON) | kStop, 0};
    case ControlKind::CheckBox:
      return {L"BUTTON", BS_AUTOCHECKBOX | kStop, 0};
    case ControlKind::Picture:
    case ControlKind::Label:
      break;
  }
  return {nullptr, 0, 0};
}

// The Rich Edit control's library, loaded once, when the first log is made.
void LoadRichEdit() {
  static const HMODULE library = LoadLibraryW(L"RICHED32.DLL");
  (void)library;
}

void FillList(HWND combo, ItemList items) {
  for (const char* item : ListItems(items))
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(item).c_str()));
}

}  // namespace

HWND BuildControl(const ControlRow& entry, std::size_t row, const Rect& place, HWND form,
                  HFONT font) {
  const WindowKind kind = KindOf(entry);
  if (entry.kind == ControlKind::Log) LoadRichEdit();
  const HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE));
  const HWND control = CreateWindowExW(
      kind.extended_style, kind.window_class, WideFromUtf8(entry.text).c_str(),
      WS_CHILD | WS_VISIBLE | kind.style, place.left, place.top, place.width, place.height, form,
      reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(row))), instance, nullptr);
  SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  switch (entry.kind) {
    case ControlKind::Edit:
      // The default limit (30,000 characters) would cut a long paste; the
      // conversion refuses a text too long to be a number instead.
      SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
      break;
    case ControlKind::ComboBox: {
      SendMessageW(control, CB_LIMITTEXT, 0, 0);
      FillList(control, entry.items);
      SetWindowTextW(control, WideFromUtf8(entry.text).c_str());
      // Setting the text selects it; nothing is selected until the user
      // comes to the field.
      SendMessageW(control, CB_SETEDITSEL, 0, MAKELPARAM(-1, 0));
      // A drop-down list's window height includes its open list.
      const auto item = static_cast<int>(SendMessageW(control, CB_GETITEMHEIGHT, 0, 0));
      SetWindowPos(control, nullptr, 0, 0, place.width, place.height + kVisibleListRows * item + 2,
                   SWP_NOMOVE | SWP_NOZORDER);
      break;
    }
    default:
      break;
  }
  return control;
}
