// The error box: the full-stop rule of its text and what the real modal
// QMessageBox shows of it, the presenter seam, and the box at work over a
// window: modal, active, and giving the focus back.
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextDocument>
#include <QVBoxLayout>
#include <QtTest>

#include "window/qt/error_box.h"
#include "window_test_support.h"

namespace {

// A left click on the widget delivered to its platform window, so that modal
// blocking applies (QTest's QWidget overloads bypass it).
void ClickThroughWindow(QWidget* widget) {
  QWidget* window = widget->window();
  const QPoint at = widget->mapTo(window, widget->rect().center());
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

// The text a label shows: a label that takes rich text or links lays its
// text out in a document of its own, which holds what is drawn.
QString DisplayedText(const QLabel& label) {
  if (const auto* document = label.findChild<QTextDocument*>()) return document->toPlainText();
  return label.text();
}

}  // namespace

class TestErrorBox : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void boxText_data();
  void boxText();
  void presenterGetsCaptionAndText();
  void presenterCanBeRemoved();
  void realBox();
};

void TestErrorBox::initTestCase() {
  QApplication::setApplicationName(QStringLiteral("Orvanne-calc"));
}

void TestErrorBox::boxText_data() {
  QTest::addColumn<QString>("message");
  QTest::addColumn<QString>("text");

  QTest::newRow("empty") << ""
                         << "";
  QTest::newRow("full stop alone") << "."
                                   << ".";
  QTest::newRow("ends with full stop") << "Done."
                                       << "Done.";
  QTest::newRow("ends with !") << "Stop!"
                               << "Stop!";
  QTest::newRow("ends with space") << "trailing "
                                   << "trailing ";
  QTest::newRow("ends with tab") << "tab\t"
                                 << "tab\t";
  QTest::newRow("ends with quote 0x27") << "'x'"
                                        << "'x'";
  QTest::newRow("ends with comma 0x2C") << "a,"
                                        << "a,";
  QTest::newRow("ends with hyphen 0x2D") << "a-"
                                         << "a-";
  QTest::newRow("ends with slash 0x2F") << "a/"
                                        << "a/.";
  QTest::newRow("ends with digit") << "code 7"
                                   << "code 7.";
  QTest::newRow("ends with upper letter") << "ABC"
                                          << "ABC.";
  QTest::newRow("ends with letter") << "abc"
                                    << "abc.";
  QTest::newRow("ends with tilde") << "a~"
                                   << "a~.";
  QTest::newRow("ends with DEL 0x7F")
      << QString("a") + QChar(0x7F) << QString("a") + QChar(0x7F) + ".";
  QTest::newRow("ends with latin-1") << "caf\u00e9"
                                     << "caf\u00e9.";
  QTest::newRow("ends with japanese") << "エラー"
                                      << "エラー.";
  QTest::newRow("ends with ideographic full stop") << "終了。"
                                                   << "終了。.";
  QTest::newRow("ends with full-width full stop") << "終了．"
                                                  << "終了．.";
  QTest::newRow("ends with surrogate pair") << "𠀋"
                                            << "𠀋.";
  QTest::newRow("log message") << "RichEdit での行の挿入エラー"
                               << "RichEdit での行の挿入エラー.";
  QTest::newRow("integer message") << "'abc' is not a valid integer value"
                                   << "'abc' is not a valid integer value.";
  QTest::newRow("real message") << "'x' is not a valid floating point value"
                                << "'x' is not a valid floating point value.";
  QTest::newRow("overflow message") << "Floating point overflow"
                                    << "Floating point overflow.";
  // Typed text is shown as it is: nothing in it is markup.
  QTest::newRow("markup in a message") << "'<b>x</b>&amp;' is not a valid integer value"
                                       << "'<b>x</b>&amp;' is not a valid integer value.";
  QTest::newRow("html document") << "'<html><i>1</i></html>' is not a valid integer value"
                                 << "'<html><i>1</i></html>' is not a valid integer value.";
  QTest::newRow("ends with > 0x3E") << "<br>"
                                    << "<br>.";
  QTest::newRow("ends with & 0x26") << "a <b> &"
                                    << "a <b> &";
  QTest::newRow("line break inside") << "'1\n2' is not a valid integer value"
                                     << "'1\n2' is not a valid integer value.";
  QTest::newRow("ends with line break") << "<p>\n"
                                        << "<p>\n";
}

