// TNumericKeyFilter on a real QLineEdit: what typed keys leave in the field,
// the clipboard keys, and that no shortcut takes a discarded character.
#include <QAction>
#include <QClipboard>
#include <QHBoxLayout>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QtTest>

#include "engine/decimal_mark.h"
#include "window/qt/numeric_key_filter.h"

namespace {

QTestEventList Keys(std::initializer_list<std::pair<Qt::Key, Qt::KeyboardModifiers>> keys) {
  QTestEventList events;
  for (const auto& [key, modifiers] : keys) events.addKeyClick(key, modifiers);
  return events;
}

QTestEventList Typed(const QString& text) {
  QTestEventList events;
  events.addKeyClicks(text);
  return events;
}

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kCtrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifiers kShift = Qt::ShiftModifier;

}  // namespace

class TestNumericKeyFilter : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void cleanupTestCase() { delete window_; }
  void init();
  void cleanup();

  void accepts_data();
  void accepts();
  void typing_data();
  void typing();
  void nonAsciiCharactersAreDiscarded();
  void commaPassesOnlyAsDecimalMark();
  void enterEmitsNothing();
  void tabMovesTheFocus();
  void noShortcutTakesADiscardedCharacter();
  void keysThatTypeNothingKeepTheirShortcuts();
  void inputMethodCommit_data();
  void inputMethodCommit();
  void preeditIsNotCommittedText();
  void oneFilterServesSeveralFields();

 private:
  QWidget* window_ = nullptr;
  QLineEdit* field_ = nullptr;
  QLineEdit* next_ = nullptr;
  TNumericKeyFilter* filter_ = nullptr;
};

void TestNumericKeyFilter::initTestCase() {
  window_ = new QWidget;
  auto* layout = new QHBoxLayout(window_);
  field_ = new QLineEdit(window_);
  next_ = new QLineEdit(window_);
  layout->addWidget(field_);
  layout->addWidget(next_);
  filter_ = new TNumericKeyFilter(window_);
  field_->installEventFilter(filter_);
  next_->installEventFilter(filter_);
  window_->show();
  window_->activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(window_));
}

void TestNumericKeyFilter::init() {
  engine::SetDecimalMark('.');
  QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
  field_->setText(QString());
  next_->setText(QString());
  field_->setFocus();
  QCOMPARE(QApplication::focusWidget(), field_);
}

void TestNumericKeyFilter::cleanup() { engine::SetDecimalMark('.'); }

void TestNumericKeyFilter::accepts_data() {
  QTest::addColumn<QChar>("typed");
  QTest::addColumn<bool>("accepted");
  for (char c = '0'; c <= '9'; ++c) QTest::addRow("digit %c", c) << QChar(c) << true;
  QTest::newRow("full stop") << QChar('.') << true;
  QTest::newRow("backspace") << QChar(8) << true;
  QTest::newRow("NUL") << QChar(0) << false;
  QTest::newRow("Ctrl+A") << QChar(1) << false;
  QTest::newRow("Ctrl+C") << QChar(3) << false;
  QTest::newRow("tab") << QChar(9) << false;
  QTest::newRow("Enter") << QChar(13) << false;
  QTest::newRow("Ctrl+V") << QChar(22) << false;
  QTest::newRow("Escape") << QChar(27) << false;
  QTest::newRow("space") << QChar(' ') << false;
  QTest::newRow("plus") << QChar('+') << false;
  QTest::newRow("comma") << QChar(',') << false;
  QTest::newRow("minus") << QChar('-') << false;
  QTest::newRow("slash") << QChar('/') << false;
  QTest::newRow("colon") << QChar(':') << false;
  QTest::newRow("e") << QChar('e') << false;
  QTest::newRow("E") << QChar('E') << false;
  QTest::newRow("DEL") << QChar(127) << false;
  QTest::newRow("full-width 1") << QChar(0xFF11) << false;
  QTest::newRow("full-width full stop") << QChar(0xFF0E) << false;
  QTest::newRow("arabic-indic 1") << QChar(0x0661) << false;
}

