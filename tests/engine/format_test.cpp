#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <random>
#include <string>

#include "engine/engine.h"
#include "engine/extended.h"
#include "fake_sheet.h"

namespace {

struct FormatCase {
  long double value;
  const char* text;
};

class FormatRealWrites : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatRealWrites, Text) {
  ScopedDecimalMark mark('.');
  EXPECT_EQ(engine::FormatReal(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatRealWrites,
    testing::Values(FormatCase{0.0L, "0"}, FormatCase{-0.0L, "0"}, FormatCase{0.5L, "0.5"},
                    FormatCase{-0.5L, "-0.5"}, FormatCase{0.12, "0.12"}, FormatCase{1.5L, "1.5"},
                    FormatCase{100, "100"}, FormatCase{1234.5L, "1234.5"},
                    FormatCase{2.0 / 3.0, "0.666666666666667"},
                    FormatCase{25.0 / 3.0, "8.33333333333333"}, FormatCase{0.1 + 0.2, "0.3"},
                    FormatCase{0.0001, "0.0001"}, FormatCase{0.00012345, "0.00012345"},
                    FormatCase{-0.0001, "-0.0001"}, FormatCase{0.00001, "1E-5"},
                    FormatCase{0.000015, "1.5E-5"}, FormatCase{-0.00000015, "-1.5E-7"},
                    FormatCase{999999999999999.0L, "999999999999999"},
                    FormatCase{999999999999999.9, "1E15"}, FormatCase{1e15L, "1E15"},
                    FormatCase{1234567890123456.0L, "1.23456789012346E15"},
                    FormatCase{123456789012345678.0L, "1.23456789012346E17"},
                    FormatCase{DBL_MAX, "1.79769313486232E308"},
                    FormatCase{std::numeric_limits<double>::denorm_min(), "4.94065645841247E-324"},
                    FormatCase{0.8933167334412635, "0.893316733441264"}, FormatCase{1.5L, "1.5"},
                    FormatCase{250, "250"}, FormatCase{1e100L, "1E100"},
                    FormatCase{-1e-100L, "-1E-100"}, FormatCase{LDBL_MAX, "1.18973149535723E4932"},
                    FormatCase{LDBL_MIN, "3.36210314311209E-4932"}, FormatCase{LDBL_MIN / 2, "0"},
                    FormatCase{std::numeric_limits<long double>::infinity(), "INF"},
                    FormatCase{-std::numeric_limits<long double>::infinity(), "-INF"},
                    FormatCase{std::numeric_limits<long double>::quiet_NaN(), "NAN"},
                    FormatCase{-std::numeric_limits<long double>::quiet_NaN(), "NAN"}));

TEST(FormatReal, InvalidEncodingsAreNan) {
  using engine::Extended;
  // An unnormal (integer bit clear), a pseudo-infinity and a pseudo-NaN.
  EXPECT_EQ(engine::FormatReal(Extended::FromBits(0x4000000000000000, 0x3FFF)), "NAN");
  EXPECT_EQ(engine::FormatReal(Extended::FromBits(0, 0x7FFF)), "NAN");
  EXPECT_EQ(engine::FormatReal(Extended::FromBits(1, 0xFFFF)), "NAN");
  // A pseudo-denormal has a zero exponent and is written 0 like every value below 2^-16382.
  EXPECT_EQ(engine::FormatReal(Extended::FromBits(0x8000000000000000, 0x8000)), "0");
}

TEST(FormatReal, CommaSeparatorInEveryLayout) {
  ScopedDecimalMark mark(',');
  EXPECT_EQ(engine::FormatReal(1234.5L), "1234,5");
  EXPECT_EQ(engine::FormatReal(0.00012345L), "0,00012345");
  EXPECT_EQ(engine::FormatReal(1.5e-5L), "1,5E-5");
}

// Integers below 10^15 are written exactly; every finite normal value reads
// back within the precision of fifteen digits and fits 23 characters.
TEST(FormatReal, SeededSweepAgainstExactIntegersAndRoundTrip) {
  ScopedDecimalMark mark('.');
  std::mt19937_64 random(4932);
  for (int i = 0; i < 5000; ++i) {
    const std::uint64_t n = random() % 1'000'000'000'000'000;
    EXPECT_EQ(engine::FormatReal(static_cast<long double>(n)), std::to_string(n));
    const long double x =
        engine::Extended::FromBits(random() | engine::Extended::kIntegerBit,
                                   static_cast<std::uint16_t>(1 + random() % 0xFFFE));
    const std::string text = engine::FormatReal(x);
    ASSERT_LE(text.size(), 23u) << text;
    const long double back = engine::ParseReal(text);
    EXPECT_LE(std::fabs((back - x) / x), 1e-14L) << text;
  }
}

TEST(FormatInteger, Table) {
  EXPECT_EQ(engine::FormatInteger(0), "0");
  EXPECT_EQ(engine::FormatInteger(-2147483647 - 1), "-2147483648");
  EXPECT_EQ(engine::FormatInteger(2147483647), "2147483647");
  EXPECT_EQ(engine::FormatInteger(-7), "-7");
}

// The examples in the header comment of number_text.h.
TEST(NumberText, HeaderExamples) {
  ScopedDecimalMark mark('.');
  EXPECT_EQ(engine::ParseInteger("  42"), 42);
  EXPECT_THROW(engine::ParseInteger("42 "), engine::EConvertError);
  EXPECT_EQ(engine::ParseInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(engine::ParseInteger("0x1F"), 31);
  EXPECT_EQ(engine::ParseReal(" 12.5 "), 12.5L);
  EXPECT_TRUE(std::signbit(engine::ParseReal("-.")));
  EXPECT_EQ(engine::ParseReal("1e"), 1);
  EXPECT_THROW(engine::ParseReal("1e5000"), engine::EConvertError);
  EXPECT_EQ(engine::FormatReal(0.00001), "1E-5");
  EXPECT_EQ(engine::FormatReal(1e15L), "1E15");
  EXPECT_EQ(engine::FormatReal(0.8933167334412635), "0.893316733441264");
}

}  // namespace
