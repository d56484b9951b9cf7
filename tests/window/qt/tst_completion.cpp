// Typing into the drop-down lists completes from their items; real key
// events, one per character.
#include <QComboBox>
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

// The form needs the application's start-up: its title and the font stand-in.
int main(int argc, char** argv) {
  TApplication application(argc, argv);
  TestCompletion test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_completion.moc"
