// Typing into the drop-down lists completes from their items; real key
// events, one per character.
#include <QComboBox>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QtTest>

#include "window/qt/application.h"
#include "window/qt/combo_completion.h"
#include "window/qt/form1.h"

namespace {

// Sends each character as a key press and release; "\b" is Backspace.
void Type(QWidget* widget, const QString& keys) {
  for (const QChar c : keys) {
    if (c.unicode() < 0x80)
      QTest::keyClick(widget, static_cast<char>(c.unicode()));
    else
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
  }
}

// Gives the box its text with no entry selected; caret -1 selects all of it.
void Prepare(QComboBox* combo, const QString& text, int caret) {
  combo->setCurrentIndex(-1);
  combo->setEditText(text);
  if (caret < 0)
    combo->lineEdit()->selectAll();
  else
    combo->lineEdit()->setCursorPosition(caret);
}

}  // namespace

class TestCompletion : public QObject {
  Q_OBJECT

 private slots:
  void formLists_data();
  void formLists();
  void anyItems_data();
  void anyItems();
  void enterAddsNoItem();
  void inputMethodCommit_data();
  void inputMethodCommit();
  void preeditCompletesNothing();
};

void TestCompletion::formLists_data() {
  QTest::addColumn<QString>("combo");
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("caret");  // -1: the whole text selected
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("expectedText");
  QTest::addColumn<QString>("expectedSelection");
  QTest::addColumn<QString>("expectedEntry");  // empty: none selected

  QTest::newRow("hit replaces selection, then hit on whole text") << "ComboBox1"
                                                                  << "1" << -1 << "12"
                                                                  << "12"
                                                                  << ""
                                                                  << "12";
  QTest::newRow("hit selects the item's rest") << "ComboBox1"
                                               << "" << 0 << "7"
                                               << "75"
                                               << "5"
                                               << "75";
  QTest::newRow("letter is a miss, typed") << "ComboBox1"
                                           << "" << 0 << "a"
                                           << "a"
                                           << ""
                                           << "";
  QTest::newRow("miss after hit replaces the selected rest") << "ComboBox2"
                                                             << "" << 0 << "97"
                                                             << "97"
                                                             << ""
                                                             << "90";
  QTest::newRow("miss without selection types at the caret") << "ComboBox1"
                                                             << "5" << 1 << "3"
                                                             << "53"
                                                             << ""
                                                             << "";
  QTest::newRow("candidate is the whole text wherever the caret") << "ComboBox6"
                                                                  << "10" << 0 << "0"
                                                                  << "100"
                                                                  << ""
                                                                  << "100";
  QTest::newRow("exact item, then a miss") << "ComboBox6"
                                           << "" << 0 << "7x"
                                           << "7x"
                                           << ""
                                           << "7";
  QTest::newRow("backspace deletes the selection and clears the entry") << "ComboBox1"
                                                                        << "" << 0 << "7\b"
                                                                        << "7"
                                                                        << ""
                                                                        << "";
  QTest::newRow("backspace deletes before the caret and clears the entry") << "ComboBox1"
                                                                           << "1" << -1 << "12\b"
                                                                           << "1"
                                                                           << ""
                                                                           << "";
  QTest::newRow("backspace in the middle") << "ComboBox3"
                                           << "40" << 1 << "\b"
                                           << "0"
                                           << ""
                                           << "";
}

void TestCompletion::formLists() {
  QFETCH(QString, combo);
  QFETCH(QString, text);
  QFETCH(int, caret);
  QFETCH(QString, keys);
  QFETCH(QString, expectedText);
  QFETCH(QString, expectedSelection);
  QFETCH(QString, expectedEntry);

  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  auto* box = form.findChild<QComboBox*>(combo);
  box->setFocus();
  Prepare(box, text, caret);

  Type(QApplication::focusWidget(), keys);

  QCOMPARE(box->currentText(), expectedText);
  QCOMPARE(box->lineEdit()->selectedText(), expectedSelection);
  QCOMPARE(box->currentIndex() < 0 ? QString() : box->itemText(box->currentIndex()), expectedEntry);
}

void TestCompletion::anyItems_data() {
  QTest::addColumn<QStringList>("items");
  QTest::addColumn<QString>("keys");
  QTest::addColumn<QString>("expectedText");
  QTest::addColumn<QString>("expectedSelection");

  const QStringList fruit{"Apple", "apricot"};
  QTest::newRow("case ignored, typed case kept") << fruit << "aP"
                                                 << "aPple"
                                                 << "ple";
  QTest::newRow("first matching item wins") << fruit << "A"
                                            << "Apple"
                                            << "pple";
  QTest::newRow("later item") << fruit << "apr"
                              << "apricot"
                              << "icot";
  const QStringList ore{u"鉄鉱石"_qs, u"鉄板"_qs};
  QTest::newRow("double-byte character whole") << ore << u"鉄"_qs << u"鉄鉱石"_qs << u"鉱石"_qs;
  QTest::newRow("double-byte second character") << ore << u"鉄板"_qs << u"鉄板"_qs << "";
}

