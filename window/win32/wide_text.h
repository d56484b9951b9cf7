// Text between the engine and the W functions. The engine's texts are
// UTF-8 and its conversions give meaning to ASCII bytes only: every byte of
// a non-ASCII character is invalid to them in UTF-8 just as in code page
// 932, so accepted texts, values and messages are the same either way, and
// UTF-8 keeps every character the user can type (code page 932 would turn
// what it lacks into "?"). The Qt edition passes its texts the same way.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// wchar_t is UTF-16 on Windows: the shared rules' u16strings are the same units.
std::u16string U16FromWide(std::wstring_view text);
std::wstring WideFromU16(std::u16string_view text);

// The whole text of a window, any length.
std::wstring WindowText(HWND window);
