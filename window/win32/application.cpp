#include "window/win32/application.h"

#include "engine/errors.h"
#include "window/application_title.h"
#include "window/win32/control_id.h"
#include "window/win32/error_box.h"
#include "window/win32/locale_decimal_mark.h"
#include "window/win32/wide_text.h"

namespace {

TApplication* g_application = nullptr;

std::u16string PlatformLowerCase(std::u16string_view text) {
  std::wstring lower = WideFromU16(text);
  if (!lower.empty()) CharLowerBuffW(lower.data(), static_cast<DWORD>(lower.size()));
  return U16FromWide(lower);
}

std::wstring ExecutablePath() {
  std::wstring path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD size = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (size < path.size()) {
      path.resize(size);
      return path;
    }
    path.resize(path.size() * 2);
  }
}

std::string ExceptionMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const engine::Exception& e) {
    return e.Message();
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown exception";
  }
}

}  // namespace

std::wstring ApplicationTitle(const std::wstring& executable_path) {
  return WideFromU16(::ApplicationTitle(U16FromWide(executable_path), u'\\', PlatformLowerCase));
}

TApplication::TApplication(HINSTANCE instance)
    : instance_(instance),
      title_(ApplicationTitle(ExecutablePath())),
      icon_(LoadIconW(instance, L"MAINICON")),
      taskbar_created_(RegisterWindowMessageW(L"TaskbarCreated")) {
  if (icon_ == nullptr) icon_ = LoadIconW(nullptr, IDI_APPLICATION);
  g_application = this;
  LoadLocaleDecimalMark();

  WNDCLASSEXW window_class{};
  window_class.cbSize = sizeof window_class;
  window_class.lpfnWndProc = WindowProcedure;
  window_class.hInstance = instance;
  window_class.hIcon = icon_;
  window_class.lpszClassName = kApplicationWindowClass;
  RegisterClassExW(&window_class);
  // Never shown: it carries the title and owns the other windows.
  window_ = CreateWindowExW(0, kApplicationWindowClass, title_.c_str(),
                            WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 0, 0, 0, 0,
                            nullptr, nullptr, instance, nullptr);
}

TApplication::~TApplication() {
  if (window_ != nullptr) DestroyWindow(window_);
  g_application = nullptr;
}

void TApplication::HandleException(const std::exception_ptr& error) {
  if (GetCapture() != nullptr) ReleaseCapture();
  ShowErrorBox(window_, title_, ExceptionMessage(error));
}

LRESULT CALLBACK TApplication::WindowProcedure(HWND window, UINT message, WPARAM w, LPARAM l) {
  // The decimal mark follows the user's regional settings while running.
  if (message == WM_WININICHANGE ||
      (g_application != nullptr && message == g_application->taskbar_created_)) {
    return Guarded([&] {
      ReloadLocaleDecimalMark();
      return DefWindowProcW(window, message, w, l);
    });
  }
  return DefWindowProcW(window, message, w, l);
}

void ReportException(const std::exception_ptr& error) {
  if (g_application != nullptr) {
    g_application->HandleException(error);
  } else {
    OutputDebugStringW(WideFromUtf8(ExceptionMessage(error)).c_str());
  }
}
