#include "window/win32/form1.h"

#include <windowsx.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <system_error>
#include <utility>

#include "window/layout_scaling.h"
#include "window/win32/application.h"
#include "window/win32/click_to_clear.h"
#include "window/win32/combo_completion.h"
#include "window/win32/control_builder.h"
#include "window/win32/control_id.h"
#include "window/win32/numeric_key_filter.h"
#include "window/win32/owner_drawn_button.h"
#include "window/win32/resource_id.h"
#include "window/win32/size_hold.h"
#include "window/win32/wide_text.h"

namespace {

// The platform's sizeable frame with a window menu and both boxes.
constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
// Owned by the invisible application window, yet listed in the task list.
constexpr DWORD kFormExtendedStyle = WS_EX_APPWINDOW;

COLORREF ToColorRef(Rgb colour) { return RGB(colour.red, colour.green, colour.blue); }

// "80.1" written with the decimal mark the number fields accept, so the
// initial sheet runs whatever the user's separator.
std::wstring InitialRateText() {
  return std::wstring(L"80") +
         static_cast<wchar_t>(static_cast<unsigned char>(engine::DecimalMark())) + L"1";
}

int ScreenDotsPerInch() {
  const HDC screen = GetDC(nullptr);
  const int dots = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dots;
}

void RegisterFormClass(HINSTANCE instance, HICON icon, WNDPROC procedure) {
  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  // Double clicks come as their own message: the second press of one is
  // no second click on the banner.
  window_class.style = CS_DBLCLKS;
  window_class.lpfnWndProc = procedure;
  window_class.hInstance = instance;
  window_class.hIcon = icon;
  window_class.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  window_class.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  window_class.lpszClassName = kForm1WindowClass;
  RegisterClassExW(&window_class);
}

}  // namespace

TForm1::TForm1(const TApplication& application, engine::TRandomSource::Clock clock)
    : instance_(application.Instance()), random_(std::move(clock)) {
  RegisterFormClass(instance_, application.Icon(), WindowProcedure);
  window_ =
      CreateWindowExW(kFormExtendedStyle, kForm1WindowClass, WideFromUtf8(kForm1Caption).c_str(),
                      kFormStyle, kDesignedPosition.x, kDesignedPosition.y, CW_USEDEFAULT,
                      CW_USEDEFAULT, application.Window(), nullptr, instance_, this);
  // Without a window (no display to draw on) there is nothing to run.
  if (window_ == nullptr)
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(),
                            "Form1 could not be created");
  banner_ = static_cast<HBITMAP>(
      LoadImageW(instance_, MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, 0));
  BuildControls();
  FitWindow();
  FindFields();
  SetWindowTextW(fields_.rate, InitialRateText().c_str());
  log_ = std::make_unique<TCraftLog>(Control("RichEdit1"));
  LoadInstructionLines();
  WireBehaviours();
}

TForm1::~TForm1() {
  if (window_ != nullptr) DestroyWindow(window_);
  for (const auto& [colour, brush] : brushes_) DeleteObject(brush);
  if (banner_ != nullptr) DeleteObject(banner_);
}

HFONT TForm1::FontOf(const ControlRow& entry) {
  const TLayoutScale scale(window_font_pixels_);
  const int designed = entry.look.pixel_size != 0 ? entry.look.pixel_size : kDesignedFontPixels;
  return fonts_.Font(scale.FontPixels(designed), entry.look.bold);
}

