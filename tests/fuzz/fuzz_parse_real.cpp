// Any text, read with "." and with "," as the decimal mark: an accepted value
// is finite and formats to a text that reads back close to it; a rejected
// text is named whole in the message; either way the caller's floating-point
// flags come back exactly as they were.
//
// Besides the input itself, a second text is built from it: up to 8 KB of
// digit runs and exponents near the limits, lengths libFuzzer's inputs never
// reach. A mantissa of 4934 or more significant digits is at least 10^4933,
// beyond the extended range, so such a text must be rejected.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "engine/engine.h"
#include "round_trip.h"

namespace {

constexpr int kCallerFlag = FE_DIVBYZERO;  // raised before each parse, which never raises it
constexpr std::size_t kMaxLongText = 8192;

void Check(const std::string& text, bool must_reject) {
  for (const char mark : {'.', ','}) {
    engine::SetDecimalMark(mark);
    std::feclearexcept(FE_ALL_EXCEPT);
    std::feraiseexcept(kCallerFlag);
    long double value = 0;
    bool accepted = false;
    try {
      value = engine::ParseReal(text);
      accepted = true;
    } catch (const engine::EConvertError& error) {
      if (error.Message() != "'" + text + "' is not a valid floating point value") std::abort();
    }
    if (std::fetestexcept(FE_ALL_EXCEPT) != kCallerFlag) std::abort();
    if (!accepted) continue;
    if (must_reject || !std::isfinite(value)) std::abort();
    CheckRoundTrip(value);
  }
}

// Clustered where the verdict turns: 19 digits are exact, 309 overflow a
// double, about 4933 overflow M, exponents stop being read at 500, overflow
// from 4933, leave a digit unread from 5000, and n <= -5120 scales to zero
// (121 fraction digits with e-4999).
std::size_t NearLimit(FuzzedDataProvider& in, std::size_t budget) {
  static constexpr std::size_t kLimits[] = {0,    1,    19,   20,   121,  309,  500, 4932,
                                            4933, 4934, 4999, 5000, 5119, 5120, 5200};
  std::size_t n = in.ConsumeIntegralInRange<std::size_t>(0, kMaxLongText);
  if (in.ConsumeBool()) {
    const std::size_t limit = kLimits[in.ConsumeIntegralInRange<std::size_t>(0, 14)];
    n = limit + in.ConsumeIntegralInRange<std::size_t>(0, 4);
    n = n >= 2 ? n - 2 : 0;
  }
  return std::min(n, budget);
}

// Leading zeros, then a run of one digit.
std::string DigitRun(FuzzedDataProvider& in, std::size_t& budget) {
  std::string run(NearLimit(in, budget), '0');
  budget -= run.size();
  const char digit = static_cast<char>('0' + in.ConsumeIntegralInRange(0, 9));
  const std::size_t length = NearLimit(in, budget);
  run.append(length, digit);
  budget -= length;
  return run;
}

struct LongText {
  std::string text;
  bool mantissa_overflows = false;
};

LongText BuildLongText(FuzzedDataProvider& in) {
  std::size_t budget = kMaxLongText - 32;  // room for blanks, sign and exponent
  std::string text(in.ConsumeIntegralInRange(0, 2), ' ');
  text += in.PickValueInArray({"", "+", "-"});
  const std::string integer = DigitRun(in, budget);
  text += integer;
  std::string fraction;
  if (in.ConsumeBool()) {
    text += in.PickValueInArray({'.', ','});
    fraction = DigitRun(in, budget);
    text += fraction;
  }
  if (in.ConsumeBool()) {
    text += in.PickValueInArray({'e', 'E'});
    text += in.PickValueInArray({"", "+", "-"});
    text.append(in.ConsumeIntegralInRange(0, 3), '0');
    if (in.ConsumeBool()) text += std::to_string(NearLimit(in, 99999));
  }
  text.append(in.ConsumeIntegralInRange(0, 2), ' ');

  const std::string digits = integer + fraction;
  const std::size_t first = digits.find_first_not_of('0');
  const std::size_t significant = first == std::string::npos ? 0 : digits.size() - first;
  return {text, significant >= 4934};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Check(std::string(reinterpret_cast<const char*>(data), size), false);
  FuzzedDataProvider in(data, size);
  const LongText long_text = BuildLongText(in);
  Check(long_text.text, long_text.mantissa_overflows);
  return 0;
}
