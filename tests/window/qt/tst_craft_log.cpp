// TCraftLog: AppendLogLine's five steps, the capacity, Batch and ClearLog,
// on a real QPlainTextEdit.
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QtTest>
#include <optional>
#include <string>
#include <vector>

#include "engine/errors.h"
#include "window/qt/craft_log.h"

namespace {

const QString kInsertError = QStringLiteral("RichEdit での行の挿入エラー");
const std::string kFailureLine = "作製に失敗し、素材の半分を失いました";  // 18 characters

// The widget's text with line breaks as "\n".
QString Text(const QPlainTextEdit& edit) { return edit.toPlainText(); }

// Appends and returns the message of the error, if any.
std::optional<QString> TryAppend(TCraftLog& log, const std::string& line) {
  try {
    log.AppendLogLine(line);
    return std::nullopt;
  } catch (const engine::EOutOfResources& e) {
    return QString::fromStdString(e.Message());
  }
}

// A text whose size, as the capacity counts it, is `size` (at least 83):
// lines of 'a', the last one with or without its line break.
QString FilledText(int size, bool ends_with_break = true) {
  QString text;
  while (size > 82) {
    text += QString(78, QLatin1Char('a')) + QLatin1Char('\n');
    size -= 80;
  }
  if (ends_with_break) return text + QString(size - 2, QLatin1Char('a')) + QLatin1Char('\n');
  return text + QString(size, QLatin1Char('a'));
}

void PutText(QPlainTextEdit& edit, const QString& text) {
  edit.setPlainText(text);  // as the user could have left it
}

}  // namespace

class TestCraftLog : public QObject {
  Q_OBJECT

 private slots:
  void appendRule_data();
  void appendRule();
  void appendRuleInBatch_data() { appendRule_data(); }
  void appendRuleInBatch();
  void appendGoesToEndWhateverTheSelection();
  void caretAtEndAfterAppend();
  void lineSeparatorIsALineBreak();
  void carriageReturnsBecomeLineBreaks();
  void sizeCountsLineBreaksAsTwo();
  void capacityExactFit();
  void capacityOneMoreRefused();
  void capacityEmptyLineNeedsTwo();
  void capacityInBatchMatchesPlainAppend();
  void widgetThatDropsTextFailsTheCaretCheck();
  void batchInsertsOnlyAtItsEnd();
  void batchFlushesLinesBeforeAFailingLine();
  void batchTakesUserTextAtItsStart();
  void batchFirstLineFailsLeavesLogUnchanged();
  void batchEmptyChangesNothing();
  void nestedBatchInsertsOnce();
  void userTypingBetweenAppendsIsSeen();
  void userTextAtEndOfLog();
  void clearLog();
  void clearLogInsideBatch();
  void runSizedBatch();
  void runSizedBatchShowsEnd();
};

void TestCraftLog::appendRule_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<QStringList>("lines");
  QTest::addColumn<QString>("after");

  QTest::newRow("empty log") << QString() << QStringList{"x"} << "x\n";
  QTest::newRow("empty log, two lines") << QString() << QStringList{"x", "y"} << "x\ny\n";
  QTest::newRow("empty log, empty line") << QString() << QStringList{""} << "\n";
  QTest::newRow("ends with a line break") << "a\n" << QStringList{"x"} << "a\nx\n";
  QTest::newRow("ends with two line breaks") << "a\n\n" << QStringList{"x"} << "a\n\nx\n";
  QTest::newRow("ends without a line break") << "a" << QStringList{"x"} << "a\nx";
  QTest::newRow("ends without, two lines") << "a" << QStringList{"x", "y"} << "a\nx\ny";
  QTest::newRow("ends without, empty line") << "a" << QStringList{""} << "a\n";
  QTest::newRow("ends without, empty then x") << "a" << QStringList{"", "x"} << "a\nx\n";
  QTest::newRow("japanese") << QString() << QStringList{QString::fromStdString(kFailureLine)}
                            << QString::fromStdString(kFailureLine) + "\n";
}

void TestCraftLog::appendRule() {
  QFETCH(QString, before);
  QFETCH(QStringList, lines);
  QFETCH(QString, after);
  QPlainTextEdit edit;
  PutText(edit, before);
  TCraftLog log(&edit);
  for (const QString& line : lines) log.AppendLogLine(line.toStdString());
  QCOMPARE(Text(edit), after);
  QCOMPARE(edit.textCursor().position(), edit.document()->characterCount() - 1);
  QVERIFY(!edit.textCursor().hasSelection());
}