void TestNumericKeyFilter::accepts() {
  QFETCH(QChar, typed);
  QFETCH(bool, accepted);
  QCOMPARE(TNumericKeyFilter::Accepts(typed), accepted);
}

void TestNumericKeyFilter::typing_data() {
  QTest::addColumn<QString>("before");  // caret at the end
  QTest::addColumn<QTestEventList>("keys");
  QTest::addColumn<QString>("after");
  QTest::addColumn<QString>("clipboard");  // the clipboard holds "abc" before

  // Discarded characters change nothing.
  QTest::newRow("a") << "12" << Typed("a") << "12"
                     << "abc";
  QTest::newRow("A") << "12" << Typed("A") << "12"
                     << "abc";
  QTest::newRow("minus") << "12" << Typed("-") << "12"
                         << "abc";
  QTest::newRow("plus") << "12" << Typed("+") << "12"
                        << "abc";
  QTest::newRow("space") << "12" << Typed(" ") << "12"
                         << "abc";
  QTest::newRow("comma") << "12" << Typed(",") << "12"
                         << "abc";
  QTest::newRow("e") << "12" << Typed("1e5") << "1215"
                     << "abc";
  QTest::newRow("Enter") << "12" << Keys({{Qt::Key_Return, kNone}}) << "12"
                         << "abc";
  QTest::newRow("keypad Enter") << "12" << Keys({{Qt::Key_Enter, Qt::KeypadModifier}}) << "12"
                                << "abc";
  QTest::newRow("Escape") << "12" << Keys({{Qt::Key_Escape, kNone}}) << "12"
                          << "abc";
  QTest::newRow("Alt+a") << "12" << Keys({{Qt::Key_A, Qt::AltModifier}}) << "12"
                         << "abc";

  // Digits, full stops and backspace pass, in any order.
  QTest::newRow("1.2.3") << "" << Typed("1.2.3") << "1.2.3"
                         << "abc";
  QTest::newRow("digits") << "" << Typed("0123456789") << "0123456789"
                          << "abc";
  QTest::newRow("full stops") << "" << Typed("..") << ".."
                              << "abc";
  QTest::newRow("keypad 5") << "1" << Keys({{Qt::Key_5, Qt::KeypadModifier}}) << "15"
                            << "abc";
  QTest::newRow("Backspace") << "123" << Keys({{Qt::Key_Backspace, kNone}}) << "12"
                             << "abc";

  // Ctrl with a letter types a control character: discarded, except Ctrl+H.
  QTest::newRow("Ctrl+H") << "123" << Keys({{Qt::Key_H, kCtrl}}) << "12"
                          << "abc";
  QTest::newRow("Ctrl+H twice") << "123" << Keys({{Qt::Key_H, kCtrl}, {Qt::Key_H, kCtrl}}) << "1"
                                << "abc";
  QTest::newRow("Ctrl+H in the middle")
      << "123" << Keys({{Qt::Key_Left, kNone}, {Qt::Key_H, kCtrl}, {Qt::Key_9, kNone}}) << "193"
      << "abc";
  QTest::newRow("Ctrl+H on empty") << "" << Keys({{Qt::Key_H, kCtrl}}) << ""
                                   << "abc";
  QTest::newRow("Ctrl+V") << "12" << Keys({{Qt::Key_V, kCtrl}}) << "12"
                          << "abc";
  QTest::newRow("Ctrl+Shift+V") << "12" << Keys({{Qt::Key_V, kCtrl | kShift}}) << "12"
                                << "abc";
  QTest::newRow("Ctrl+A then 5") << "123" << Keys({{Qt::Key_A, kCtrl}, {Qt::Key_5, kNone}})
                                 << "1235"
                                 << "abc";
  QTest::newRow("Ctrl+C") << "123" << Keys({{Qt::Key_Home, kShift}, {Qt::Key_C, kCtrl}}) << "123"
                          << "abc";
  QTest::newRow("Ctrl+X") << "123" << Keys({{Qt::Key_Home, kShift}, {Qt::Key_X, kCtrl}}) << "123"
                          << "abc";
  QTest::newRow("Ctrl+Z") << "12" << Keys({{Qt::Key_5, kNone}, {Qt::Key_Z, kCtrl}}) << "125"
                          << "abc";
  QTest::newRow("Ctrl+Y")
      << "12" << Keys({{Qt::Key_5, kNone}, {Qt::Key_Backspace, kNone}, {Qt::Key_Y, kCtrl}}) << "12"
      << "abc";
  QTest::newRow("Ctrl+Backspace") << "12 34" << Keys({{Qt::Key_Backspace, kCtrl}}) << "12 34"
                                  << "abc";
  QTest::newRow("Ctrl+[") << "12" << Keys({{Qt::Key_BracketLeft, kCtrl}}) << "12"
                          << "abc";

  // Keys that type nothing keep their effect.
  QTest::newRow("Delete") << "123" << Keys({{Qt::Key_Home, kNone}, {Qt::Key_Delete, kNone}}) << "23"
                          << "abc";
  QTest::newRow("Left, 9")
      << "123" << Keys({{Qt::Key_Left, kNone}, {Qt::Key_Left, kNone}, {Qt::Key_9, kNone}}) << "1923"
      << "abc";
  QTest::newRow("Home, 7") << "123" << Keys({{Qt::Key_Home, kNone}, {Qt::Key_7, kNone}}) << "7123"
                           << "abc";
  QTest::newRow("Home, End, 8")
      << "123" << Keys({{Qt::Key_Home, kNone}, {Qt::Key_End, kNone}, {Qt::Key_8, kNone}}) << "1238"
      << "abc";
  QTest::newRow("Right") << "123"
                         << Keys(
                                {{Qt::Key_Home, kNone}, {Qt::Key_Right, kNone}, {Qt::Key_0, kNone}})
                         << "1023"
                         << "abc";
  QTest::newRow("Shift+Left replaces")
      << "123" << Keys({{Qt::Key_Left, kShift}, {Qt::Key_5, kNone}}) << "125"
      << "abc";
  QTest::newRow("Shift+Insert pastes letters")
      << "12" << Keys({{Qt::Key_Insert, kShift}}) << "12abc"
      << "abc";
  QTest::newRow("Ctrl+Insert copies")
      << "123" << Keys({{Qt::Key_Home, kShift}, {Qt::Key_Insert, kCtrl}}) << "123"
      << "123";
  QTest::newRow("Shift+Delete cuts")
      << "123" << Keys({{Qt::Key_Left, kShift}, {Qt::Key_Delete, kShift}}) << "12"
      << "3";
  QTest::newRow("Ctrl+Left") << "12 34" << Keys({{Qt::Key_Left, kCtrl}, {Qt::Key_0, kNone}})
                             << "12 034"
                             << "abc";
  QTest::newRow("Ctrl+Delete") << "12 34" << Keys({{Qt::Key_Home, kNone}, {Qt::Key_Delete, kCtrl}})
                               << "34"
                               << "abc";
}

