// Form1 at work: the craft sheet over the controls, click-to-clear, focus
// and keys, the trial and clear buttons with the error box, and closing.
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>

#include "engine/engine.h"
#include "window/qt/form1.h"
#include "window_test_support.h"

using engine::SheetField;

namespace {

QWidget* Focused() { return QApplication::focusWidget(); }

}  // namespace

class TestFormBehaviour : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void sheetFields_data();
  void sheetFields();
  void showCraftLogIsTheCheckBox();
  void initialRateUsesDecimalMark();
  void clickToClear_data();
  void clickToClear();
  void secondPressOfDoubleClickIsNoClick();
  void keyboardFocusSelectsAll_data();
  void keyboardFocusSelectsAll();
  void tabOrder_data();
  void tabOrder();
  void arrows_data();
  void arrows();
  void keysThatClick_data();
  void keysThatClick();
  void inputMethodCommit_data();
  void inputMethodCommit();
  void failedRunShowsErrorAndKeepsEffects();
  void runWithFullLog_data();
  void runWithFullLog();
  void clearButtonEmptiesLog();
  void closing_data();
  void closing();

 private:
  // The form, shown and active with the focus on `control`.
  void ShowWithFocus(TForm1& form, const QString& control);

  QStringList shown_;  // caption, text of each error box
};

void TestFormBehaviour::init() {
  shown_.clear();
  App().ErrorBox().SetPresenter(
      [this](const QString& caption, const QString& text) { shown_ << caption << text; });
}

void TestFormBehaviour::cleanup() { App().ErrorBox().SetPresenter(nullptr); }

void TestFormBehaviour::ShowWithFocus(TForm1& form, const QString& control) {
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  form.findChild<QWidget*>(control)->setFocus(Qt::OtherFocusReason);
  QCOMPARE(Focused()->objectName(), control);
}

void TestFormBehaviour::sheetFields_data() {
  QTest::addColumn<SheetField>("field");
  QTest::addColumn<int>("row");
  QTest::addColumn<QString>("control");
  for (int row = 1; row <= 5; ++row) {
    QTest::addRow("required %d", row)
        << SheetField::RequiredQty << row << QString("ComboBox%1").arg(row);
    QTest::addRow("price %d", row) << SheetField::UnitPrice << row << QString("Edit%1").arg(row);
    QTest::addRow("stock %d", row) << SheetField::StockQty << row << QString("Edit%1").arg(row + 5);
  }
  QTest::newRow("yield") << SheetField::YieldPerCraft << 0 << "ComboBox6";
  QTest::newRow("rate") << SheetField::SuccessRate << 0 << "Edit11";
}

// Each field reads and writes its own control, and only that one.
void TestFormBehaviour::sheetFields() {
  QFETCH(SheetField, field);
  QFETCH(int, row);
  QFETCH(QString, control);
  TForm1 form;
  const auto texts = [&form] {
    QStringList all;
    for (const QLineEdit* edit : form.findChildren<QLineEdit*>()) all << edit->text();
    return all;
  };
  const QStringList before = texts();

  form.SetFieldText(field, row, "９a");
  QCOMPARE(form.FieldText(field, row), "９a");
  auto* widget = form.findChild<QWidget*>(control);
  auto* combo = qobject_cast<QComboBox*>(widget);
  QCOMPARE(combo ? combo->currentText() : qobject_cast<QLineEdit*>(widget)->text(), u"９a"_qs);
  QCOMPARE(texts().size(), before.size());
  int changed = 0;
  for (qsizetype i = 0; i < before.size(); ++i) changed += texts()[i] != before[i];
  QCOMPARE(changed, 1);  // a combo's line edit counts as one
}

void TestFormBehaviour::showCraftLogIsTheCheckBox() {
  TForm1 form;
  QVERIFY(!form.ShowCraftLog());
  form.findChild<QCheckBox*>("CheckBox1")->setChecked(true);
  QVERIFY(form.ShowCraftLog());
}

