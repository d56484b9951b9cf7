#include "window/win32/wide_text.h"

#include <climits>

namespace {

int Length(std::size_t size) { return size > INT_MAX ? INT_MAX : static_cast<int>(size); }

}  // namespace

std::wstring WideFromUtf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), Length(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(size), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), Length(text.size()), wide.data(), size);
  return wide;
}

std::string Utf8FromWide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), Length(text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), Length(text.size()), utf8.data(), size, nullptr,
                      nullptr);
  return utf8;
}

std::u16string U16FromWide(std::wstring_view text) {
  return std::u16string(reinterpret_cast<const char16_t*>(text.data()), text.size());
}

std::wstring WideFromU16(std::u16string_view text) {
  return std::wstring(reinterpret_cast<const wchar_t*>(text.data()), text.size());
}

std::wstring WindowText(HWND window) {
  const int length = GetWindowTextLengthW(window);
  if (length <= 0) return {};
  // The length may be an upper bound; the copy says how much there was. An
  // ANSI window (the Rich Edit control) converts through a buffer of bytes
  // and fails unless the buffer could hold two units per character.
  const int size = 2 * length + 2;
  std::wstring text(static_cast<std::size_t>(size), L'\0');
  const int copied = GetWindowTextW(window, text.data(), size);
  text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
  return text;
}