void TestNumericKeyFilter::typing() {
  QFETCH(QString, before);
  QFETCH(QTestEventList, keys);
  QFETCH(QString, after);
  QFETCH(QString, clipboard);
  field_->setText(before);
  field_->end(false);
  keys.simulate(field_);
  QCOMPARE(field_->text(), after);
  QCOMPARE(QGuiApplication::clipboard()->text(), clipboard);
  QCOMPARE(QApplication::focusWidget(), field_);
}

void TestNumericKeyFilter::nonAsciiCharactersAreDiscarded() {
  field_->setText(QStringLiteral("12"));
  for (const QString& typed : {QStringLiteral("あ"), QStringLiteral("１"), QStringLiteral("．"),
                               QStringLiteral("𠀋"), QStringLiteral("5あ")}) {
    QTest::sendKeyEvent(QTest::Click, field_, Qt::Key_unknown, typed, Qt::NoModifier);
  }
  QCOMPARE(field_->text(), QStringLiteral("12"));
  QTest::sendKeyEvent(QTest::Click, field_, Qt::Key_unknown, QStringLiteral("34"), Qt::NoModifier);
  QCOMPARE(field_->text(), QStringLiteral("1234"));
}

void TestNumericKeyFilter::commaPassesOnlyAsDecimalMark() {
  QTest::keyClicks(field_, "80,1");
  QCOMPARE(field_->text(), QStringLiteral("801"));
  engine::SetDecimalMark(',');
  QVERIFY(TNumericKeyFilter::Accepts(QChar(',')));
  field_->clear();
  QTest::keyClicks(field_, "80,1");
  QCOMPARE(field_->text(), QStringLiteral("80,1"));
  QTest::keyClicks(field_, ".5");  // the full stop passes under every mark
  QCOMPARE(field_->text(), QStringLiteral("80,1.5"));
  engine::SetDecimalMark('.');
  QVERIFY(!TNumericKeyFilter::Accepts(QChar(',')));
}