void TestCompletion::anyItems() {
  QFETCH(QStringList, items);
  QFETCH(QString, keys);
  QFETCH(QString, expectedText);
  QFETCH(QString, expectedSelection);

  QComboBox box;
  box.setEditable(true);
  box.setCompleter(nullptr);
  box.addItems(items);
  new TComboCompletion(&box);
  Prepare(&box, "", 0);

  Type(&box, keys);

  QCOMPARE(box.currentText(), expectedText);
  QCOMPARE(box.lineEdit()->selectedText(), expectedSelection);
}

// Enter in a list completes nothing and must not grow the list.
void TestCompletion::enterAddsNoItem() {
  TForm1 form;
  auto* box = form.findChild<QComboBox*>("ComboBox6");
  Prepare(box, "abc", 3);
  QTest::keyClick(box, Qt::Key_Return);
  QCOMPARE(box->count(), 11);
  QCOMPARE(box->currentText(), "abc");
}

void TestCompletion::inputMethodCommit_data() {
  QTest::addColumn<QString>("text");  // caret at the end, nothing selected
  QTest::addColumn<QString>("commit");
  QTest::addColumn<QString>("expectedText");
  QTest::addColumn<QString>("expectedSelection");

  // Items: "鉄鉱石", "鉄板", "Apple", "10", "100".
  QTest::newRow("one character completes") << "" << u"鉄"_qs << u"鉄鉱石"_qs << u"鉱石"_qs;
  QTest::newRow("each character looked up in turn") << "" << u"鉄板"_qs << u"鉄板"_qs << "";
  QTest::newRow("hit, then a miss replaces the rest") << "" << u"鉄x"_qs << u"鉄x"_qs << "";
  QTest::newRow("miss, then typed on") << "" << u"銅鉄"_qs << u"銅鉄"_qs << "";
  QTest::newRow("case ignored, committed case kept") << ""
                                                     << "ap"
                                                     << "apple"
                                                     << "ple";
  QTest::newRow("full-width digits are no ASCII digits") << "" << u"１０"_qs << u"１０"_qs << "";
  QTest::newRow("digits complete the shortest first") << ""
                                                      << "10"
                                                      << "10"
                                                      << "";
  QTest::newRow("after text already there") << "1"
                                            << "00"
                                            << "100"
                                            << "";
  QTest::newRow("surrogate pair whole") << "" << u"𠀋鉄"_qs << u"𠀋鉄"_qs << "";
}

// An input method's commit counts as its characters typed one after the
// other into the box that has the focus.
void TestCompletion::inputMethodCommit() {
  QFETCH(QString, text);
  QFETCH(QString, commit);
  QFETCH(QString, expectedText);
  QFETCH(QString, expectedSelection);

  QComboBox box;
  box.setEditable(true);
  box.setCompleter(nullptr);
  box.addItems({u"鉄鉱石"_qs, u"鉄板"_qs, "Apple", "10", "100"});
  new TComboCompletion(&box);
  Prepare(&box, text, static_cast<int>(text.size()));

  QInputMethodEvent event;
  event.setCommitString(commit);
  QCoreApplication::sendEvent(&box, &event);

  QCOMPARE(box.currentText(), expectedText);
  QCOMPARE(box.lineEdit()->selectedText(), expectedSelection);
}

// The preedit is shown in the box but is no text yet: nothing completes
// until the commit.
void TestCompletion::preeditCompletesNothing() {
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  auto* box = form.findChild<QComboBox*>("ComboBox6");
  box->setFocus();
  Prepare(box, "", 0);

  QInputMethodEvent composing(u"２"_qs, {});
  QCoreApplication::sendEvent(QApplication::focusWidget(), &composing);
  QCOMPARE(box->currentText(), QString());
  QCOMPARE(box->currentIndex(), -1);

  QInputMethodEvent commit;
  commit.setCommitString("2");
  QCoreApplication::sendEvent(QApplication::focusWidget(), &commit);
  QCOMPARE(box->currentText(), "25");
  QCOMPARE(box->lineEdit()->selectedText(), "5");
}

// The form needs the application's start-up: its title and the font stand-in.
int main(int argc, char** argv) {
  TApplication application(argc, argv);
  TestCompletion test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_completion.moc"
