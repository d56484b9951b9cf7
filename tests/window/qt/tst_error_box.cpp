// The error box: the full-stop rule of its text, the presenter seam and,
// once, the real modal QMessageBox pressed by a timer.
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>
#include <functional>

#include "window/qt/error_box.h"

namespace {

// Calls `act` with the application-modal widget as soon as one is open
// (polling, since the box opens inside exec()); gives up after 5 s.
void WhenModalOpens(std::function<void(QWidget*)> act) {
  auto* timer = new QTimer;
  auto* elapsed = new QElapsedTimer;
  elapsed->start();
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, elapsed, act = std::move(act)] {
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr && elapsed->elapsed() < 5000) return;
    timer->stop();
    timer->deleteLater();
    delete elapsed;
    if (modal != nullptr) act(modal);
  });
  timer->start();
}

// A left click on the widget delivered to its platform window, so that modal
// blocking applies (QTest's QWidget overloads bypass it).
void ClickThroughWindow(QWidget* widget) {
  QWidget* window = widget->window();
  const QPoint at = widget->mapTo(window, widget->rect().center());
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class TestErrorBox : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void fullStop_data();
  void fullStop();
  void presenterGetsCaptionAndText();
  void presenterCanBeRemoved();
  void realBox();
  void realBoxWithoutWindow();
};

void TestErrorBox::initTestCase() {
  QApplication::setApplicationName(QStringLiteral("Orvanne-calc"));
}

void TestErrorBox::fullStop_data() {
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
}

void TestErrorBox::fullStop() {
  QFETCH(QString, message);
  QFETCH(QString, text);
  TErrorBox box;
  QString shown;
  box.SetPresenter([&shown](const QString&, const QString& t) { shown = t; });
  box.Show(message);
  QCOMPARE(shown, text);
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
  WhenModalOpens([&text](QWidget* modal) {
    auto* message_box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(message_box != nullptr);
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
  WhenModalOpens([&](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box != nullptr);
    caption = box->windowTitle();
    text = box->text();
    icon = box->icon();
    buttons = box->buttons();
    modality = box->windowModality();
    box_active = QApplication::activeWindow() == box;
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
  QTRY_COMPARE(QApplication::activeWindow(), &window);
  QCOMPARE(QApplication::focusWidget(), run);
  QVERIFY(run->hasFocus());
  // And the window takes input again.
  ClickThroughWindow(other);
  QCOMPARE(other_clicks, 1);
}

void TestErrorBox::realBoxWithoutWindow() {
  bool seen = false;
  WhenModalOpens([&seen](QWidget* modal) {
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box != nullptr);
    seen = true;
    box->button(QMessageBox::Ok)->click();
  });
  TErrorBox().Show(QString());
  QVERIFY(seen);
}

QTEST_MAIN(TestErrorBox)
#include "tst_error_box.moc"