// The rule, and the text the real box shows: the same, as plain text.
void TestErrorBox::boxText() {
  QFETCH(QString, message);
  QFETCH(QString, text);
  bool shown = false;
  QString label_text;
  QString displayed;
  Qt::TextFormat label_format = Qt::AutoText;
  WhenBoxActive([&](QMessageBox* box) {
    if (const auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
      shown = true;
      label_text = label->text();
      label_format = label->textFormat();
      displayed = DisplayedText(*label);
    }
    box->button(QMessageBox::Ok)->click();
  });
  TErrorBox().Show(message);  // no window is open: the box stands alone
  QVERIFY(shown);
  QCOMPARE(label_text, text);
  QCOMPARE(displayed, text);
  QCOMPARE(label_format, Qt::PlainText);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestErrorBox::presenterGetsCaptionAndText() {
  TErrorBox box;
  QStringList seen;
  box.SetPresenter(
      [&seen](const QString& caption, const QString& text) { seen << caption << text; });
  box.Show(QStringLiteral("'abc' is not a valid integer value"));
  box.Show(QString());
  QCOMPARE(seen, (QStringList{"Orvanne-calc", "'abc' is not a valid integer value.", "Orvanne-calc",
                              ""}));
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
}

void TestErrorBox::presenterCanBeRemoved() {
  TErrorBox box;
  int calls = 0;
  box.SetPresenter([&calls](const QString&, const QString&) { ++calls; });
  box.Show(QStringLiteral("x"));
  box.SetPresenter(nullptr);
  QString text;
  WhenBoxActive([&text](QMessageBox* message_box) {
    text = message_box->text();
    message_box->button(QMessageBox::Ok)->click();
  });
  box.Show(QStringLiteral("y"));
  QCOMPARE(calls, 1);
  QCOMPARE(text, QStringLiteral("y."));
}

void TestErrorBox::realBox() {
  QWidget window;
  auto* layout = new QVBoxLayout(&window);
  auto* field = new QLineEdit(&window);
  auto* run = new QPushButton(QStringLiteral("試作してみる"), &window);
  auto* other = new QPushButton(QStringLiteral("ログ消去"), &window);
  layout->addWidget(field);
  layout->addWidget(run);
  layout->addWidget(other);
  int other_clicks = 0;
  connect(other, &QPushButton::clicked, this, [&other_clicks] { ++other_clicks; });
  window.show();
  window.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&window));
  run->setFocus();
  QCOMPARE(QApplication::focusWidget(), run);

  QString caption;
  QString text;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  QList<QAbstractButton*> buttons;
  Qt::WindowModality modality = Qt::NonModal;
  bool box_active = false;
  WhenBoxActive([&](QMessageBox* box) {
    box_active = true;
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->buttons();
    modality = box->windowModality();
    // The window takes no input while the box is open (a click through the
    // platform window, as the user makes it).
    ClickThroughWindow(other);
    QCOMPARE(other_clicks, 0);
    QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
  });

  TErrorBox error_box;
  error_box.Show(QStringLiteral("RichEdit での行の挿入エラー"));

  QCOMPARE(caption, QStringLiteral("Orvanne-calc"));
  QCOMPARE(text, QStringLiteral("RichEdit での行の挿入エラー."));
  QCOMPARE(icon, QMessageBox::Critical);
  QCOMPARE(buttons.size(), 1);
  QCOMPARE(modality, Qt::ApplicationModal);
  QVERIFY(box_active);
  QCOMPARE(other_clicks, 0);
  QCOMPARE(QApplication::activeModalWidget(), nullptr);
  // The focus is back on the control that had it.
  QTRY_COMPARE_WITH_TIMEOUT(QApplication::activeWindow(), &window, kBoxTimeoutMs);
  QTRY_COMPARE_WITH_TIMEOUT(QApplication::focusWidget(), run, kBoxTimeoutMs);
  QVERIFY(run->hasFocus());
  // And the window takes input again.
  ClickThroughWindow(other);
  QCOMPARE(other_clicks, 1);
}

QTEST_MAIN(TestErrorBox)
#include "tst_error_box.moc"