// The layout scales by the character height asked of the font, not by what
// the face measures (a substitute for the designed face may measure 13 for
// a 12-pixel request), as the Qt edition takes the font's pixel size.
void TForm1::BuildControls() {
  window_font_pixels_ = FontPixelsForDensity(kDesignedFontPixels, ScreenDotsPerInch());
  const TLayoutScale scale(window_font_pixels_);
  const std::span<const ControlRow> table = Form1Controls();
  for (const ControlRow& entry : table)
    places_.push_back(scale.Geometry(entry.geometry, HasFixedHeight(entry.kind)));
  // The client area is the bounding box of the controls, which start at
  // its top-left corner.
  const Rect box = BoundingBox(places_);
  for (Rect& place : places_) {
    place.left -= box.left;
    place.top -= box.top;
  }
  // Created in table order, which is also the keyboard order: the dialog
  // manager tabs through the windows in creation order.
  for (std::size_t row = 0; row < table.size(); ++row) {
    const ControlRow& entry = table[row];
    HWND control = nullptr;
    if (IsWindowed(entry.kind)) {
      control = BuildControl(entry, row, places_[row], window_, FontOf(entry));
      rows_[control] = &entry;
      if (entry.kind == ControlKind::ComboBox) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        GetComboBoxInfo(control, &info);
        rows_[info.hwndItem] = &entry;
        rows_[info.hwndList] = &entry;
      }
    }
    row_windows_.push_back(control);
  }
  RECT outer{0, 0, box.width, box.height};
  AdjustWindowRectEx(&outer, kFormStyle, FALSE, kFormExtendedStyle);
  held_size_ = {outer.right - outer.left, outer.bottom - outer.top};
}

