// The modal error box: the message with its full stop (window/error_box_text.h),
// owned by the application window, every window of the program disabled
// while it is open, and the active window and the focus given back after.
#pragma once

#include <windows.h>

#include <string>

void ShowErrorBox(HWND owner, const std::wstring& caption, const std::string& utf8_message);
