#include <cmath>

#include "decimal_mark.h"
#include "extended.h"
#include "number_text.h"
#include "power_of_ten.h"

namespace engine {
namespace {

constexpr long double kTenTo17 = 1e17L;
constexpr long double kTenTo18 = 1e18L;
constexpr std::uint64_t kTenTo15 = 1'000'000'000'000'000;
constexpr int kPrecision = 15;

// The 18 significant decimal digits of |x| as an integer in [10^17, 10^18),
// with the decimal exponent E adjusted so that |x| ~ 0.d1d2...d18 * 10^E.
std::uint64_t EighteenDigits(long double magnitude, int& decimal_exponent) {
  for (;;) {
    long double scaled = std::nearbyint(ScaleByPowerOfTen(magnitude, 18 - decimal_exponent));
    if (scaled >= kTenTo18) {
      scaled = std::nearbyint(scaled / 10);
      ++decimal_exponent;
    } else if (scaled < kTenTo17) {
      --decimal_exponent;  // the estimate was one too high: scale again
      continue;
    }
    return static_cast<std::uint64_t>(scaled);
  }
}

}  // namespace

std::string FormatReal(long double value) {
  const Extended bits(value);
  if (bits.BiasedExponent() == 0) return "0";  // zeros and everything below 2^-16382
  if (bits.IsInfinity()) return bits.Sign() ? "-INF" : "INF";
  if (bits.IsNanOrInvalid()) return "NAN";

  // E := floor(e * log10(2)) + 1 with log10(2) ~ 19728 / 2^16; the shift of a
  // negative product floors towards minus infinity.
  int exponent = ((bits.Exponent() * 19728) >> 16) + 1;
  const std::uint64_t eighteen = EighteenDigits(std::fabs(value), exponent);

  // Round the digit string, not the exact value, to 15 digits.
  std::uint64_t digits = eighteen / 1000;
  if ((eighteen / 100) % 10 >= 5 && ++digits == kTenTo15) {
    digits /= 10;  // fifteen nines became 1 followed by zeros
    ++exponent;
  }
  std::string d = std::to_string(digits);
  d.erase(d.find_last_not_of('0') + 1);
  const int k = static_cast<int>(d.size());

  std::string out = bits.Sign() ? "-" : "";
  const char mark = DecimalMark();
  if (exponent > kPrecision || exponent < -3) {
    out += d[0];
    if (k > 1) (out += mark).append(d, 1);
    out += 'E';
    out += std::to_string(exponent - 1);
  } else if (exponent >= 1) {
    if (k <= exponent) {
      out += d;
      out.append(exponent - k, '0');
    } else {
      out.append(d, 0, exponent);
      (out += mark).append(d, exponent);
    }
  } else {
    (out += '0') += mark;
    out.append(-exponent, '0');
    out += d;
  }
  return out;
}

}  // namespace engine
