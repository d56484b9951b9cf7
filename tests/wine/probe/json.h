// Just enough JSON for the probe's answers: ASCII only, every other character
// escaped as \uXXXX, so that no code page stands between the probe and the
// test that reads it.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace json {

// A JSON value already written out.
using Text = std::string;

Text String(std::wstring_view text);
// Text known to be ASCII, such as a control's name.
Text String(std::string_view ascii);
Text Utf8(std::string_view text);
Text Number(long long value);
Text Bool(bool value);
inline const Text kNull = "null";
Text Array(const std::vector<Text>& items);
// Left, top, width and height.
Text Rect(const RECT& rect);

class Object {
 public:
  Object& Add(std::string_view key, Text value);
  Text Close() const;

 private:
  std::vector<std::pair<std::string, Text>> members_;
};

}  // namespace json