void TestCraftLog::appendRuleInBatch() {
  QFETCH(QString, before);
  QFETCH(QStringList, lines);
  QFETCH(QString, after);
  QPlainTextEdit edit;
  PutText(edit, before);
  TCraftLog log(&edit);
  {
    TCraftLog::Batch batch(log);
    for (const QString& line : lines) log.AppendLogLine(line.toStdString());
  }
  QCOMPARE(Text(edit), after);
  QCOMPARE(edit.textCursor().position(), edit.document()->characterCount() - 1);
}

void TestCraftLog::appendGoesToEndWhateverTheSelection() {
  QPlainTextEdit edit;
  PutText(edit, "line1\nline2\n");
  TCraftLog log(&edit);
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(2);
  cursor.setPosition(8, QTextCursor::KeepAnchor);  // a selection across the break
  edit.setTextCursor(cursor);
  log.AppendLogLine("x");
  QCOMPARE(Text(edit), QStringLiteral("line1\nline2\nx\n"));
  QVERIFY(!edit.textCursor().hasSelection());
  QCOMPARE(edit.textCursor().position(), Text(edit).size());

  cursor = edit.textCursor();
  cursor.setPosition(3);  // caret in the middle
  edit.setTextCursor(cursor);
  {
    TCraftLog::Batch batch(log);
    log.AppendLogLine("y");
  }
  QCOMPARE(Text(edit), QStringLiteral("line1\nline2\nx\ny\n"));
  QCOMPARE(edit.textCursor().position(), Text(edit).size());
}

void TestCraftLog::caretAtEndAfterAppend() {
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  log.AppendLogLine("first");
  log.AppendLogLine("second");
  QCOMPARE(edit.textCursor().position(), Text(edit).size());
  QCOMPARE(edit.textCursor().block().blockNumber(), 2);
}

void TestCraftLog::lineSeparatorIsALineBreak() {
  // Shift+Enter in the log puts a line separator inside a block.
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  QTextCursor cursor(edit.document());
  cursor.insertText(QStringLiteral("a") + QChar(QChar::LineSeparator));
  QCOMPARE(log.Size(), 3);
  log.AppendLogLine("x");
  QCOMPARE(edit.document()->toRawText(), QStringLiteral("a") + QChar(QChar::LineSeparator) + "x" +
                                             QChar(QChar::ParagraphSeparator));
  QCOMPARE(log.Size(), 6);
}

void TestCraftLog::carriageReturnsBecomeLineBreaks() {
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  log.AppendLogLine("a\r\nb\rc");
  QCOMPARE(Text(edit), QStringLiteral("a\nb\nc\n"));
  QCOMPARE(log.Size(), 9);
}

void TestCraftLog::sizeCountsLineBreaksAsTwo() {
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  QCOMPARE(log.Size(), 0);
  PutText(edit, "ab\ncd\n\n");
  QCOMPARE(log.Size(), 4 + 3 * 2);
  PutText(edit, "材料");
  QCOMPARE(log.Size(), 2);
  log.AppendLogLine("x");  // "\n" + "x"
  QCOMPARE(log.Size(), 5);
}

void TestCraftLog::capacityExactFit() {
  QPlainTextEdit edit;
  PutText(edit, FilledText(TCraftLog::kCapacity - 12));
  TCraftLog log(&edit);
  QCOMPARE(log.Size(), TCraftLog::kCapacity - 12);
  QCOMPARE(TryAppend(log, std::string(10, 'b')), std::nullopt);  // 10 + CR LF: exactly full
  QCOMPARE(log.Size(), TCraftLog::kCapacity);
  QVERIFY(Text(edit).endsWith(QString(10, QLatin1Char('b')) + "\n"));
}

void TestCraftLog::capacityOneMoreRefused() {
  QPlainTextEdit edit;
  const QString before = FilledText(TCraftLog::kCapacity - 12);
  PutText(edit, before);
  TCraftLog log(&edit);
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(5);
  edit.setTextCursor(cursor);
  QCOMPARE(TryAppend(log, std::string(11, 'b')), kInsertError);
  QCOMPARE(Text(edit), before);  // nothing of it inserted
  QCOMPARE(log.Size(), TCraftLog::kCapacity - 12);
  // Step 3 came before the failure: the caret is at the end.
  QCOMPARE(edit.textCursor().position(), before.size());
  // A line that fits still goes in afterwards.
  QCOMPARE(TryAppend(log, std::string(10, 'b')), std::nullopt);
  QCOMPARE(log.Size(), TCraftLog::kCapacity);
}

