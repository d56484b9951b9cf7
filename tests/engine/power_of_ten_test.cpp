#include "engine/power_of_ten.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/extended.h"

namespace {

// 10^n as an exact binary big integer, rounded to a 64-bit significand by
// hand (to nearest, ties to even): the oracle for the three factor tables.
class PowerOfTen {
 public:
  void TimesTen() {
    std::uint64_t carry = 0;
    for (auto& limb : limbs_) {
      const std::uint64_t product = std::uint64_t{limb} * 10 + carry;
      limb = static_cast<std::uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
  }

  // Returns the significand and sets the unbiased binary exponent.
  std::uint64_t Rounded(int& exponent) const {
    const int bits = BitLength();
    exponent = bits - 1;
    if (bits <= 64) return Bits(0, bits) << (64 - bits);
    const int dropped = bits - 64;
    std::uint64_t significand = Bits(dropped, 64);
    const bool half = Bit(dropped - 1);
    bool sticky = false;
    for (int i = 0; i < dropped - 1 && !sticky; ++i) sticky = Bit(i);
    if (half && (sticky || (significand & 1))) {
      if (++significand == 0) {  // carried out of 64 bits
        significand = std::uint64_t{1} << 63;
        ++exponent;
      }
    }
    return significand;
  }

 private:
  bool Bit(int i) const { return (limbs_[i / 32] >> (i % 32)) & 1; }
  std::uint64_t Bits(int from, int count) const {
    std::uint64_t value = 0;
    for (int i = from + count - 1; i >= from; --i) value = (value << 1) | Bit(i);
    return value;
  }
  int BitLength() const {
    int bits = static_cast<int>(limbs_.size()) * 32;
    while (!Bit(bits - 1)) --bits;
    return bits;
  }
  std::vector<std::uint32_t> limbs_{1};
};

TEST(ScaleByPowerOfTen, EveryTableFactorIsCorrectlyRounded) {
  PowerOfTen exact;
  for (int n = 0; n <= 4608; ++n, exact.TimesTen()) {
    const bool in_table = n < 32 || (n <= 480 && n % 32 == 0) || n % 512 == 0;
    if (!in_table) continue;
    int exponent = 0;
    const std::uint64_t significand = exact.Rounded(exponent);
    const engine::Extended factor(engine::ScaleByPowerOfTen(1, n));
    EXPECT_EQ(factor.Significand(), significand) << "10^" << n;
    EXPECT_EQ(factor.Exponent(), exponent) << "10^" << n;
  }
}

TEST(ScaleByPowerOfTen, AppliesFactorsInOrderAndLimits) {
  EXPECT_EQ(engine::ScaleByPowerOfTen(1.25L, 0), 1.25L);
  EXPECT_EQ(engine::ScaleByPowerOfTen(15, -1), 1.5L);
  EXPECT_EQ(engine::ScaleByPowerOfTen(3, 27), 3e27L);  // exact factors give exact products
  EXPECT_EQ(engine::ScaleByPowerOfTen(1, -5120), 0);
  EXPECT_EQ(engine::ScaleByPowerOfTen(1e300L, -6000), 0);
  // 10^4950 = 10^22 * 10^320 * 10^4608, each product rounded.
  const long double expected = 1e22L * 1e320L * 1e4608L;
  EXPECT_EQ(engine::ScaleByPowerOfTen(1, 4950), expected);
  EXPECT_EQ(engine::ScaleByPowerOfTen(1, -4950), 1 / 1e22L / 1e320L / 1e4608L);
}

}  // namespace
