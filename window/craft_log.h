// The log area RichEdit1 seen as a list of lines: AppendLogLine and ClearLog.
#pragma once

#include <QObject>
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

  // While a Batch lives, appended lines are collected and reach the widget
  // in one insertion when it ends (normally or by an exception), so a run
  // of thousands of lines costs one widget update.
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
  QPlainTextEdit* edit_;
  // ... implementation state
};