void TestCraftLog::capacityEmptyLineNeedsTwo() {
  QPlainTextEdit edit;
  PutText(edit, FilledText(TCraftLog::kCapacity - 1, false));
  TCraftLog log(&edit);
  QCOMPARE(log.Size(), TCraftLog::kCapacity - 1);
  QCOMPARE(TryAppend(log, ""), kInsertError);  // the piece is one line break: two
  PutText(edit, FilledText(TCraftLog::kCapacity - 2));
  QCOMPARE(TryAppend(log, ""), std::nullopt);
  QCOMPARE(log.Size(), TCraftLog::kCapacity);
}

void TestCraftLog::capacityInBatchMatchesPlainAppend() {
  // The batch's cached count must refuse exactly the line the widget would.
  const std::vector<std::string> lines = {"12345", "", "abcdefg", "材料", "x", "yz", "0123456789"};
  for (int start = TCraftLog::kCapacity - 40; start <= TCraftLog::kCapacity; ++start) {
    for (const bool ends_with_break : {true, false}) {
      const QString before = FilledText(start, ends_with_break);
      QPlainTextEdit plain_edit;
      QPlainTextEdit batch_edit;
      PutText(plain_edit, before);
      PutText(batch_edit, before);
      TCraftLog plain(&plain_edit);
      TCraftLog batched(&batch_edit);
      int plain_failed = -1;
      for (int i = 0; i < static_cast<int>(lines.size()) && plain_failed < 0; ++i) {
        if (TryAppend(plain, lines[i])) plain_failed = i;
      }
      int batch_failed = -1;
      try {
        TCraftLog::Batch batch(batched);
        for (int i = 0; i < static_cast<int>(lines.size()); ++i) {
          batch_failed = i;
          batched.AppendLogLine(lines[i]);
        }
        batch_failed = -1;
      } catch (const engine::EOutOfResources&) {
      }
      QCOMPARE(batch_failed, plain_failed);
      QCOMPARE(Text(batch_edit), Text(plain_edit));
      QVERIFY(plain.Size() <= TCraftLog::kCapacity);
      QCOMPARE(batched.Size(), plain.Size());
    }
  }
}

void TestCraftLog::widgetThatDropsTextFailsTheCaretCheck() {
  // A block limit makes the widget drop text as it is inserted: the caret
  // then does not stand behind the whole piece, and the append must fail
  // rather than report success.
  QPlainTextEdit plain_edit;
  plain_edit.setMaximumBlockCount(1);
  TCraftLog plain(&plain_edit);
  QCOMPARE(TryAppend(plain, "x"), kInsertError);

  QPlainTextEdit batch_edit;
  batch_edit.setMaximumBlockCount(2);
  TCraftLog batched(&batch_edit);
  TCraftLog::Batch batch(batched);
  batched.AppendLogLine("one");
  batched.AppendLogLine("two");
  QVERIFY_THROWS_EXCEPTION(engine::EOutOfResources, batch.Commit());
}

void TestCraftLog::batchInsertsOnlyAtItsEnd() {
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  log.AppendLogLine("start");
  int changes = 0;
  connect(edit.document(), &QTextDocument::contentsChange, this, [&changes] { ++changes; });
  {
    TCraftLog::Batch batch(log);
    log.AppendLogLine("one");
    log.AppendLogLine("two");
    log.AppendLogLine("three");
    QCOMPARE(Text(edit), QStringLiteral("start\n"));
    QCOMPARE(log.Size(), 7 + 5 + 5 + 7);
    QCOMPARE(changes, 0);
  }
  QCOMPARE(changes, 1);  // one insertion
  QCOMPARE(Text(edit), QStringLiteral("start\none\ntwo\nthree\n"));
  QCOMPARE(log.Size(), 7 + 5 + 5 + 7);
}

