#include "engine/workshop.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_sheet.h"

namespace {

using Writes = std::vector<std::string>;

TEST(PrepareRun, DefaultsBlankPricesThenStocksBeforeAnyConversion) {
  FakeSheet sheet;
  sheet.price = {"", "", "", "", ""};
  sheet.stock = {"", "", " ", "", ""};  // blanks only are not empty
  sheet.required[2] = "";               // fails the first conversion
  EXPECT_THROW(engine::PrepareRun(sheet), engine::EConvertError);
  EXPECT_EQ(sheet.writes, (Writes{"price1=0", "price2=0", "price3=0", "price4=0", "price5=0",
                                  "stock1=0", "stock2=0", "stock4=0", "stock5=0"}));
  EXPECT_EQ(sheet.stock[2], " ");
}

TEST(PrepareRun, ConvertsRecipeAndScalesTheRate) {
  FakeSheet sheet;
  sheet.required = {"-2", "$10", "0", "0", "3"};
  sheet.stock = {"10", "0", "7", "0", "-4"};
  sheet.price[0] = "1.5";  // prices are converted by the report only
  const engine::TCraftRun run = engine::PrepareRun(sheet);
  EXPECT_EQ(run.required, (std::array<std::int32_t, 5>{-2, 16, 0, 0, 3}));
  EXPECT_EQ(run.stock, (std::array<std::int32_t, 5>{10, 0, 7, 0, -4}));
  EXPECT_EQ(run.RateTenths, 801.0);
  EXPECT_TRUE(sheet.writes.empty());
}

struct RateCase {
  const char* text;
  double tenths;
  const char* written;  // nullptr: the field keeps its text
};

class RateClamp : public testing::TestWithParam<RateCase> {};

TEST_P(RateClamp, ScalesAndClamps) {
  ScopedDecimalMark mark('.');
  FakeSheet sheet;
  sheet.rate = GetParam().text;
  EXPECT_EQ(engine::PrepareRun(sheet).RateTenths, GetParam().tenths);
  const std::string expected = GetParam().written ? GetParam().written : GetParam().text;
  EXPECT_EQ(sheet.rate, expected);
  EXPECT_EQ(sheet.writes.size(), GetParam().written ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, RateClamp,
    testing::Values(RateCase{"80.1", 801.0, nullptr}, RateCase{"100", 1000.0, nullptr},
                    RateCase{"100.5", 1000.0, "100.0"}, RateCase{"0.05", 1.0, "0.1"},
                    RateCase{"0", 1.0, "0.1"}, RateCase{"-5", 1.0, "0.1"},
                    RateCase{"-.", 1.0, "0.1"}, RateCase{"0.1", 1.0, nullptr},
                    RateCase{"80.15", 801.5, nullptr}, RateCase{"1e-400", 1.0, "0.1"},
                    RateCase{"1e307", 1000.0, "100.0"}));

TEST(PrepareRun, RateWhoseTenfoldOverflowsADouble) {
  for (const std::string& text :
       {std::string(309, '9'), std::string("1e400"), std::string("1e4900")}) {
    FakeSheet sheet;
    sheet.rate = text;
    try {
      engine::PrepareRun(sheet);
      FAIL() << text;
    } catch (const engine::EOverflow& error) {
      EXPECT_EQ(error.Message(), "Floating point overflow");
    }
    EXPECT_EQ(sheet.rate, text);
  }
  // Tenfolds just below and at half an ulp above DBL_MAX (1.7976931348623157e308).
  FakeSheet edge;
  edge.rate = "1.7976931348623157e307";  // rounds to DBL_MAX when stored
  EXPECT_EQ(engine::PrepareRun(edge).RateTenths, 1000.0);
  edge.rate = "1.79769313486231581e307";  // beyond 2^1024 - 2^970 after scaling
  EXPECT_THROW(engine::PrepareRun(edge), engine::EOverflow);

  FakeSheet sheet;
  sheet.rate = "1" + std::string(307, '0');  // 10^307, scaled 10^308: still a double
  EXPECT_EQ(engine::PrepareRun(sheet).RateTenths, 1000.0);
  EXPECT_EQ(sheet.rate, "100.0");
}

TEST(PrepareRun, ConversionErrorsNameTheField) {
  struct Case {
    void (*edit)(FakeSheet&);
    const char* message;
  };
  const Case cases[] = {
      {[](FakeSheet& s) { s.stock[0] = "1.5"; }, "'1.5' is not a valid integer value"},
      {[](FakeSheet& s) { s.required[2] = ""; }, "'' is not a valid integer value"},
      {[](FakeSheet& s) { s.rate = ""; }, "'' is not a valid floating point value"},
      {[](FakeSheet& s) { s.stock[4] = "abc"; }, "'abc' is not a valid integer value"},
      // Two bad fields: every quantity before any stock, every stock before the rate.
      {[](FakeSheet& s) {
         s.stock[0] = "s1";
         s.required[1] = "q2";
       },
       "'q2' is not a valid integer value"},
      {[](FakeSheet& s) {
         s.rate = "r";
         s.stock[4] = "s5";
       },
       "'s5' is not a valid integer value"},
  };
  for (const Case& c : cases) {
    FakeSheet sheet;
    c.edit(sheet);
    try {
      engine::PrepareRun(sheet);
      FAIL() << c.message;
    } catch (const engine::EConvertError& error) {
      EXPECT_EQ(error.Message(), c.message);
    }
    EXPECT_NE(sheet.rate, "0") << "the rate field is never defaulted";
  }
}

// Clamped texts use the current separator so that they parse at the next run.
TEST(PrepareRun, CommaSeparator) {
  ScopedDecimalMark mark(',');
  FakeSheet sheet;
  EXPECT_THROW(engine::PrepareRun(sheet), engine::EConvertError);  // "80.1"
  sheet.rate = "80";
  EXPECT_EQ(engine::PrepareRun(sheet).RateTenths, 800.0);
  sheet.rate = "250";
  engine::PrepareRun(sheet);
  EXPECT_EQ(sheet.rate, "100,0");
  EXPECT_EQ(engine::PrepareRun(sheet).RateTenths, 1000.0);
  sheet.rate = "0";
  engine::PrepareRun(sheet);
  EXPECT_EQ(sheet.rate, "0,1");
  EXPECT_EQ(engine::PrepareRun(sheet).RateTenths, 1.0);
}

}  // namespace
