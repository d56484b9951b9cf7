#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/engine.h"
#include "fake_sheet.h"

namespace {

using Lines = std::vector<std::string>;

engine::TRandomSource PinnedRandom(std::uint32_t ms) {
  return engine::TRandomSource([ms] { return ms; });
}

Lines Tail(const Lines& log, std::size_t n) {
  return Lines(log.end() - static_cast<long>(n), log.end());
}

// Seeded at 12:34:56.789 the draws are 488 270 355 23 698 456 106 502 807 83
// 161: at 80.1 % (succeeds below 801) that is eight successes, a failure at
// 807, a success, and the eleventh draw finds the stock of 10 used up.
TEST(RunReport, CompleteLogOfAPinnedRun) {
  FakeSheet sheet;
  sheet.yield = "2";
  sheet.price[0] = "100";
  sheet.show_log = true;
  auto random = PinnedRandom(((12 * 60 + 34) * 60 + 56) * 1000 + 789);
  engine::RunTrials(sheet, random);
  const std::string made = "「○○○」を 2 個作製しました";
  const std::string failed = "作製に失敗し、素材の半分を失いました";
  EXPECT_EQ(
      sheet.log,
      (Lines{made, made, made, made, made, made, made, made, failed, made, "成功回数9    失敗回数1",
             "製品○○○が　18 個出来ました", "材料が　【0 , 0 , 0 , 0 , 0 】余りました",
             // 18 * 801 * 1.5 / 10000 and 18 * (1000 - 801) / 10000
             "高品質の期待値【　2.1627　個　】", "低品質の期待値【　0.3582　個　】",
             // 10 units at 100 G over 18 items
             "製品○○○の一個当たりの原価は　55.5555555555556 Gです"}));
}

TEST(RunReport, DefaultSheetAtFullRate) {
  FakeSheet sheet;
  sheet.rate = "100";
  auto random = PinnedRandom(0);
  engine::RunTrials(sheet, random);
  EXPECT_EQ(sheet.log,
            (Lines{"成功回数10    失敗回数0", "製品○○○が　10 個出来ました",
                   "材料が　【0 , 0 , 0 , 0 , 0 】余りました", "高品質の期待値【　1.5　個　】",
                   "低品質の期待値【　0　個　】", "製品○○○の一個当たりの原価は　0 Gです"}));
}

// Seeded at 00:00:01.000 the draws at 50 % give four successes and six
// failures; every one of the ten units is used, so 10 * 100 / 4 per item.
TEST(RunReport, CostCountsUnitsLostToFailures) {
  FakeSheet sheet;
  sheet.rate = "50";
  sheet.price[0] = "100";
  sheet.price[1] = "";  // defaulted to "0" by preparation
  sheet.stock[1] = "5";
  auto random = PinnedRandom(1000);
  engine::RunTrials(sheet, random);
  EXPECT_EQ(sheet.log[0], "成功回数4    失敗回数6");
  EXPECT_EQ(sheet.log[2], "材料が　【0 , 5 , 0 , 0 , 0 】余りました");
  EXPECT_EQ(sheet.log.back(), "製品○○○の一個当たりの原価は　250 Gです");
}

TEST(RunReport, ItemsMadeWrapInThirtyTwoBits) {
  FakeSheet sheet;
  sheet.rate = "100";
  sheet.yield = "1073741824";  // 2^30 times ten successes wraps to -2^31
  auto random = PinnedRandom(0);
  engine::RunTrials(sheet, random);
  EXPECT_EQ(
      Tail(sheet.log, 5),
      (Lines{"製品○○○が　-2147483648 個出来ました", "材料が　【0 , 0 , 0 , 0 , 0 】余りました",
             "高品質の期待値【　-322122547.2　個　】", "低品質の期待値【　0　個　】",
             "製品○○○の一個当たりの原価は　0 Gです"}));
}

struct ReportError {
  const char* name;
  void (*edit)(FakeSheet&);
  const char* message;
  std::size_t lines_kept;
};

class RunReportFails : public testing::TestWithParam<ReportError> {};

// The error ends the report at its line; what was appended stays.
TEST_P(RunReportFails, AtTheRightLine) {
  FakeSheet sheet;
  sheet.rate = "100";
  GetParam().edit(sheet);
  auto random = PinnedRandom(0);
  try {
    engine::RunTrials(sheet, random);
    FAIL() << "no error";
  } catch (const engine::Exception& error) {
    EXPECT_EQ(error.Message(), GetParam().message);
  }
  EXPECT_EQ(sheet.log.size(), GetParam().lines_kept);

  // Nothing of the failed arithmetic survives into the next run.
  FakeSheet next;
  next.rate = "100";
  engine::RunTrials(next, random);
  EXPECT_EQ(next.log.back(), "製品○○○の一個当たりの原価は　0 Gです");
}

INSTANTIATE_TEST_SUITE_P(
    Table, RunReportFails,
    testing::Values(ReportError{"BadYield", [](FakeSheet& s) { s.yield = "abc"; },
                                "'abc' is not a valid integer value", 1},
                    ReportError{"BadPrice", [](FakeSheet& s) { s.price[3] = "1.5"; },
                                "'1.5' is not a valid integer value", 5},
                    ReportError{"ZeroItemsNonzeroCost",
                                [](FakeSheet& s) {
                                  s.yield = "0";
                                  s.price[0] = "100";
                                },
                                "Floating point division by zero", 5},
                    ReportError{"ZeroItemsNegativeCost",
                                [](FakeSheet& s) {
                                  s.yield = "0";
                                  s.price[0] = "-3";
                                },
                                "Floating point division by zero", 5},
                    ReportError{"ZeroItemsZeroCost", [](FakeSheet& s) { s.yield = "0"; },
                                "Invalid floating point operation", 5},
                    ReportError{"ItemsWrapToZero",
                                [](FakeSheet& s) {
                                  s.yield = "$40000000";
                                  s.stock[0] = "4";
                                },
                                "Invalid floating point operation", 5},
                    ReportError{"LogFullAtReport", [](FakeSheet& s) { s.log_capacity = 3; },
                                "RichEdit での行の挿入エラー", 3}),
    [](const testing::TestParamInfo<ReportError>& info) { return info.param.name; });

TEST(RunReport, ErrorClassesOfTheArithmetic) {
  FakeSheet sheet;
  sheet.rate = "100";
  sheet.yield = "0";
  sheet.price[0] = "1";
  auto random = PinnedRandom(0);
  EXPECT_THROW(engine::RunTrials(sheet, random), engine::EZeroDivide);
  sheet.price[0] = "0";
  EXPECT_THROW(engine::RunTrials(sheet, random), engine::EInvalidOp);
  sheet.rate = "1e400";
  EXPECT_THROW(engine::RunTrials(sheet, random), engine::EOverflow);
}

}  // namespace