void TestCraftLog::batchFlushesLinesBeforeAFailingLine() {
  QPlainTextEdit edit;
  const QString before = FilledText(TCraftLog::kCapacity - 25);
  PutText(edit, before);
  TCraftLog log(&edit);
  int appended = 0;
  QString message;
  try {
    TCraftLog::Batch batch(log);
    for (; appended < 10; ++appended) log.AppendLogLine("0123456789");  // 12 each
  } catch (const engine::EOutOfResources& e) {
    message = QString::fromStdString(e.Message());
  }
  QCOMPARE(message, kInsertError);
  QCOMPARE(appended, 2);
  QCOMPARE(Text(edit), before + "0123456789\n0123456789\n");
  QCOMPARE(log.Size(), TCraftLog::kCapacity - 1);
  QCOMPARE(edit.textCursor().position(), Text(edit).size());
}

void TestCraftLog::batchTakesUserTextAtItsStart() {
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  log.AppendLogLine("first");
  // The user types between runs: text at the end without Enter.
  QTextCursor cursor = edit.textCursor();
  cursor.movePosition(QTextCursor::End);
  cursor.insertText("typed");
  {
    TCraftLog::Batch batch(log);
    log.AppendLogLine("L1");
    log.AppendLogLine("L2");
  }
  QCOMPARE(Text(edit), QStringLiteral("first\ntyped\nL1\nL2"));
  // And the user presses Enter before the next run.
  cursor.movePosition(QTextCursor::End);
  cursor.insertText("\n");
  {
    TCraftLog::Batch batch(log);
    log.AppendLogLine("L3");
  }
  QCOMPARE(Text(edit), QStringLiteral("first\ntyped\nL1\nL2\nL3\n"));
}

void TestCraftLog::batchFirstLineFailsLeavesLogUnchanged() {
  QPlainTextEdit edit;
  const QString before = FilledText(TCraftLog::kCapacity - 3);
  PutText(edit, before);
  TCraftLog log(&edit);
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(1);
  edit.setTextCursor(cursor);
  QString message;
  try {
    TCraftLog::Batch batch(log);
    log.AppendLogLine("xy");
  } catch (const engine::EOutOfResources& e) {
    message = QString::fromStdString(e.Message());
  }
  QCOMPARE(message, kInsertError);
  QCOMPARE(Text(edit), before);
  QCOMPARE(edit.textCursor().position(), before.size());
}

void TestCraftLog::batchEmptyChangesNothing() {
  QPlainTextEdit edit;
  PutText(edit, "abc\ndef");
  TCraftLog log(&edit);
  QTextCursor cursor = edit.textCursor();
  cursor.setPosition(2);
  edit.setTextCursor(cursor);
  { TCraftLog::Batch batch(log); }
  QCOMPARE(Text(edit), QStringLiteral("abc\ndef"));
  QCOMPARE(edit.textCursor().position(), 2);
}

void TestCraftLog::nestedBatchInsertsOnce() {
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  {
    TCraftLog::Batch outer(log);
    log.AppendLogLine("a");
    {
      TCraftLog::Batch inner(log);
      log.AppendLogLine("b");
    }
    QCOMPARE(Text(edit), QString());
    log.AppendLogLine("c");
  }
  QCOMPARE(Text(edit), QStringLiteral("a\nb\nc\n"));
}

void TestCraftLog::userTypingBetweenAppendsIsSeen() {
  QPlainTextEdit edit;
  edit.show();
  QVERIFY(QTest::qWaitForWindowExposed(&edit));
  TCraftLog log(&edit);
  log.AppendLogLine("x");
  QCOMPARE(log.Size(), 3);
  QTest::keyClicks(&edit, "yz");  // at the caret, the end
  QCOMPARE(log.Size(), 5);
  log.AppendLogLine("w");
  QCOMPARE(Text(edit), QStringLiteral("x\nyz\nw"));
  QTest::keyClick(&edit, Qt::Key_Return);
  QCOMPARE(log.Size(), 10);
  log.AppendLogLine("v");
  QCOMPARE(Text(edit), QStringLiteral("x\nyz\nw\nv\n"));
  // A deletion by the user counts as well.
  QTest::keyClick(&edit, Qt::Key_Backspace);
  QCOMPARE(Text(edit), QStringLiteral("x\nyz\nw\nv"));
  log.AppendLogLine("u");
  QCOMPARE(Text(edit), QStringLiteral("x\nyz\nw\nv\nu"));
}

void TestCraftLog::userTextAtEndOfLog() {
  // Text typed at the end without Enter: the next
  // line starts on a new line below it.
  QPlainTextEdit edit;
  edit.show();
  QVERIFY(QTest::qWaitForWindowExposed(&edit));
  TCraftLog log(&edit);
  log.AppendLogLine("-----");
  edit.setFocus();
  QTest::keyClicks(&edit, "memo");
  {
    TCraftLog::Batch batch(log);
    log.AppendLogLine(kFailureLine);
  }
  QCOMPARE(Text(edit), "-----\nmemo\n" + QString::fromStdString(kFailureLine));
}

