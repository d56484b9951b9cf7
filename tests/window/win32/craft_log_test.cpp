// The log over a real Rich Edit control of RICHED32.DLL in a message-only
// window, which needs no display: the pieces AppendLogLine adds, the batch
// of a run, the capacity that Wine's control reports but does not hold to,
// and ClearLog.
#include <gtest/gtest.h>

#include <richedit.h>

#include <optional>
#include <string>

#include "engine/errors.h"
#include "window/win32/craft_log.h"
#include "window/win32/wide_text.h"

namespace {

class Win32CraftLog : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(LoadLibraryW(L"RICHED32.DLL"), nullptr);
    edit_ = CreateWindowExW(0, L"RICHEDIT", L"", WS_CHILD | ES_MULTILINE | ES_WANTRETURN, 0, 0, 361,
                            241, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit_, nullptr);
    log_.emplace(edit_);
  }
  void TearDown() override {
    log_.reset();
    if (edit_ != nullptr) DestroyWindow(edit_);
  }

  std::wstring Text() const { return WindowText(edit_); }
  LONG Caret() const {
    CHARRANGE range{};
    SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&range));
    return range.cpMax;
  }
  void Type(const wchar_t* text) { SetWindowTextW(edit_, text); }

  HWND edit_ = nullptr;
  std::optional<TCraftLog> log_;
};

TEST_F(Win32CraftLog, EachLineOnALineOfItsOwnCaretAtTheEnd) {
  log_->AppendLogLine("材料１～５");
  log_->AppendLogLine("-----");
  EXPECT_EQ(Text(), L"材料１～５\r\n-----\r\n");
  EXPECT_EQ(Caret(), 14);
  // Text the user left without a line break, the caret at the start: the
  // next line still goes to the end, on a line of its own.
  Type(L"abc\r\nxy");
  CHARRANGE start{0, 0};
  SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&start));
  log_->AppendLogLine("z");
  EXPECT_EQ(Text(), L"abc\r\nxy\r\nz");
  EXPECT_EQ(Caret(), 10);
}

TEST_F(Win32CraftLog, ABatchGoesInWholeWhenItCommits) {
  {
    TCraftLog::Batch batch(*log_);
    log_->AppendLogLine("one");
    log_->AppendLogLine("two");
    EXPECT_EQ(Text(), L"");
    batch.Commit();
  }
  EXPECT_EQ(Text(), L"one\r\ntwo\r\n");
}

TEST_F(Win32CraftLog, TheFirstLineThatDoesNotFitFailsTheLinesBeforeItStay) {
  const auto capacity = static_cast<std::size_t>(SendMessageW(edit_, EM_GETLIMITTEXT, 0, 0));
  ASSERT_GT(capacity, 100u);
  const std::string line(98, 'x');  // 100 with its line break
  const std::size_t fitting = capacity / 100;
  bool refused = false;
  {
    TCraftLog::Batch batch(*log_);
    try {
      for (std::size_t i = 0; i <= fitting; ++i) log_->AppendLogLine(line);
      batch.Commit();
    } catch (const engine::EOutOfResources& e) {
      refused = true;
      EXPECT_EQ(e.Message(), "RichEdit での行の挿入エラー");
    }
  }
  EXPECT_TRUE(refused);
  EXPECT_EQ(static_cast<std::size_t>(GetWindowTextLengthW(edit_)), fitting * 100);
  EXPECT_THROW(log_->AppendLogLine(std::string(capacity % 100 + 1, 'y')), engine::EOutOfResources);
  EXPECT_NO_THROW(log_->AppendLogLine(std::string(capacity % 100 - 2, 'y')));
}

TEST_F(Win32CraftLog, ClearLogEmptiesEverything) {
  // The small log of the start, and a log of many more lines than one step
  // of the clearing takes.
  for (const int lines : {1, 700}) {
    {
      TCraftLog::Batch batch(*log_);
      for (int i = 0; i < lines; ++i) log_->AppendLogLine(std::string(80, 'x'));
      batch.Commit();
    }
    Type((Text() + L"typed").c_str());
    log_->ClearLog();
    EXPECT_EQ(Text(), L"") << lines;
    log_->AppendLogLine("first");
    EXPECT_EQ(Text(), L"first\r\n") << lines;
    log_->ClearLog();
  }
}

}  // namespace
