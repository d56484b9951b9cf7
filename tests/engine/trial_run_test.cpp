#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "engine/engine.h"
#include "fake_sheet.h"

namespace {

using Lines = std::vector<std::string>;

constexpr std::uint32_t At(int h, int m, int s, int ms) {
  return static_cast<std::uint32_t>(((h * 60 + m) * 60 + s) * 1000 + ms);
}

engine::TRandomSource PinnedRandom(std::uint32_t ms) {
  return engine::TRandomSource([ms] { return ms; });
}

const std::string kSuccess1 = "「○○○」を 1 個作製しました";
const std::string kFailure = "作製に失敗し、素材の半分を失いました";

TEST(TRandomSource, SeedsFromTheClockAndDrawsTheUpperHalf) {
  engine::TRandomSource random = PinnedRandom(At(12, 34, 56, 789));
  random.Randomize();
  EXPECT_EQ(random.Seed(), 45296789u);
  // seed := seed * 134775813 + 1 (mod 2^32); draw := (seed * range) >> 32
  const std::uint32_t expected[] = {488, 270, 355, 23, 698, 456, 106, 502, 807, 83, 161};
  for (std::uint32_t draw : expected) EXPECT_EQ(random.Draw(1000), draw);
  random.Randomize();
  EXPECT_EQ(random.Draw(1000), 488u);  // same millisecond, same attempts
  EXPECT_EQ(PinnedRandom(0).Draw(0xFFFFFFFF), 0u);
}

TEST(SystemMillisecondsOfDay, IsATimeOfDay) {
  EXPECT_LT(engine::SystemMillisecondsOfDay(), 86'400'000u);
}

TEST(RunTrials, StopsWhenTheMaterialsNoLongerCoverACraft) {
  FakeSheet sheet;
  sheet.rate = "100";
  sheet.show_log = true;
  auto random = PinnedRandom(0);
  engine::RunTrials(sheet, random);
  ASSERT_GE(sheet.log.size(), 11u);
  EXPECT_EQ(Lines(sheet.log.begin(), sheet.log.begin() + 10), Lines(10, kSuccess1));
  EXPECT_EQ(sheet.log[10], "成功回数10    失敗回数0");
  // Ten successes plus the attempt that failed the check: the draw comes first.
  auto replay = PinnedRandom(0);
  replay.Randomize();
  for (int i = 0; i < 11; ++i) replay.Draw(1000);
  EXPECT_EQ(random.Seed(), replay.Seed());
}

TEST(RunTrials, MakesAtMost5001Attempts) {
  FakeSheet sheet;
  sheet.required = {"0", "0", "0", "0", "0"};
  sheet.show_log = true;
  auto random = PinnedRandom(At(1, 2, 3, 4));
  engine::RunTrials(sheet, random);
  ASSERT_EQ(sheet.log.size(), 5001u + 6u);
  int successes = 0;
  for (int i = 0; i < 5001; ++i) successes += sheet.log[i] == kSuccess1;
  EXPECT_EQ(sheet.log[5001], "成功回数" + std::to_string(successes) + "    失敗回数" +
                                 std::to_string(5001 - successes));
  EXPECT_EQ(sheet.log[5003], "材料が　【10 , 0 , 0 , 0 , 0 】余りました");
}

TEST(RunTrials, FailuresLoseHalfRoundedUpAndNegativeQuantitiesAdd) {
  FakeSheet sheet;
  sheet.rate = "0";  // clamped to 0.1 %: only a draw of 0 succeeds
  sheet.required = {"3", "2", "1", "-3", "0"};
  sheet.stock = {"10", "10", "10", "0", "0"};
  auto random = PinnedRandom(1000);  // draws 379 699 393 542 6: no zero
  engine::RunTrials(sheet, random);
  EXPECT_EQ(sheet.rate, "0.1");
  // Four failures: 10-4*2, 10-4*1, 10-4*1, 0+4*2; the fifth attempt lacks material 1.
  EXPECT_EQ(sheet.log, (Lines{"成功回数0    失敗回数4", "製品○○○が　0 個出来ました",
                              "材料が　【2 , 6 , 6 , 8 , 0 】余りました",
                              "高品質の期待値【　0　個　】", "低品質の期待値【　0　個　】"}));
}

// One attempt, then material 1 runs out: the first draw alone decides.
struct OneAttemptCase {
  const char* rate;
  std::array<std::string, 5> required;
  const char* counts;
  const char* remains;
};

void PrintTo(const OneAttemptCase& c, std::ostream* os) { *os << c.rate << " " << c.counts; }

class OneAttempt : public testing::TestWithParam<OneAttemptCase> {};

TEST_P(OneAttempt, FirstDrawDecides) {
  ScopedDecimalMark mark('.');
  FakeSheet sheet;
  sheet.rate = GetParam().rate;
  sheet.required = GetParam().required;
  sheet.stock = {"1", "0", "0", "0", "0"};
  auto random = PinnedRandom(153);  // first draw 801
  engine::RunTrials(sheet, random);
  ASSERT_GE(sheet.log.size(), 3u);
  EXPECT_EQ(sheet.log[0], GetParam().counts);
  EXPECT_EQ(sheet.log[2], GetParam().remains);
}

INSTANTIATE_TEST_SUITE_P(
    Table, OneAttempt,
    testing::Values(
        // 801.5 takes the draws 0 .. 801, 801.0 only up to 800.
        OneAttemptCase{"80.15",
                       {"1", "0", "0", "0", "0"},
                       "成功回数1    失敗回数0",
                       "材料が　【0 , 0 , 0 , 0 , 0 】余りました"},
        OneAttemptCase{"80.1",
                       {"1", "0", "0", "0", "0"},
                       "成功回数0    失敗回数1",
                       "材料が　【0 , 0 , 0 , 0 , 0 】余りました"},
        // A success takes the required quantity, so a negative one adds to the stock.
        OneAttemptCase{"100",
                       {"1", "-3", "0", "0", "0"},
                       "成功回数1    失敗回数0",
                       "材料が　【0 , 3 , 0 , 0 , 0 】余りました"}));

TEST(RunTrials, NegativeStockStopsAtTheFirstAttempt) {
  FakeSheet sheet;
  sheet.stock[4] = "-1";
  auto random = PinnedRandom(7);
  engine::RunTrials(sheet, random);
  EXPECT_EQ(sheet.log.front(), "成功回数0    失敗回数0");
}

TEST(RunTrials, SuccessLineRepeatsTheYieldTextVerbatim) {
  FakeSheet sheet;
  sheet.rate = "100";
  sheet.yield = " 5";
  sheet.stock[0] = "2";
  sheet.show_log = true;
  auto random = PinnedRandom(0);
  engine::RunTrials(sheet, random);
  EXPECT_EQ(sheet.log[0], "「○○○」を  5 個作製しました");
  EXPECT_EQ(sheet.log[1], sheet.log[0]);
  EXPECT_EQ(sheet.log[3], "製品○○○が　10 個出来ました");
}

TEST(RunTrials, WrapsStocksInTwosComplement) {
  FakeSheet sheet;
  sheet.rate = "100";
  sheet.required = {"-2147483648", "0", "0", "0", "0"};
  sheet.stock = {"0", "0", "0", "0", "0"};
  auto random = PinnedRandom(0);
  engine::RunTrials(sheet, random);
  // 0 - (-2^31) wraps to -2^31, then again to 0: the stock alternates, 5001 attempts.
  EXPECT_EQ(sheet.log[0], "成功回数5001    失敗回数0");
  EXPECT_EQ(sheet.log[2], "材料が　【-2147483648 , 0 , 0 , 0 , 0 】余りました");
}

TEST(RunTrials, ErrorInPreparationAppendsNothing) {
  FakeSheet sheet;
  sheet.price[1] = "";
  sheet.stock[1] = "abc";
  auto random = PinnedRandom(5);
  EXPECT_THROW(engine::RunTrials(sheet, random), engine::EConvertError);
  EXPECT_TRUE(sheet.log.empty());
  EXPECT_EQ(sheet.price[1], "0");
  EXPECT_EQ(random.Seed(), 5u);  // seeded before preparation, no draw yet
}

TEST(RunTrials, FullLogEndsTheRunWithoutReport) {
  FakeSheet sheet;
  sheet.required = {"0", "0", "0", "0", "0"};
  sheet.show_log = true;
  sheet.log_capacity = 3449;
  auto random = PinnedRandom(0);
  EXPECT_THROW(engine::RunTrials(sheet, random), engine::EOutOfResources);
  EXPECT_EQ(sheet.log.size(), 3449u);
  for (const std::string& line : sheet.log) EXPECT_TRUE(line == kSuccess1 || line == kFailure);
}

}  // namespace
