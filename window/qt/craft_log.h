// The log area RichEdit1 seen as a list of lines: AppendLogLine and ClearLog.
#pragma once

#include <QString>
#include <string>

class QPlainTextEdit;

class TCraftLog {
 public:
  // Characters the log holds; each line break counts as two (CR LF).
  static constexpr int kCapacity = 65536;

  explicit TCraftLog(QPlainTextEdit* edit);

  // Appends text on a line of its own at the very end, whatever the user left
  // there; throws engine::EOutOfResources "RichEdit での行の挿入エラー" and
  // inserts nothing when the whole line does not fit.
  void AppendLogLine(const std::string& utf8_text);
  void ClearLog();

  // The log's size as the capacity counts it: characters, each line break two.
  int Size() const;

  // While a Batch lives, appended lines are collected and reach the widget
  // in one insertion when it ends (normally or by an exception), so a run
  // of thousands of lines costs one widget update. Afterwards the caret is
  // at the very end and the end is in view. A Batch inside a Batch adds
  // nothing: the outermost one inserts.
  class Batch {
   public:
    explicit Batch(TCraftLog& log);
    ~Batch();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    TCraftLog& log_;
  };

 private:
  // The widget's text as the capacity counts it, and whether it is empty or
  // ends with a line break.
  struct State {
    int size = 0;
    bool at_line_start = true;
  };
  State WidgetState() const;
  void InsertAtEnd(const QString& piece, bool scroll);
  void BeginBatch();
  void EndBatch() noexcept;

  QPlainTextEdit* edit_;

  int batch_depth_ = 0;
  State batch_state_;  // the log as it will be once pending_ is inserted
  QString pending_;    // pieces collected by the open Batch
  bool batch_touched_ = false;
};
