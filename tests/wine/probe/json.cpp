#include "tests/wine/probe/json.h"

#include <cstdio>

namespace json {

Text String(std::wstring_view text) {
  Text out = "\"";
  for (wchar_t c : text) {
    if (c == L'"' || c == L'\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c >= 0x20 && c < 0x7f) {
      out += static_cast<char>(c);
    } else {
      char escape[8];
      std::snprintf(escape, sizeof escape, "\\u%04x", static_cast<unsigned>(c));
      out += escape;
    }
  }
  return out + "\"";
}

Text String(std::string_view ascii) { return String(std::wstring(ascii.begin(), ascii.end())); }

Text Utf8(std::string_view text) {
  std::wstring wide(text.size(), L'\0');
  wide.resize(static_cast<std::size_t>(
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(),
                          static_cast<int>(wide.size()))));
  return String(wide);
}

Text Number(long long value) { return std::to_string(value); }

Text Bool(bool value) { return value ? "true" : "false"; }

Text Array(const std::vector<Text>& items) {
  Text out = "[";
  for (const Text& item : items) {
    if (out.size() > 1) out += ',';
    out += item;
  }
  return out + "]";
}

Text Rect(const RECT& rect) {
  return Array({Number(rect.left), Number(rect.top), Number(rect.right - rect.left),
                Number(rect.bottom - rect.top)});
}

Object& Object::Add(std::string_view key, Text value) {
  members_.emplace_back(std::string(key), std::move(value));
  return *this;
}

Text Object::Close() const {
  Text out = "{";
  for (const auto& [key, value] : members_) {
    if (out.size() > 1) out += ',';
    out += '"' + key + "\":" + value;
  }
  return out + "}";
}

}  // namespace json