void TestCraftLog::clearLog() {
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  log.AppendLogLine("one");
  log.AppendLogLine("two");
  QTextCursor cursor = edit.textCursor();
  cursor.insertText("user");
  log.ClearLog();
  QCOMPARE(Text(edit), QString());
  QCOMPARE(log.Size(), 0);
  QVERIFY(edit.updatesEnabled());
  log.AppendLogLine("first");
  QCOMPARE(Text(edit), QStringLiteral("first\n"));
  QCOMPARE(edit.document()->firstBlock().text(), QStringLiteral("first"));
  log.ClearLog();
  log.ClearLog();  // an empty log stays empty
  QCOMPARE(Text(edit), QString());
}

void TestCraftLog::clearLogInsideBatch() {
  QPlainTextEdit edit;
  PutText(edit, "old");
  TCraftLog log(&edit);
  {
    TCraftLog::Batch batch(log);
    log.AppendLogLine("dropped");
    log.ClearLog();
    log.AppendLogLine("kept");
  }
  QCOMPARE(Text(edit), QStringLiteral("kept\n"));
}

namespace {

// The four instruction lines the window starts with.
void AppendInstructionLines(TCraftLog& log) {
  log.AppendLogLine("材料１～５　　：レシピを見て、選択してください");
  log.AppendLogLine("作成される数：レシピを見て、埋めてください");
  log.AppendLogLine("成功率：作成スキル値＋補正値等の合計を入れてください");
  log.AppendLogLine(std::string(49, '-'));
}

// A run of 5001 per-attempt lines into the log, as RunTrials makes it with
// the check box checked and all quantities 0; returns the lines that fit.
int RunSizedBatch(TCraftLog& log, QString* message) {
  int appended = 0;
  try {
    TCraftLog::Batch batch(log);
    for (; appended < 5001; ++appended) log.AppendLogLine(kFailureLine);
  } catch (const engine::EOutOfResources& e) {
    *message = QString::fromStdString(e.Message());
  }
  return appended;
}

}  // namespace

void TestCraftLog::runSizedBatch() {
  QPlainTextEdit edit;
  TCraftLog log(&edit);
  AppendInstructionLines(log);
  const int initial = log.Size();
  QCOMPARE(initial, 23 + 21 + 26 + 49 + 4 * 2);
  QString message;
  const int appended = RunSizedBatch(log, &message);
  QCOMPARE(message, kInsertError);
  const int line = 18 + 2;
  QCOMPARE(appended, (TCraftLog::kCapacity - initial) / line);
  QCOMPARE(edit.document()->blockCount(), 4 + appended + 1);
  QCOMPARE(log.Size(), initial + appended * line);
  QVERIFY(log.Size() + line > TCraftLog::kCapacity);
  QCOMPARE(edit.document()->lastBlock().previous().text(), QString::fromStdString(kFailureLine));
  QCOMPARE(edit.textCursor().position(), edit.document()->characterCount() - 1);

  // Full: the next run fails at its first line and changes nothing.
  const QString full = Text(edit);
  QCOMPARE(RunSizedBatch(log, &message), 0);
  QCOMPARE(Text(edit), full);
}

void TestCraftLog::runSizedBatchShowsEnd() {
  QPlainTextEdit edit;
  edit.resize(361, 241);
  edit.show();
  QVERIFY(QTest::qWaitForWindowExposed(&edit));
  TCraftLog log(&edit);
  AppendInstructionLines(log);
  QString message;
  RunSizedBatch(log, &message);
  QCoreApplication::processEvents();
  QScrollBar* bar = edit.verticalScrollBar();
  QVERIFY(bar->maximum() > 3000);
  QVERIFY(bar->value() >= bar->maximum() - 1);
  // The caret, at the very end, is in view, and so is the last line.
  const QRect view = edit.viewport()->rect();
  QVERIFY(view.contains(edit.cursorRect()));
  QTextCursor last_line(edit.document()->lastBlock().previous());
  QVERIFY(view.contains(edit.cursorRect(last_line)));
}

QTEST_MAIN(TestCraftLog)
#include "tst_craft_log.moc"
