// The log area RichEdit1 seen as a list of lines: AppendLogLine and ClearLog.
#pragma once

#include <optional>
#include <string>

#include "window/log_lines.h"

class QPlainTextEdit;

class TCraftLog {
 public:
  static constexpr int kCapacity = static_cast<int>(kLogCapacity);

  explicit TCraftLog(QPlainTextEdit* edit);

  // Appends text on a line of its own at the very end, whatever the user left
  // there; throws engine::EOutOfResources "RichEdit での行の挿入エラー" and
  // inserts nothing when the whole line does not fit. A quiet line is not
  // told to assistive technology (see Batch).
  void AppendLogLine(const std::string& utf8_text, bool quiet = false);
  void ClearLog();

  // The log's size as the capacity counts it: characters, each line break two.
  int Size() const;

  // Lines appended while a Batch lives are collected and reach the widget in
  // one insertion when the outermost Batch commits or ends, so a run of
  // thousands of lines costs one widget update; a single AppendLogLine is a
  // batch of one line. Commit() also checks that the widget took everything;
  // ending without it (an exception is on its way) inserts what fitted and
  // checks nothing. Afterwards the caret is at the very end and the end is
  // in view. A Batch inside a Batch adds nothing.
  //
  // Assistive technology hears of an insertion as one "text inserted"
  // event holding the lines after the batch's last quiet line, never the
  // quiet ones: a run's report is spoken, its thousands of attempt lines
  // are not.
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
  TLogEnd WidgetEnd() const;
  // Inserts the pending pieces at the end; false when the widget did not take
  // all of them.
  bool Flush();

  QPlainTextEdit* edit_;
  int batch_depth_ = 0;
  std::optional<TLogLines> lines_;  // while a Batch is open
  std::size_t spoken_from_ =
      0;  // in lines_->Pending(): where the lines after the last quiet one begin
  bool batch_touched_ = false;
};