void TestNumericKeyFilter::enterEmitsNothing() {
  QSignalSpy return_pressed(field_, &QLineEdit::returnPressed);
  QSignalSpy edited(field_, &QLineEdit::textEdited);
  QTest::keyClick(field_, Qt::Key_Return);
  QTest::keyClick(field_, Qt::Key_Enter, Qt::KeypadModifier);
  QCOMPARE(return_pressed.count(), 0);
  QTest::keyClick(field_, Qt::Key_1);
  QTest::keyClick(field_, Qt::Key_H, kCtrl);
  QCOMPARE(edited.count(), 2);  // Ctrl+H edits like Backspace
}

void TestNumericKeyFilter::tabMovesTheFocus() {
  QTest::keyClick(field_, Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), next_);
  QTest::keyClick(next_, Qt::Key_Backtab, kShift);
  QCOMPARE(QApplication::focusWidget(), field_);
  QCOMPARE(field_->text(), QString());
  QCOMPARE(next_->text(), QString());
}

void TestNumericKeyFilter::noShortcutTakesADiscardedCharacter() {
  int fired = 0;
  QList<QShortcut*> shortcuts;
  for (const QKeySequence& keys :
       {QKeySequence(QKeySequence::Paste), QKeySequence(QKeySequence::SelectAll),
        QKeySequence(QKeySequence::Undo), QKeySequence(Qt::CTRL | Qt::Key_H),
        QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::Key_Escape),
        QKeySequence(Qt::Key_Return), QKeySequence(Qt::Key_Minus), QKeySequence(Qt::Key_Space)}) {
    auto* shortcut = new QShortcut(keys, window_);
    connect(shortcut, &QShortcut::activated, this, [&fired] { ++fired; });
    shortcuts << shortcut;
  }
  field_->setText(QStringLiteral("12"));
  QTest::keyClick(field_, Qt::Key_V, kCtrl);
  QTest::keyClick(field_, Qt::Key_A, kCtrl);
  QTest::keyClick(field_, Qt::Key_Z, kCtrl);
  QTest::keyClick(field_, Qt::Key_Q, kCtrl);
  QTest::keyClick(field_, Qt::Key_Escape);
  QTest::keyClick(field_, Qt::Key_Return);
  QTest::keyClick(field_, Qt::Key_Minus);
  QTest::keyClick(field_, Qt::Key_Space);
  QCOMPARE(fired, 0);
  QCOMPARE(field_->text(), QStringLiteral("12"));
  QTest::keyClick(field_, Qt::Key_H, kCtrl);
  QCOMPARE(fired, 0);
  QCOMPARE(field_->text(), QStringLiteral("1"));
  qDeleteAll(shortcuts);
}

void TestNumericKeyFilter::keysThatTypeNothingKeepTheirShortcuts() {
  int fired = 0;
  auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), window_);
  auto* mnemonic = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_X), window_);
  connect(f5, &QShortcut::activated, this, [&fired] { ++fired; });
  connect(mnemonic, &QShortcut::activated, this, [&fired] { fired += 10; });
  QTest::keyClick(field_, Qt::Key_F5);
  QTest::keyClick(field_, Qt::Key_X, Qt::AltModifier);
  QCOMPARE(fired, 11);
  QCOMPARE(field_->text(), QString());
  delete f5;
  delete mnemonic;
}

