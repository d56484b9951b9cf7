#include <algorithm>
#include <cfenv>
#include <cmath>
#include <string>

#include "decimal_mark.h"
#include "errors.h"
#include "extended.h"
#include "number_text.h"
#include "power_of_ten.h"

namespace engine {
namespace {

[[noreturn]] void Reject(std::string_view text) {
  throw EConvertError("'" + std::string(text) + "' is not a valid floating point value");
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The parse runs with faults masked and rounding to nearest; on every way
// out, return or throw, the caller's environment comes back whole: its
// control settings and exactly the flags it had, so the overflow, underflow
// and inexact flags the parse raised are gone. GCC ignores FENV_ACCESS, yet
// no arithmetic can move past the restore: the scaling is an out-of-line
// call, and every other result decides between the return and the throw.
class ScopedParseEnvironment {
 public:
  ScopedParseEnvironment() {
    std::feholdexcept(&caller_);
    std::fesetround(FE_TONEAREST);
  }
  ~ScopedParseEnvironment() { std::fesetenv(&caller_); }
  ScopedParseEnvironment(const ScopedParseEnvironment&) = delete;
  ScopedParseEnvironment& operator=(const ScopedParseEnvironment&) = delete;

 private:
  std::fenv_t caller_{};
};

}  // namespace

// Overflow is detected from the values rather than from the FPU's flags: an
// overflowing step gives infinity, and no later step brings it back (M only
// grows, the remaining factors are >= 1, and infinity divided stays infinite).
long double ParseReal(std::string_view text) {
  const ScopedParseEnvironment environment;
  const std::string_view s = text.substr(0, text.find('\0'));
  std::size_t i = 0;
  const auto at = [&](auto predicate) { return i < s.size() && predicate(s[i]); };
  const auto is = [&](char c) { return at([c](char x) { return x == c; }); };

  while (is(' ')) ++i;
  bool negative = false;
  if (is('+') || is('-')) negative = s[i++] == '-';

  // M := M * 10 + digit, each operation rounded to 64 bits.
  long double mantissa = 0;
  bool has_mantissa = false;
  long long fraction_digits = 0;
  const auto read_digits = [&](bool fraction) {
    for (; at(IsDigit); ++i) {
      mantissa = mantissa * 10;
      mantissa = mantissa + (s[i] - '0');
      has_mantissa = true;
      fraction_digits += fraction;
    }
  };
  read_digits(false);
  if (is(DecimalMark())) {
    ++i;
    has_mantissa = true;  // a lone separator is a valid 0
    read_digits(true);
  }
  // Checked before scaling: n <= -5120 scales any M, infinity too, to zero.
  if (!has_mantissa || std::isinf(mantissa)) Reject(text);

  int exponent = 0;
  if (is('E') || is('e')) {
    ++i;
    bool negative_exponent = false;
    if (is('+') || is('-')) negative_exponent = s[i++] == '-';
    // Stops once 500 or more is read: 0..4999 are read whole, and a fifth
    // significant digit is left behind to reject the text.
    for (; exponent < 500 && at(IsDigit); ++i) exponent = exponent * 10 + (s[i] - '0');
    if (negative_exponent) exponent = -exponent;
  }
  while (is(' ')) ++i;
  if (i != s.size()) Reject(text);

  const long long n = std::max<long long>(exponent - fraction_digits, -5120);
  long double value = ScaleByPowerOfTen(mantissa, static_cast<int>(n));
  if (std::isinf(value)) Reject(text);
  return negative ? -value : value;
}

}  // namespace engine
