// What a user can throw at the window: a megabyte pasted into a field, a log
// filled to its capacity, and thousands of runs in a row.
#include <malloc.h>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "engine/engine.h"
#include "window/qt/application.h"
#include "window/qt/craft_log.h"
#include "window/qt/form1.h"

using engine::SheetField;

namespace {

TApplication& App() { return *static_cast<TApplication*>(QCoreApplication::instance()); }

QString LogText(const TForm1& form) {
  return form.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))->toPlainText();
}

void ClickButton(TForm1& form, const char* name) {
  form.findChild<QPushButton*>(QString::fromLatin1(name))->click();
}

}  // namespace

class TestHostileInput : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();
  void megabytePasteIsRefusedWhole_data();
  void megabytePasteIsRefusedWhole();
  void fullLogRefusesEveryFurtherLine();
  void tenThousandRunsHoldNoMemory();

 private:
  QStringList errors_;
};

void TestHostileInput::init() {
  errors_.clear();
  App().ErrorBox().SetPresenter([this](const QString&, const QString& text) { errors_ << text; });
}

void TestHostileInput::cleanup() { App().ErrorBox().SetPresenter(nullptr); }

void TestHostileInput::megabytePasteIsRefusedWhole_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("pasted");
  QTest::addColumn<QString>("message");
  const QString letters = QString(QStringLiteral("1a2b")).repeated(1 << 18);
  const QString digits(1 << 20, QLatin1Char('9'));
  QTest::newRow("stock") << "Edit6" << letters << "'%1' is not a valid integer value.";
  QTest::newRow("rate") << "Edit11" << digits << "'%1' is not a valid floating point value.";
}

// Shift+Insert pastes past the key filter; nothing is cut at Qt's usual
// 32767 characters, the error names the whole text, and the next run works.
void TestHostileInput::megabytePasteIsRefusedWhole() {
  QFETCH(QString, field);
  QFETCH(QString, pasted);
  QFETCH(QString, message);
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QApplication::clipboard()->setText(pasted);
  auto* edit = form.findChild<QLineEdit*>(field);
  edit->setFocus(Qt::TabFocusReason);  // selects the whole text, which the paste replaces
  QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
  QCOMPARE(edit->text().size(), pasted.size());

  const QString log_before = LogText(form);
  ClickButton(form, "Button1");
  QCOMPARE(errors_.size(), 1);
  QCOMPARE(errors_.front(), message.arg(pasted));
  QCOMPARE(LogText(form), log_before);

  edit->setText(field == QStringLiteral("Edit6") ? QStringLiteral("10") : QStringLiteral("100"));
  ClickButton(form, "Button1");
  QCOMPARE(errors_.size(), 1);
  QVERIFY(LogText(form).endsWith(QStringLiteral("Gです\n")));
}

void TestHostileInput::fullLogRefusesEveryFurtherLine() {
  TForm1 form;
  for (int row = 1; row <= engine::kMaterialRows; ++row)
    form.SetFieldText(SheetField::RequiredQty, row, "0");
  auto* show_log = form.findChild<QCheckBox*>(QStringLiteral("CheckBox1"));
  show_log->setChecked(true);

  ClickButton(form, "Button1");
  const QString full = LogText(form);
  QCOMPARE(errors_, QStringList{QStringLiteral("RichEdit での行の挿入エラー.")});
  QVERIFY(!full.contains(QStringLiteral("成功回数")));

  // Neither the per-attempt lines nor the report fit any more; the log keeps
  // its text and every run still ends with the same error.
  ClickButton(form, "Button1");
  show_log->setChecked(false);
  ClickButton(form, "Button1");
  QCOMPARE(errors_.size(), 3);
  QCOMPARE(errors_.back(), QStringLiteral("RichEdit での行の挿入エラー."));
  QCOMPARE(LogText(form), full);

  // The rest of the window carries on: the fields, clearing, the next run.
  form.SetFieldText(SheetField::UnitPrice, 1, "5");
  QCOMPARE(form.FieldText(SheetField::UnitPrice, 1), "5");
  ClickButton(form, "Button2");
  ClickButton(form, "Button1");
  QCOMPARE(errors_.size(), 3);
  QVERIFY(LogText(form).startsWith(QStringLiteral("成功回数")));
  QVERIFY(LogText(form).endsWith(QStringLiteral("Gです\n")));
}

// Ten thousand runs, one in ten failing halfway through its report, with the
// log cleared now and then and the events of each run handled as the event
// loop would: the heap in use must not grow. (Under AddressSanitizer,
// LeakSanitizer checks the same at exit.)
void TestHostileInput::tenThousandRunsHoldNoMemory() {
  int errors = 0;  // counted, not kept: keeping them would grow the heap
  App().ErrorBox().SetPresenter([&errors](const QString&, const QString&) { ++errors; });
  TForm1 form;
  const auto run = [&form](int i) {
    form.SetFieldText(SheetField::YieldPerCraft, 0, i % 10 == 9 ? "abc" : "1");
    ClickButton(form, "Button1");
    if (i % 200 == 199) ClickButton(form, "Button2");
    QCoreApplication::processEvents();
  };
  // Qt's font, glyph and layout caches fill up over the first few thousand
  // runs (about 130 KB here) and then hold still.
  for (int i = 0; i < 4000; ++i) run(i);
  const std::size_t before = mallinfo2().uordblks;
  for (int i = 0; i < 10'000; ++i) run(i);
  const std::size_t after = mallinfo2().uordblks;
  QCOMPARE(errors, 14'000 / 10);
  qInfo("heap in use before %zu, after %zu bytes", before, after);
  QVERIFY2(after <= before + 64 * 1024,
           qPrintable(QStringLiteral("grew by %1 bytes").arg(after - before)));
}

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  TestHostileInput test;
  return QTest::qExec(&test, argc, argv);
}

#include "tst_hostile_input.moc"