void TestFormBehaviour::initialRateUsesDecimalMark() {
  const char loaded = engine::DecimalMark();
  engine::SetDecimalMark(',');
  TForm1 comma_form;
  engine::SetDecimalMark('.');
  TForm1 point_form;
  engine::SetDecimalMark(loaded);
  QCOMPARE(comma_form.FieldText(SheetField::SuccessRate, 0), "80,1");
  QCOMPARE(point_form.FieldText(SheetField::SuccessRate, 0), "80.1");
}

void TestFormBehaviour::clickToClear_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<Qt::MouseButton>("button");
  QTest::addColumn<bool>("pressInField");  // else the press lands on the form
  QTest::addColumn<QPoint>("press");       // from the field's centre
  QTest::addColumn<QPoint>("release");     // from the field's centre
  QTest::addColumn<QString>("expected");

  const QPoint centre;
  const QPoint outside(-50, 0);
  const QPoint border(-30, 0);  // Edit6 is 61 wide: its leftmost pixel
  const auto left = Qt::LeftButton;
  QTest::newRow("click empties") << "Edit6" << left << true << centre << centre << "";
  QTest::newRow("price field too") << "Edit1" << left << true << centre << centre << "";
  QTest::newRow("last stock field") << "Edit10" << left << true << centre << centre << "";
  QTest::newRow("right click") << "Edit6" << Qt::RightButton << true << centre << centre << "10";
  QTest::newRow("release outside") << "Edit6" << left << true << centre << outside << "10";
  QTest::newRow("press on the border") << "Edit6" << left << true << border << centre << "10";
  QTest::newRow("press outside") << "Edit6" << left << false << centre << centre << "10";
  QTest::newRow("rate field only places the caret")
      << "Edit11" << left << true << centre << centre << "80.1";
}

void TestFormBehaviour::clickToClear() {
  QFETCH(QString, field);
  QFETCH(Qt::MouseButton, button);
  QFETCH(bool, pressInField);
  QFETCH(QPoint, press);
  QFETCH(QPoint, release);
  QFETCH(QString, expected);

  TForm1 form;
  ShowWithFocus(form, "ComboBox1");
  auto* edit = form.findChild<QLineEdit*>(field);
  const QPoint centre = edit->rect().center();
  if (pressInField)
    QTest::mousePress(edit, button, {}, centre + press);
  else
    QTest::mousePress(&form, button, {}, QPoint(5, 5));
  QTest::mouseRelease(edit, button, {}, centre + release);

  QCOMPARE(edit->text(), expected);
  QVERIFY(!edit->hasSelectedText());  // the mouse focus selects nothing
  if (expected.isEmpty()) QCOMPARE(edit->cursorPosition(), 0);
  // Only the clicked field changes.
  const QString other = field == "Edit6" ? "Edit1" : "Edit6";
  QCOMPARE(form.findChild<QLineEdit*>(other)->text(), other == "Edit6" ? "10" : "0");
}

// A real double click through the window: Qt itself makes the second press
// a double click. Text typed back after the first click shows whether the
// second one clicked again.
void TestFormBehaviour::secondPressOfDoubleClickIsNoClick() {
  TForm1 form;
  ShowWithFocus(form, "ComboBox1");
  auto* edit = form.findChild<QLineEdit*>("Edit7");
  int clears = 0;
  connect(edit, &QLineEdit::textChanged, edit, [edit, &clears](const QString& text) {
    if (text.isEmpty() && ++clears == 1) edit->setText("5");
  });
  QTest::mouseDClick(form.windowHandle(), Qt::LeftButton, {},
                     edit->mapTo(&form, edit->rect().center()));
  QCOMPARE(clears, 1);
  QCOMPARE(edit->text(), "5");
}

void TestFormBehaviour::keyboardFocusSelectsAll_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<Qt::Key>("key");
  QTest::addColumn<QString>("field");
  QTest::addColumn<QString>("selected");

  QTest::newRow("Tab into Edit6") << "ComboBox6" << Qt::Key_Tab << "Edit6"
                                  << "10";
  QTest::newRow("Shift+Tab into Edit11") << "BitBtn1" << Qt::Key_Backtab << "Edit11"
                                         << "80.1";
  QTest::newRow("arrow into Edit11") << "BitBtn1" << Qt::Key_Left << "Edit11"
                                     << "80.1";
}