void TForm1::FitWindow() {
  SetWindowPos(window_, nullptr, kDesignedPosition.x, kDesignedPosition.y, held_size_.cx,
               held_size_.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

HWND TForm1::Control(const char* name) const {
  const std::span<const ControlRow> table = Form1Controls();
  for (std::size_t row = 0; row < table.size(); ++row)
    if (std::strcmp(table[row].name, name) == 0) return row_windows_[row];
  return nullptr;
}

void TForm1::FindFields() {
  for (int row = 1; row <= engine::kMaterialRows; ++row) {
    fields_.required[row - 1] = Control(("ComboBox" + std::to_string(row)).c_str());
    fields_.price[row - 1] = Control(("Edit" + std::to_string(row)).c_str());
    fields_.stock[row - 1] =
        Control(("Edit" + std::to_string(engine::kMaterialRows + row)).c_str());
  }
  fields_.yield = Control("ComboBox6");
  fields_.rate = Control("Edit11");
  fields_.show_log = Control("CheckBox1");
}

void TForm1::LoadInstructionLines() {
  for (const char* line : LogInstructionLines()) log_->AppendLogLine(line);
}

void TForm1::WireBehaviours() {
  std::vector<TKeyboardNavigation::Control> order;
  const std::span<const ControlRow> table = Form1Controls();
  for (std::size_t row = 0; row < table.size(); ++row) {
    const HWND control = row_windows_[row];
    if (control == nullptr) continue;
    order.push_back({control, table[row].kind});
    switch (table[row].kind) {
      case ControlKind::ComboBox:
        behaviours_.push_back(std::make_shared<TComboCompletion>(control));
        break;
      case ControlKind::Edit:
        // Edit1KeyPress for Edit1 ... Edit10, Edit11KeyPress for Edit11:
        // the same rule.
        behaviours_.push_back(std::make_shared<TNumericKeyFilter>(control));
        break;
      default:
        break;
    }
  }
  // Edit1Click ... Edit10Click: the price and stock fields, not the rate.
  for (const auto& column : {fields_.price, fields_.stock})
    for (HWND field : column) behaviours_.push_back(std::make_shared<TClickToClear>(field));
  keyboard_.emplace(window_, std::move(order));
}

bool TForm1::PreTranslate(MSG& message) const {
  if (keyboard_->PreTranslate(message)) return true;
  if (keyboard_->BypassesDialogManager(message)) return false;
  return IsDialogMessageW(window_, &message) != FALSE;
}

// The run's lines reach the log in one insertion when it ends; an error is
// shown by the error box, and the lines and texts written before it stay.
void TForm1::Button1Click() {
  TCraftLog::Batch batch(*log_);
  engine::RunTrials(*this, random_);
  batch.Commit();
}

void TForm1::Button2Click() { log_->ClearLog(); }

// Always agreed to: the application ends when its loop takes the quit request.
void TForm1::Close() { SendMessageW(window_, WM_CLOSE, 0, 0); }

HWND TForm1::FieldControl(engine::SheetField field, int row) const {
  switch (field) {
    case engine::SheetField::RequiredQty:
      return fields_.required.at(static_cast<std::size_t>(row - 1));
    case engine::SheetField::UnitPrice:
      return fields_.price.at(static_cast<std::size_t>(row - 1));
    case engine::SheetField::StockQty:
      return fields_.stock.at(static_cast<std::size_t>(row - 1));
    case engine::SheetField::YieldPerCraft:
      return fields_.yield;
    case engine::SheetField::SuccessRate:
      return fields_.rate;
  }
  return nullptr;
}

std::string TForm1::FieldText(engine::SheetField field, int row) const {
  return Utf8FromWide(WindowText(FieldControl(field, row)));
}

void TForm1::SetFieldText(engine::SheetField field, int row, const std::string& text) {
  SetWindowTextW(FieldControl(field, row), WideFromUtf8(text).c_str());
}

bool TForm1::ShowCraftLog() const {
  return SendMessageW(fields_.show_log, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void TForm1::AppendLogLine(const std::string& text) { log_->AppendLogLine(text); }

HBRUSH TForm1::Brush(Rgb colour) {
  const COLORREF key = ToColorRef(colour);
  auto [slot, added] = brushes_.try_emplace(key, nullptr);
  if (added) slot->second = CreateSolidBrush(key);
  return slot->second;
}

LRESULT TForm1::ControlColour(UINT message, HDC dc, HWND control) {
  const auto found = rows_.find(control);
  const ControlRow* entry = found != rows_.end() ? found->second : nullptr;
  if (message == WM_CTLCOLORSTATIC) {
    // Static texts and the check box show the window's background.
    SetTextColor(dc, entry != nullptr && entry->look.text_colour
                         ? ToColorRef(*entry->look.text_colour)
                         : GetSysColor(COLOR_WINDOWTEXT));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
  }
  if (entry == nullptr || !entry->look.fill)
    return DefWindowProcW(window_, message, reinterpret_cast<WPARAM>(dc),
                          reinterpret_cast<LPARAM>(control));
  SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
  SetBkColor(dc, ToColorRef(*entry->look.fill));
  return reinterpret_cast<LRESULT>(Brush(*entry->look.fill));
}

void TForm1::DrawItem(const DRAWITEMSTRUCT& item) {
  const auto found = rows_.find(item.hwndItem);
  if (found == rows_.end()) return;
  const ControlRow& entry = *found->second;
  DrawPushButton(
      item, FontOf(entry),
      entry.look.text_colour ? ToColorRef(*entry.look.text_colour) : GetSysColor(COLOR_BTNTEXT));
}

// Image1 and Label1 have no window: the form draws them.
void TForm1::Paint() {
  PAINTSTRUCT paint;
  const HDC dc = BeginPaint(window_, &paint);
  const std::span<const ControlRow> table = Form1Controls();
  for (std::size_t row = 0; row < table.size(); ++row) {
    const ControlRow& entry = table[row];
    const Rect& place = places_[row];
    if (entry.kind == ControlKind::Picture && banner_ != nullptr) {
      // Drawn unscaled from the top-left corner, cut at the control's edges.
      const HDC picture = CreateCompatibleDC(dc);
      const HGDIOBJ previous = SelectObject(picture, banner_);
      BITMAP size{};
      GetObjectW(banner_, sizeof size, &size);
      BitBlt(dc, place.left, place.top, std::min(place.width, static_cast<int>(size.bmWidth)),
             std::min(place.height, static_cast<int>(size.bmHeight)), picture, 0, 0, SRCCOPY);
      SelectObject(picture, previous);
      DeleteDC(picture);
    } else if (entry.kind == ControlKind::Label) {
      const std::wstring text = WideFromUtf8(entry.text);
      RECT area{place.left, place.top, place.Right(), place.Bottom()};
      const HGDIOBJ previous = SelectObject(dc, FontOf(entry));
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, entry.look.text_colour ? ToColorRef(*entry.look.text_colour)
                                              : GetSysColor(COLOR_WINDOWTEXT));
      DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &area,
                DT_LEFT | DT_TOP | DT_SINGLELINE | DT_NOPREFIX);
      SelectObject(dc, previous);
    }
  }
  EndPaint(window_, &paint);
}

bool TForm1::InPicture(LPARAM position) const {
  const std::span<const ControlRow> table = Form1Controls();
  for (std::size_t row = 0; row < table.size(); ++row) {
    if (table[row].kind != ControlKind::Picture) continue;
    const Rect& place = places_[row];
    const RECT area{place.left, place.top, place.Right(), place.Bottom()};
    return PtInRect(&area, POINT{GET_X_LPARAM(position), GET_Y_LPARAM(position)}) != FALSE;
  }
  return false;
}

// The control that had the focus gets it back when the form is active
// again (after an error box or another program); the first time, the first
// control in keyboard order gets it.
void TForm1::OnActivate(WPARAM w) {
  if (LOWORD(w) == WA_INACTIVE) {
    const HWND focus = GetFocus();
    if (focus != nullptr && IsChild(window_, focus)) saved_focus_ = focus;
    return;
  }
  if (HIWORD(w) != 0) return;  // minimised
  if (saved_focus_ == nullptr || !IsWindow(saved_focus_))
    saved_focus_ = Control(KeyboardOrder().front()->name);
  SetFocus(saved_focus_);
}

LRESULT CALLBACK TForm1::WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  if (message == WM_NCCREATE) {
    auto* form = static_cast<TForm1*>(reinterpret_cast<CREATESTRUCTW*>(l)->lpCreateParams);
    form->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
  }
  auto* form = reinterpret_cast<TForm1*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (form == nullptr) return DefWindowProcW(window, message, w, l);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    form->window_ = nullptr;
    return DefWindowProcW(window, message, w, l);
  }
  return Guarded([&] { return form->Handle(message, w, l); });
}

