#include "power_of_ten.h"

#include <cassert>

#include "extended.h"

namespace engine {
namespace {

// 10^0 .. 10^31; up to 10^27 they are exact in 64 bits.
constexpr long double kUnits[32] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};
// 10^(32 k) for k = 1 .. 15; index 0 is never used.
constexpr long double kThirtyTwos[16] = {
    1e0L,   1e32L,  1e64L,  1e96L,  1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
};
// 10^(512 j) for j = 1 .. 9; index 0 is never used.
constexpr long double kFiveTwelves[10] = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L,
};

}  // namespace

long double ScaleByPowerOfTen(long double value, int n) {
  assert(n < 5120);
  if (n == 0) return value;
  if (n <= -5120) return 0;
  const bool divide = n < 0;
  const auto apply = [&](long double factor) { value = divide ? value / factor : value * factor; };
  // 10^m = 10^(m mod 32) * 10^(32 * (m / 32 mod 16)) * 10^(512 * (m / 512)),
  // applied in that order, each step rounded to 64 bits.
  const int m = divide ? -n : n;
  apply(kUnits[m % 32]);
  if (const int k = (m / 32) % 16; k != 0) apply(kThirtyTwos[k]);
  if (const int j = m / 512; j != 0) apply(kFiveTwelves[j]);
  return value;
}

}  // namespace engine