void TestFormBehaviour::keyboardFocusSelectsAll() {
  QFETCH(QString, from);
  QFETCH(Qt::Key, key);
  QFETCH(QString, field);
  QFETCH(QString, selected);

  TForm1 form;
  ShowWithFocus(form, from);
  QTest::keyClick(Focused(), key);
  auto* edit = form.findChild<QLineEdit*>(field);
  QCOMPARE(Focused(), edit);
  QCOMPARE(edit->selectedText(), selected);
  QTest::keyClick(edit, Qt::Key_7);
  QCOMPARE(edit->text(), "7");
}

void TestFormBehaviour::tabOrder_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<Qt::Key>("key");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<QString>("to");

  const Qt::KeyboardModifiers none;
  QTest::newRow("wraps from last to first") << "Button2" << Qt::Key_Tab << none << "ComboBox1";
  QTest::newRow("from the price column to the yield")
      << "Edit5" << Qt::Key_Tab << none << "ComboBox6";
  QTest::newRow("Shift+Tab wraps back") << "ComboBox1" << Qt::Key_Backtab << none << "Button2";
  QTest::newRow("Tab leaves the log") << "RichEdit1" << Qt::Key_Tab << none << "Edit11";
  QTest::newRow("Ctrl+Tab in an edit")
      << "Edit1" << Qt::Key_Tab << Qt::KeyboardModifiers(Qt::ControlModifier) << "Edit1";
  QTest::newRow("Ctrl+Tab in the log")
      << "RichEdit1" << Qt::Key_Tab << Qt::KeyboardModifiers(Qt::ControlModifier) << "RichEdit1";
  QTest::newRow("Alt+Tab on a button")
      << "Button1" << Qt::Key_Tab << Qt::KeyboardModifiers(Qt::AltModifier) << "Button1";
}

void TestFormBehaviour::tabOrder() {
  QFETCH(QString, from);
  QFETCH(Qt::Key, key);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(QString, to);

  TForm1 form;
  ShowWithFocus(form, from);
  const QString log = LogText(form);
  QTest::keyClick(Focused(), key, modifiers);
  QCOMPARE(Focused()->objectName(), to);
  QCOMPARE(LogText(form), log);  // nothing typed into the log
}

void TestFormBehaviour::arrows_data() {
  QTest::addColumn<QString>("from");
  QTest::addColumn<Qt::Key>("key");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<QString>("to");

  const Qt::KeyboardModifiers none;
  QTest::newRow("Right") << "Button1" << Qt::Key_Right << none << "CheckBox1";
  QTest::newRow("Down") << "Button1" << Qt::Key_Down << none << "CheckBox1";
  QTest::newRow("Left") << "Button1" << Qt::Key_Left << none << "BitBtn1";
  QTest::newRow("Up") << "BitBtn1" << Qt::Key_Up << none << "Edit11";
  QTest::newRow("onto a static text") << "CheckBox1" << Qt::Key_Right << none << "StaticText12";
  QTest::newRow("on from a static text") << "StaticText12" << Qt::Key_Down << none << "Button2";
  QTest::newRow("wraps to the first") << "Button2" << Qt::Key_Right << none << "StaticText3";
  QTest::newRow("Shift does not block")
      << "Button2" << Qt::Key_Left << Qt::KeyboardModifiers(Qt::ShiftModifier) << "StaticText12";
  QTest::newRow("Alt blocks") << "Button1" << Qt::Key_Right
                              << Qt::KeyboardModifiers(Qt::AltModifier) << "Button1";
  QTest::newRow("Alt blocks Left")
      << "CheckBox1" << Qt::Key_Left << Qt::KeyboardModifiers(Qt::AltModifier) << "CheckBox1";
}

void TestFormBehaviour::arrows() {
  QFETCH(QString, from);
  QFETCH(Qt::Key, key);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(QString, to);

  TForm1 form;
  ShowWithFocus(form, from);
  QTest::keyClick(Focused(), key, modifiers);
  QCOMPARE(Focused()->objectName(), to);
}

