// TLogLines: the piece for each line, the capacity as the log counts it,
// and that a refused line leaves the collection as it was.
#include "window/log_lines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/errors.h"

namespace {

struct PieceCase {
  const char* name;
  TLogEnd start;
  std::vector<std::u16string> lines;
  std::u16string pending;
  TLogEnd end;
};

class LogLinesPieces : public testing::TestWithParam<PieceCase> {};

TEST_P(LogLinesPieces, CollectsThePieceOfEveryLine) {
  const PieceCase& c = GetParam();
  TLogLines lines(c.start);
  for (const std::u16string& line : c.lines) lines.Append(line);
  EXPECT_EQ(lines.Pending(), c.pending);
  EXPECT_EQ(lines.Start(), c.start);
  EXPECT_EQ(lines.End(), c.end);
}

INSTANTIATE_TEST_SUITE_P(
    , LogLinesPieces,
    testing::Values(
        PieceCase{"EmptyLog", {0, true}, {u"x", u"y"}, u"x\r\ny\r\n", {6, true}},
        PieceCase{"EmptyLine", {0, true}, {u""}, u"\r\n", {2, true}},
        // The user typed at the end without Enter: the break comes first,
        // and the next line follows right behind the first.
        PieceCase{"AfterTypedText", {4, false}, {u"x", u"y"}, u"\r\nx\r\ny", {10, false}},
        PieceCase{"EmptyLineAfterTypedText", {4, false}, {u"", u"z"}, u"\r\nz\r\n", {9, true}},
        PieceCase{"BreaksInsideBecomeCrLf",
                  {0, true},
                  {u"a\r\nb\rc\nd"},
                  u"a\r\nb\r\nc\r\nd\r\n",
                  {12, true}},
        PieceCase{"LineEndingInBreak", {3, false}, {u"a\n"}, u"\r\na\r\n", {8, true}},
        PieceCase{"DoubleByteCountsOne", {0, true}, {u"材料"}, u"材料\r\n", {4, true}}),
    [](const testing::TestParamInfo<PieceCase>& info) { return std::string(info.param.name); });

// Whether the line is taken, for a log whose end is `room` characters
// short of the capacity: a line needs its length plus two. Every line
// taken here fills the log exactly.
struct RoomCase {
  std::size_t room;
  std::u16string line;
  bool taken;
};

class LogLinesCapacity : public testing::TestWithParam<RoomCase> {};

TEST_P(LogLinesCapacity, TakesALineOnlyWhenItFitsWhole) {
  const RoomCase& c = GetParam();
  TLogLines lines(TLogEnd{kLogCapacity - c.room, true});
  if (c.taken) {
    lines.Append(c.line);
    EXPECT_EQ(lines.End().size, kLogCapacity);
    return;
  }
  try {
    lines.Append(c.line);
    FAIL() << "the line was taken";
  } catch (const engine::EOutOfResources& e) {
    EXPECT_EQ(e.Message(), kLogInsertError);
  }
  // Nothing of the refused line was collected.
  EXPECT_EQ(lines.Pending(), u"");
  EXPECT_EQ(lines.End(), lines.Start());
}

INSTANTIATE_TEST_SUITE_P(, LogLinesCapacity,
                         testing::Values(RoomCase{12, u"0123456789", true},
                                         RoomCase{11, u"0123456789", false}, RoomCase{2, u"", true},
                                         RoomCase{1, u"", false}, RoomCase{0, u"", false},
                                         // A break inside counts two as well.
                                         RoomCase{6, u"a\nb", true}, RoomCase{5, u"a\nb", false}));

TEST(LogLines, ALogPastItsCapacityRefusesEveryLine) {
  TLogLines lines(TLogEnd{kLogCapacity + 5, true});
  EXPECT_THROW(lines.Append(u""), engine::EOutOfResources);
}

TEST(LogLines, LinesAfterARefusedOneStillGoInWhenTheyFit) {
  // 18 characters of room: the 19-character line is refused, the
  // 16-character one after it fills the log exactly.
  TLogLines lines(TLogEnd{kLogCapacity - 18, true});
  EXPECT_THROW(lines.Append(std::u16string(17, u'a')), engine::EOutOfResources);
  lines.Append(std::u16string(16, u'b'));
  EXPECT_EQ(lines.End().size, kLogCapacity);
  EXPECT_EQ(lines.Pending(), std::u16string(16, u'b') + u"\r\n");
}

}  // namespace

namespace {

TEST(LogLines, HeaderExample) {
  TLogLines lines(TLogEnd{4, false});
  lines.Append(u"x");
  EXPECT_EQ(lines.Pending(), u"\r\nx");
  lines.Append(u"y");
  EXPECT_EQ(lines.Pending(), u"\r\nx\r\ny");
  EXPECT_EQ(lines.End(), (TLogEnd{4 + 6, false}));
}

}  // namespace