LRESULT TForm1::Handle(UINT message, WPARAM w, LPARAM l) {
  switch (message) {
    case WM_COMMAND: {
      if (HIWORD(w) != BN_CLICKED || l == 0) break;
      const auto control = reinterpret_cast<HWND>(l);
      if (control == Control("Button1"))
        Button1Click();
      else if (control == Control("Button2"))
        Button2Click();
      else if (control == Control("BitBtn1"))
        Close();
      return 0;
    }
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
      return ControlColour(message, reinterpret_cast<HDC>(w), reinterpret_cast<HWND>(l));
    case WM_DRAWITEM:
      DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(l));
      return TRUE;
    case WM_PAINT:
      Paint();
      return 0;
    case WM_LBUTTONDOWN:
      picture_pressed_ = InPicture(l);
      if (picture_pressed_) SetCapture(window_);
      return 0;
    case WM_LBUTTONUP: {
      const bool click = picture_pressed_ && InPicture(l);
      picture_pressed_ = false;
      if (GetCapture() == window_) ReleaseCapture();
      if (click) Close();  // Image1Click
      return 0;
    }
    case WM_CAPTURECHANGED:
      picture_pressed_ = false;
      return 0;
    case WM_GETMINMAXINFO:
      if (held_size_.cx == 0) break;  // not built yet
      HoldSize(*reinterpret_cast<MINMAXINFO*>(l), held_size_);
      return 0;
    case WM_WINDOWPOSCHANGING:
      if (held_size_.cx == 0) break;
      HoldSize(*reinterpret_cast<WINDOWPOS*>(l), held_size_);
      return 0;
    case WM_ACTIVATE:
      OnActivate(w);
      return 0;
    case WM_CLOSE:
      PostQuitMessage(0);
      return 0;
    case WM_QUERYENDSESSION:
      return TRUE;
    case WM_ENDSESSION:
      if (w) PostQuitMessage(0);
      return 0;
    default:
      break;
  }
  return DefWindowProcW(window_, message, w, l);
}