void TestFormBehaviour::keysThatClick_data() {
  QTest::addColumn<QString>("focus");
  QTest::addColumn<Qt::Key>("key");
  QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
  QTest::addColumn<bool>("runs");

  const Qt::KeyboardModifiers none;
  QTest::newRow("Enter on the trial button") << "Button1" << Qt::Key_Return << none << true;
  QTest::newRow("keypad Enter") << "Button1" << Qt::Key_Enter
                                << Qt::KeyboardModifiers(Qt::KeypadModifier) << true;
  QTest::newRow("Space") << "Button1" << Qt::Key_Space << none << true;
  QTest::newRow("Shift+Enter") << "Button1" << Qt::Key_Return
                               << Qt::KeyboardModifiers(Qt::ShiftModifier) << false;
  QTest::newRow("Ctrl+Enter") << "Button1" << Qt::Key_Return
                              << Qt::KeyboardModifiers(Qt::ControlModifier) << false;
  QTest::newRow("Escape") << "Button1" << Qt::Key_Escape << none << false;
  QTest::newRow("Enter in an edit") << "Edit1" << Qt::Key_Return << none << false;
  QTest::newRow("Enter in a list") << "ComboBox1" << Qt::Key_Return << none << false;
  QTest::newRow("Enter on the check box") << "CheckBox1" << Qt::Key_Return << none << false;
  QTest::newRow("Escape in a list") << "ComboBox6" << Qt::Key_Escape << none << false;
}

void TestFormBehaviour::keysThatClick() {
  QFETCH(QString, focus);
  QFETCH(Qt::Key, key);
  QFETCH(Qt::KeyboardModifiers, modifiers);
  QFETCH(bool, runs);

  TForm1 form(PinnedClock());
  ShowWithFocus(form, focus);
  const QString before = LogText(form);
  QTest::keyClick(Focused(), key, modifiers);
  QCOMPARE(LogText(form) != before, runs);
  QVERIFY(form.isVisible());
  QVERIFY(shown_.isEmpty());
}

// A stock field holding abc, pasted past the key filter with Shift+Insert:
// the real error box names it and takes the focus, the log is untouched, the
// blank fields were defaulted before the failure, and once the box is closed
// the focus is back on the trial button.
void TestFormBehaviour::inputMethodCommit_data() {
  QTest::addColumn<QString>("control");
  QTest::addColumn<QString>("commit");
  QTest::addColumn<QString>("expected");
  QTest::newRow("price keeps the ASCII digits") << "Edit1" << u"１0あ5"_qs << "05";
  QTest::newRow("stock") << "Edit10" << u"十"_qs << "";
  QTest::newRow("rate") << "Edit11" << u"80．1"_qs << "801";
  QTest::newRow("drop-down list completes") << "ComboBox1"
                                            << "7"
                                            << "75";
  QTest::newRow("drop-down list takes anything") << "ComboBox6" << u"あ１"_qs << u"あ１"_qs;
}

// What an input method commits into the focused control of the form.
void TestFormBehaviour::inputMethodCommit() {
  QFETCH(QString, control);
  QFETCH(QString, commit);
  QFETCH(QString, expected);
  TForm1 form;
  ShowWithFocus(form, control);
  auto* edit = form.findChild<QLineEdit*>(control);
  auto* combo = form.findChild<QComboBox*>(control);
  if (edit)
    edit->clear();
  else
    combo->setEditText(QString());

  QInputMethodEvent event;
  event.setCommitString(commit);
  QCoreApplication::sendEvent(Focused(), &event);

  QCOMPARE(edit ? edit->text() : combo->currentText(), expected);
}

