#include <string>

#include "errors.h"
#include "number_text.h"

namespace engine {
namespace {

[[noreturn]] void Reject(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid integer value");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

int HexDigit(char c) {
  if (IsDigit(c)) return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::int32_t ParseInteger(std::string_view text) {
  const std::string_view s = text.substr(0, text.find('\0'));
  std::size_t i = s.find_first_not_of(' ');
  if (i == std::string_view::npos) Reject(text);

  bool hex = false;
  bool negative = false;
  switch (s[i]) {
    case '-':
      negative = true;
      ++i;
      break;
    case '+':
      ++i;
      break;
    case '$':
    case 'x':
    case 'X':
      hex = true;
      ++i;
      break;
    case '0':
      if (i + 1 < s.size() && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
      }
      break;  // otherwise the 0 is the first decimal digit
    default:
      break;
  }
  if (i == s.size()) Reject(text);  // a sign or prefix with nothing after it

  std::uint32_t value = 0;
  if (hex) {
    for (; i < s.size(); ++i) {
      const int digit = HexDigit(s[i]);
      // More than eight significant hex digits cannot fit; leading zeros are free.
      if (digit < 0 || value > 0xFFFFFFFu) Reject(text);
      value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return static_cast<std::int32_t>(value);  // two's complement: $FFFFFFFF is -1
  }
  for (; i < s.size(); ++i) {
    // Checked before the digit is appended, so value never exceeds 2147483649.
    if (!IsDigit(s[i]) || value > 214748364u) Reject(text);
    value = value * 10 + static_cast<std::uint32_t>(s[i] - '0');
  }
  if (negative) {
    if (value > 2147483648u) Reject(text);
    return static_cast<std::int32_t>(0u - value);
  }
  if (value > 2147483647u) Reject(text);
  return static_cast<std::int32_t>(value);
}

}  // namespace engine