void TestNumericKeyFilter::inputMethodCommit_data() {
  QTest::addColumn<QString>("before");  // caret at the end
  QTest::addColumn<QString>("commit");
  QTest::addColumn<int>("replaced");  // characters before the caret the commit replaces
  QTest::addColumn<char>("mark");
  QTest::addColumn<QString>("after");

  QTest::newRow("ASCII digits") << "1"
                                << "80" << 0 << '.' << "180";
  QTest::newRow("full-width digits") << "1" << u"１０"_qs << 0 << '.' << "1";
  QTest::newRow("kana") << "12" << u"あ"_qs << 0 << '.' << "12";
  QTest::newRow("kanji and a surrogate pair") << "" << u"十𠀋"_qs << 0 << '.' << "";
  QTest::newRow("mixed keeps the accepted") << "" << u"1あ2ｂ3 -4"_qs << 0 << '.' << "1234";
  QTest::newRow("full stop") << ""
                             << "80.1" << 0 << '.' << "80.1";
  QTest::newRow("full-width full stop") << "80" << u"．１"_qs << 0 << '.' << "80";
  QTest::newRow("comma as the decimal mark") << ""
                                             << "80,1" << 0 << ',' << "80,1";
  QTest::newRow("comma otherwise") << ""
                                   << "80,1" << 0 << '.' << "801";
  QTest::newRow("full stop with a comma mark") << ""
                                               << "1.5" << 0 << ',' << "1.5";
  QTest::newRow("backspace deletes as typed") << "9"
                                              << "12\b3" << 0 << '.' << "913";
  QTest::newRow("backspace before the caret") << "12" << u"\bあ"_qs << 0 << '.' << "1";
  QTest::newRow("replacement kept, refused text dropped") << "123" << u"あ"_qs << 1 << '.' << "12";
  QTest::newRow("replacement with digits") << "123"
                                           << "45" << 1 << '.' << "1245";
}

// Committed text reaches the field with only what the key filter lets
// through, as if its characters had been typed.
void TestNumericKeyFilter::inputMethodCommit() {
  QFETCH(QString, before);
  QFETCH(QString, commit);
  QFETCH(int, replaced);
  QFETCH(char, mark);
  QFETCH(QString, after);
  engine::SetDecimalMark(mark);
  field_->setText(before);

  QInputMethodEvent event;
  event.setCommitString(commit, -replaced, replaced);
  QCoreApplication::sendEvent(field_, &event);

  QCOMPARE(field_->text(), after);
  QCOMPARE(field_->cursorPosition(), after.size());
}

// While composing, the field shows the preedit but holds none of it; the
// commit that ends the composition is filtered.
void TestNumericKeyFilter::preeditIsNotCommittedText() {
  field_->setText(QStringLiteral("5"));
  const QList<QInputMethodEvent::Attribute> caret{{QInputMethodEvent::Cursor, 3, 1, QVariant()}};
  QInputMethodEvent composing(u"じゅう"_qs, caret);
  QCoreApplication::sendEvent(field_, &composing);
  QCOMPARE(field_->text(), QStringLiteral("5"));

  QInputMethodEvent refused;
  refused.setCommitString(u"１０"_qs);
  QCoreApplication::sendEvent(field_, &refused);
  QCOMPARE(field_->text(), QStringLiteral("5"));
  QCOMPARE(field_->displayText(), QStringLiteral("5"));

  QInputMethodEvent recomposing(u"10"_qs, caret);
  QCoreApplication::sendEvent(field_, &recomposing);
  QInputMethodEvent accepted;
  accepted.setCommitString(QStringLiteral("10"));
  QCoreApplication::sendEvent(field_, &accepted);
  QCOMPARE(field_->text(), QStringLiteral("510"));
  QCOMPARE(field_->displayText(), QStringLiteral("510"));
}

void TestNumericKeyFilter::oneFilterServesSeveralFields() {
  QTest::keyClicks(field_, "1a");
  next_->setFocus();
  QTest::keyClicks(next_, "b2");
  QCOMPARE(field_->text(), QStringLiteral("1"));
  QCOMPARE(next_->text(), QStringLiteral("2"));
}

QTEST_MAIN(TestNumericKeyFilter)
#include "tst_numeric_key_filter.moc"