void TestFormBehaviour::failedRunShowsErrorAndKeepsEffects() {
  App().ErrorBox().SetPresenter(nullptr);
  TForm1 form(PinnedClock());
  ShowWithFocus(form, "ComboBox6");
  QGuiApplication::clipboard()->setText("abc");
  QTest::keyClick(Focused(), Qt::Key_Tab);  // into Edit6, its "10" selected
  QTest::keyClick(Focused(), Qt::Key_Insert, Qt::ShiftModifier);
  QCOMPARE(form.findChild<QLineEdit*>("Edit6")->text(), "abc");
  form.findChild<QLineEdit*>("Edit2")->clear();
  form.findChild<QLineEdit*>("Edit9")->clear();
  const QString log = LogText(form);
  auto* button1 = form.findChild<QPushButton*>("Button1");

  bool focus_left_button1 = false;
  WhenBoxActive([&](QMessageBox* box) {
    shown_ << box->windowTitle() << box->text();
    focus_left_button1 = !button1->hasFocus();
    box->button(QMessageBox::Ok)->click();
  });
  QTest::mouseClick(button1, Qt::LeftButton);

  QCOMPARE(shown_,
           QStringList({QApplication::applicationName(), "'abc' is not a valid integer value."}));
  QVERIFY(focus_left_button1);
  QCOMPARE(LogText(form), log);
  QCOMPARE(form.findChild<QLineEdit*>("Edit2")->text(), "0");
  QCOMPARE(form.findChild<QLineEdit*>("Edit9")->text(), "0");
  QCOMPARE(form.findChild<QLineEdit*>("Edit6")->text(), "abc");
  QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &form, kBoxTimeoutMs);
  QTRY_COMPARE_WITH_TIMEOUT(Focused(), button1, kBoxTimeoutMs);
}

void TestFormBehaviour::runWithFullLog_data() {
  QTest::addColumn<bool>("perAttemptLines");
  QTest::addColumn<QStringList>("errors");
  QTest::addColumn<bool>("reported");

  QTest::newRow("every attempt logged overflows the log")
      << true << QStringList({QApplication::applicationName(), u"RichEdit での行の挿入エラー."_qs})
      << false;
  QTest::newRow("summary only fits") << false << QStringList() << true;
}

// With every required quantity 0 a run makes all 5001 attempts.
void TestFormBehaviour::runWithFullLog() {
  QFETCH(bool, perAttemptLines);
  QFETCH(QStringList, errors);
  QFETCH(bool, reported);

  TForm1 form(PinnedClock());
  ShowWithFocus(form, "Button1");
  form.SetFieldText(SheetField::RequiredQty, 1, "0");
  form.findChild<QCheckBox*>("CheckBox1")->setChecked(perAttemptLines);

  QTest::keyClick(Focused(), Qt::Key_Space);

  QCOMPARE(shown_, errors);
  const QString log = LogText(form);
  QCOMPARE(log.contains(u"成功回数"_qs), reported);
  QCOMPARE(log.contains(u"「○○○」を 1 個作製しました"_qs), perAttemptLines);
  // The end of the log is in view.
  const auto* edit = form.findChild<QPlainTextEdit*>("RichEdit1");
  QTextCursor end(edit->document());
  end.movePosition(QTextCursor::End);
  QVERIFY(edit->viewport()->rect().contains(edit->cursorRect(end)));
}

void TestFormBehaviour::clearButtonEmptiesLog() {
  TForm1 form(PinnedClock());
  ShowWithFocus(form, "Button2");
  QTest::keyClick(Focused(), Qt::Key_Space);
  QCOMPARE(LogText(form), "");
  QTest::mouseClick(form.findChild<QPushButton*>("Button1"), Qt::LeftButton);
  QVERIFY(LogText(form).startsWith(u"成功回数"_qs));
}

void TestFormBehaviour::closing_data() {
  QTest::addColumn<QString>("way");
  QTest::newRow("exit button") << "BitBtn1";
  QTest::newRow("banner") << "Image1";
  QTest::newRow("close box") << "";
}

// Each way posts the quit request; the loop ends with 0.
void TestFormBehaviour::closing() {
  QFETCH(QString, way);
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QTimer::singleShot(0, &form, [&form, way] {
    if (way.isEmpty())
      form.windowHandle()->close();  // as the window manager's close box does
    else
      QTest::mouseClick(form.findChild<QWidget*>(way), Qt::LeftButton);
  });
  // Not closed: the loop ends with 1. Tied to the form, so that it cannot
  // end a later row's loop.
  QTimer::singleShot(10'000, &form, [] { QCoreApplication::exit(1); });

  QCOMPARE(QCoreApplication::exec(), 0);
  QVERIFY(!form.isVisible());
  QVERIFY(shown_.isEmpty());
}

int main(int argc, char** argv) {
  TApplication app(argc, argv);
  TestFormBehaviour test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_form_behaviour.moc"
