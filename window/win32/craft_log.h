// The log RichEdit1 seen as a list of lines: AppendLogLine and ClearLog over
// the Rich Edit control of RICHED32.DLL.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

#include "window/log_lines.h"

class TCraftLog {
 public:
  // Asks the control for its default maximum (EM_EXLIMITTEXT 0); call
  // before the first line goes in.
  explicit TCraftLog(HWND edit);

  // Appends text on a line of its own at the very end, whatever the user left
  // there; throws engine::EOutOfResources "RichEdit での行の挿入エラー" when
  // the whole line does not fit.
  void AppendLogLine(const std::string& utf8_text);
  void ClearLog();

  // Lines appended while a Batch lives are collected and reach the control
  // in one insertion when the outermost Batch commits or ends, so a run of
  // thousands of lines costs one EM_REPLACESEL; a single AppendLogLine is a
  // batch of one line. Commit() also checks the caret; ending without it
  // (an exception is on its way) inserts what fitted and checks nothing.
  class Batch {
   public:
    explicit Batch(TCraftLog& log);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

    void Commit();

   private:
    TCraftLog& log_;
    bool done_ = false;
  };

 private:
  TLogEnd ControlEnd() const;
  std::size_t ControlCapacity() const;
  // Inserts the pending pieces at the end; false when the control did not
  // take all of them.
  bool Flush();

  HWND edit_;
  int batch_depth_ = 0;
  std::optional<TLogLines> lines_;  // while a Batch is open
  bool batch_touched_ = false;
};
