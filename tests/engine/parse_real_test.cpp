#include <gtest/gtest.h>

#include <cfenv>
#include <cmath>
#include <random>
#include <string>

#include "engine/engine.h"
#include "fake_sheet.h"

namespace {

struct RealCase {
  const char* text;
  long double value;
};

class ParseRealAccepts : public testing::TestWithParam<RealCase> {};

TEST_P(ParseRealAccepts, GivesValue) {
  ScopedDecimalMark mark('.');
  const long double value = engine::ParseReal(GetParam().text);
  EXPECT_EQ(value, GetParam().value) << GetParam().text;
  EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Table, ParseRealAccepts,
                         testing::Values(RealCase{"  12.5  ", 12.5L}, RealCase{"12.", 12},
                                         RealCase{".5", 0.5L}, RealCase{".", 0}, RealCase{"+.", 0},
                                         RealCase{".e5", 0}, RealCase{"-.", -0.0L},
                                         RealCase{"-0", -0.0L}, RealCase{"1e", 1},
                                         RealCase{"1e+", 1}, RealCase{"1e-", 1},
                                         RealCase{"1e5", 100000}, RealCase{"1E+5", 100000},
                                         RealCase{"100000", 100000}, RealCase{"1.5e-3", 15 / 1e4L},
                                         RealCase{"80.1", 801 / 10.0L}, RealCase{"007.50", 7.5L},
                                         RealCase{"18446744073709551615", 18446744073709551615.0L},
                                         RealCase{"1e0000000000000000000005", 100000}));

TEST(ParseReal, LongExponentsAndTinyValues) {
  ScopedDecimalMark mark('.');
  // 10^20 times the table's 10^480 rounded to 64 bits, the product rounded
  // again; worked out with exact integers, it lands on 10^500 rounded once.
  constexpr long double kTenTo500 = 0x1.f365fec9370d2baep1660L;
  EXPECT_EQ(engine::ParseReal("1e500"), kTenTo500);
  EXPECT_EQ(engine::ParseReal("1e0500"), kTenTo500);
  const long double tiny = engine::ParseReal("1e-4950");
  EXPECT_GT(tiny, 0);
  EXPECT_EQ(std::fpclassify(tiny), FP_SUBNORMAL);
  EXPECT_EQ(engine::ParseReal("0." + std::string(6000, '0') + "1"), 0);
  // Nineteen digits are exact in the 64-bit significand.
  EXPECT_EQ(engine::ParseReal("1234567890123456789"), 1234567890123456789.0L);
}

class ParseRealRejects : public testing::TestWithParam<std::string> {};

TEST_P(ParseRealRejects, NamesTheWholeText) {
  ScopedDecimalMark mark('.');
  const std::string& text = GetParam();
  try {
    engine::ParseReal(text);
    FAIL() << "accepted '" << text << "'";
  } catch (const engine::EConvertError& error) {
    EXPECT_EQ(error.Message(), "'" + text + "' is not a valid floating point value");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseRealRejects,
    testing::Values("1e4999", "1e4933", "1e5000", "+", "-", "e5", "", "   ", "- 1", "1 e5", "1e 5",
                    "1,5", "1,000", "1.5.2", "$10", "0x10", "INF", "NAN", "\t1", "1e+-5", "１",
                    std::string(5000, '9'), "1" + std::string(308, '0') + "e4625",
                    // M overflows, even where the scaling gives zero.
                    "." + std::string(5200, '9'), "-." + std::string(5200, '9'),
                    std::string(4940, '9') + "." + std::string(200, '0') + "e-4999"));

// Accepted or rejected, the parse leaves the caller exactly the flags it had
// (none of the overflow, underflow and inexact it raised itself) and its
// rounding mode, and rounds to nearest whatever the caller's mode.
TEST(ParseReal, LeavesTheCallersFloatingPointEnvironment) {
  ScopedDecimalMark mark('.');
  const long double seven_tenths = engine::ParseReal("0.7");  // nearest is below
  for (const int caller : {0, FE_DIVBYZERO, FE_OVERFLOW | FE_INEXACT}) {
    for (const std::string& text :
         {std::string("1e4999"), std::string("1e-4950"), std::string("0.1"),
          "." + std::string(5200, '9'), std::string("1e4")}) {
      std::feclearexcept(FE_ALL_EXCEPT);
      std::feraiseexcept(caller);
      try {
        engine::ParseReal(text);
      } catch (const engine::EConvertError&) {
      }
      const int flags = std::fetestexcept(FE_ALL_EXCEPT);
      EXPECT_EQ(flags, caller) << text;
    }
  }
  std::feclearexcept(FE_ALL_EXCEPT);

  std::fesetround(FE_UPWARD);
  const long double upward = engine::ParseReal("0.7");
  const int mode = std::fegetround();
  std::fesetround(FE_TONEAREST);
  EXPECT_EQ(upward, seven_tenths);
  EXPECT_EQ(mode, FE_UPWARD);
}

TEST(ParseReal, CommaSeparator) {
  ScopedDecimalMark mark(',');
  EXPECT_EQ(engine::ParseReal("1,5"), 1.5L);
  EXPECT_THROW(engine::ParseReal("1.5"), engine::EConvertError);
  EXPECT_EQ(engine::FormatReal(1.5L), "1,5");
}

// A one-decimal rate times ten, stored as a double, is exactly its tenfold.
TEST(ParseReal, OneDecimalRatesScaleToExactTenths) {
  ScopedDecimalMark mark('.');
  for (int tenths = 0; tenths <= 1000; ++tenths) {
    const std::string text = std::to_string(tenths / 10) + "." + std::to_string(tenths % 10);
    const double stored = static_cast<double>(engine::ParseReal(text) * 10.0L);
    EXPECT_EQ(stored, tenths) << text;
  }
}

// Integers up to 2^64 are read exactly, whatever the layout of the text.
TEST(ParseReal, SeededSweepOfIntegersIsExact) {
  ScopedDecimalMark mark('.');
  std::mt19937_64 random(20261209);
  for (int i = 0; i < 2000; ++i) {
    const std::uint64_t n = random() >> (random() % 64);
    EXPECT_EQ(engine::ParseReal(std::to_string(n)), static_cast<long double>(n)) << n;
    // Below 2^53 the mantissa n * 1000 is still exact, and so is the quotient.
    const std::uint64_t m = n >> 11;
    EXPECT_EQ(engine::ParseReal(std::to_string(m) + "000e-3"), static_cast<long double>(m)) << m;
  }
}

}  // namespace
