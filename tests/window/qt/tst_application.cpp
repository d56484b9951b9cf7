// TApplication: the title, the decimal mark and its reload, the top-level
// error handler (notify), the handler boundary RunGuarded.
#include <QFile>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <clocale>
#include <cstdlib>
#include <stdexcept>

#include "engine/decimal_mark.h"
#include "engine/errors.h"
#include "window/qt/application.h"
#include "window_test_support.h"

namespace {

const QEvent::Type kThrowEvent = static_cast<QEvent::Type>(QEvent::User + 1);

// Throws from its event handler, as a failing handler would.
class Thrower : public QObject {
 public:
  std::function<void()> what_to_throw;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == kThrowEvent) what_to_throw();
    return QObject::event(event);
  }
};

// A widget whose handlers fail: a custom event and a mouse press.
class FailingWidget : public QWidget {
 public:
  int presses = 0;

 protected:
  bool event(QEvent* event) override {
    if (event->type() == kThrowEvent) throw engine::EInvalidOp();
    return QWidget::event(event);
  }
  void mousePressEvent(QMouseEvent*) override {
    ++presses;
    throw engine::EConvertError("'abc' is not a valid integer value");
  }
};

char g_decimal_mark_at_start = 0;
char g_localeconv_at_start = 0;

}  // namespace

class TestApplication : public QObject {
  Q_OBJECT

 private slots:
  void init();
  void cleanup();

  void title_data();
  void title();
  void applicationNameIsTheTitle();
  void iconFromResourceWhenPresent();
  void decimalMarkLoadedAtStart();
  void localeChangeReloadsDecimalMark();
  void localeChangeReloadsCommaLocale();
  void notifyCatchesEngineException();
  void notifyCatchesOtherExceptions_data();
  void notifyCatchesOtherExceptions();
  void notifyCatchesFromWidgetHandler();
  void notifyCatchesFromWidgetMousePress();
  void handleExceptionReleasesMouseGrab();
  void runGuardedStopsTheException();
  void runGuardedInAClickHandler();

 private:
  QStringList shown_;  // caption, text, caption, text...
};

void TestApplication::init() {
  shown_.clear();
  App().ErrorBox().SetPresenter(
      [this](const QString& caption, const QString& text) { shown_ << caption << text; });
}

void TestApplication::cleanup() { App().ErrorBox().SetPresenter(nullptr); }

void TestApplication::title_data() {
  QTest::addColumn<QString>("path");
  QTest::addColumn<QString>("title");

  QTest::newRow("CALC.EXE") << "CALC.EXE"
                            << "Calc";
  QTest::newRow("MY.TOOL.EXE") << "MY.TOOL.EXE"
                               << "My";
  QTest::newRow("full path") << "/usr/bin/CALC.EXE"
                             << "Calc";
  QTest::newRow("installed program") << "/a/b/orvanne-calc"
                                     << "orvanne-calc";
  QTest::newRow("no dot, upper case") << "/opt/ORVANNE"
                                      << "Orvanne";
  QTest::newRow("first stays lower") << "/opt/oRVANNE"
                                     << "orvanne";
  QTest::newRow("dots in directories") << "/x.y/app"
                                       << "app";
  QTest::newRow("dotfile") << "/home/u/.hidden"
                           << "";
  QTest::newRow("trailing dot") << "/bin/Tool."
                                << "Tool";
  QTest::newRow("empty") << ""
                         << "";
  QTest::newRow("ends with slash") << "/usr/bin/"
                                   << "";
  QTest::newRow("no directory") << "orvanne-calc"
                                << "orvanne-calc";
  QTest::newRow("backslash is no separator") << "/d/A\\B.EXE"
                                             << "A\\b";
  QTest::newRow("japanese") << "/opt/計算機.EXE"
                            << "計算機";
  QTest::newRow("full-width latin") << "/opt/ＡＢＣ.exe"
                                    << "Ａｂｃ";
  QTest::newRow("accented") << "/opt/ÉCOLE.bin"
                            << "École";
  QTest::newRow("surrogate first") << "/opt/𝐀BC"
                                   << "𝐀bc";
}

void TestApplication::title() {
  QFETCH(QString, path);
  QFETCH(QString, title);
  QCOMPARE(ApplicationTitle(path), title);
}

void TestApplication::applicationNameIsTheTitle() {
  QCOMPARE(QCoreApplication::applicationName(), QStringLiteral("tst_application"));
  QCOMPARE(QCoreApplication::applicationName(),
           ApplicationTitle(QCoreApplication::applicationFilePath()));
}

void TestApplication::iconFromResourceWhenPresent() {
  if (!QFile::exists(QStringLiteral(":/assets/mainicon.ico")))
    QSKIP("the icon resource is not linked into this test");
  QVERIFY(!QApplication::windowIcon().isNull());
}

void TestApplication::decimalMarkLoadedAtStart() {
  QCOMPARE(g_decimal_mark_at_start, g_localeconv_at_start);
}

void TestApplication::localeChangeReloadsDecimalMark() {
  const char mark = std::localeconv()->decimal_point[0];
  engine::SetDecimalMark('#');
  QEvent change(QEvent::LocaleChange);
  QCoreApplication::sendEvent(&App(), &change);
  QCOMPARE(engine::DecimalMark(), mark);

  // Posted, as a platform would post it.
  engine::SetDecimalMark('#');
  QCoreApplication::postEvent(&App(), new QEvent(QEvent::LocaleChange));
  QCoreApplication::processEvents();
  QCOMPARE(engine::DecimalMark(), mark);
}

void TestApplication::localeChangeReloadsCommaLocale() {
  // A locale whose separator is a comma, compiled into a private folder.
  QTemporaryDir folder;
  QVERIFY(folder.isValid());
  const int built = QProcess::execute(
      QStringLiteral("localedef"), {"-i", "de_DE", "-f", "UTF-8", folder.filePath("de_DE.UTF-8")});
  if (built != 0 || !QFile::exists(folder.filePath("de_DE.UTF-8")))
    QSKIP("localedef cannot build de_DE.UTF-8 here (no locale sources)");
  const QByteArray old_path = qgetenv("LOCPATH");
  const std::string old_numeric = std::setlocale(LC_NUMERIC, nullptr);
  qputenv("LOCPATH", QFile::encodeName(folder.path()));
  const bool switched = std::setlocale(LC_NUMERIC, "de_DE.UTF-8") != nullptr;
  QEvent change(QEvent::LocaleChange);
  if (switched) QCoreApplication::sendEvent(&App(), &change);
  const char reloaded = engine::DecimalMark();
  std::setlocale(LC_NUMERIC, old_numeric.c_str());
  if (old_path.isNull())
    qunsetenv("LOCPATH");
  else
    qputenv("LOCPATH", old_path);
  QCoreApplication::sendEvent(&App(), &change);
  QVERIFY(switched);
  QCOMPARE(reloaded, ',');
  QCOMPARE(engine::DecimalMark(), std::localeconv()->decimal_point[0]);
}

void TestApplication::notifyCatchesEngineException() {
  Thrower thrower;
  thrower.what_to_throw = [] { throw engine::EOutOfResources("RichEdit での行の挿入エラー"); };
  QEvent event(kThrowEvent);
  QVERIFY(QCoreApplication::sendEvent(&thrower, &event));
  QCOMPARE(shown_, (QStringList{"tst_application", "RichEdit での行の挿入エラー."}));
  // The loop goes on: a posted event of the same kind is handled again.
  QCoreApplication::postEvent(&thrower, new QEvent(kThrowEvent));
  QCoreApplication::processEvents();
  QCOMPARE(shown_.size(), 4);
}

void TestApplication::notifyCatchesOtherExceptions_data() {
  QTest::addColumn<int>("kind");
  QTest::addColumn<QString>("text");
  QTest::newRow("engine::EOverflow") << 0 << "Floating point overflow.";
  QTest::newRow("std::runtime_error") << 1 << "disk on fire.";
  QTest::newRow("std::bad_alloc") << 2 << "std::bad_alloc.";
  QTest::newRow("int") << 3 << "Unknown exception.";
}

void TestApplication::notifyCatchesOtherExceptions() {
  QFETCH(int, kind);
  QFETCH(QString, text);
  Thrower thrower;
  thrower.what_to_throw = [kind] {
    switch (kind) {
      case 0:
        throw engine::EOverflow();
      case 1:
        throw std::runtime_error("disk on fire");
      case 2:
        throw std::bad_alloc();
      default:
        throw 42;
    }
  };
  QEvent event(kThrowEvent);
  QCoreApplication::sendEvent(&thrower, &event);
  QCOMPARE(shown_, (QStringList{"tst_application", text}));
}

void TestApplication::notifyCatchesFromWidgetHandler() {
  FailingWidget widget;
  QCoreApplication::postEvent(&widget, new QEvent(kThrowEvent));
  QCoreApplication::processEvents();
  QCOMPARE(shown_, (QStringList{"tst_application", "Invalid floating point operation."}));
}

void TestApplication::notifyCatchesFromWidgetMousePress() {
  // The mouse event's way through QApplication::notify holds QPointer and
  // event copies whose destructors the unwinding skips (Qt Widgets has no
  // cleanup tables): the leak that RunGuarded exists to avoid.
  if (kAddressSanitizer)
    QSKIP("throwing through Qt Widgets' mouse handling leaks by design; plain build only");
  FailingWidget widget;
  widget.resize(100, 50);
  widget.show();
  QVERIFY(QTest::qWaitForWindowExposed(&widget));
  QTest::mousePress(&widget, Qt::LeftButton);
  QTest::mouseRelease(&widget, Qt::LeftButton);
  QCOMPARE(widget.presses, 1);
  QCOMPARE(shown_, (QStringList{"tst_application", "'abc' is not a valid integer value."}));
}

void TestApplication::handleExceptionReleasesMouseGrab() {
  QWidget widget;
  widget.resize(100, 50);
  widget.show();
  QVERIFY(QTest::qWaitForWindowExposed(&widget));
  widget.grabMouse();
  QCOMPARE(QWidget::mouseGrabber(), &widget);
  App().HandleException(
      std::make_exception_ptr(engine::EConvertError("'x' is not a valid floating point value")));
  QCOMPARE(QWidget::mouseGrabber(), nullptr);
  QCOMPARE(shown_, (QStringList{"tst_application", "'x' is not a valid floating point value."}));

  // Also when the grab is released by the top-level handler in notify.
  widget.grabMouse();
  Thrower thrower;
  thrower.what_to_throw = [] { throw engine::EZeroDivide(); };
  QEvent event(kThrowEvent);
  QCoreApplication::sendEvent(&thrower, &event);
  QCOMPARE(QWidget::mouseGrabber(), nullptr);
  QCOMPARE(shown_.last(), QStringLiteral("Floating point division by zero."));
}

void TestApplication::runGuardedStopsTheException() {
  int ran = 0;
  RunGuarded([&ran] { ++ran; });
  QCOMPARE(ran, 1);
  QVERIFY(shown_.isEmpty());
  RunGuarded([] { throw engine::EConvertError("'abc' is not a valid integer value"); });
  QCOMPARE(shown_, (QStringList{"tst_application", "'abc' is not a valid integer value."}));
  ReportException(std::make_exception_ptr(std::runtime_error("x")));
  QCOMPARE(shown_.last(), QStringLiteral("x."));
}

void TestApplication::runGuardedInAClickHandler() {
  QPushButton button(QStringLiteral("試作してみる"));
  button.show();
  QVERIFY(QTest::qWaitForWindowExposed(&button));
  int after_click = 0;
  connect(&button, &QPushButton::clicked, this,
          [] { RunGuarded([] { throw engine::EOutOfResources("RichEdit での行の挿入エラー"); }); });
  // A second slot still runs: nothing unwound out of the first one.
  connect(&button, &QPushButton::clicked, this, [&after_click] { ++after_click; });
  QTest::mouseClick(&button, Qt::LeftButton);
  QCOMPARE(shown_, (QStringList{"tst_application", "RichEdit での行の挿入エラー."}));
  QCOMPARE(after_click, 1);
  QVERIFY(!button.isDown());
}

int main(int argc, char** argv) {
  engine::SetDecimalMark('#');  // the constructor must replace it
  TApplication app(argc, argv);
  g_decimal_mark_at_start = engine::DecimalMark();
  g_localeconv_at_start = std::localeconv()->decimal_point[0];
  TestApplication test;
  QTEST_SET_MAIN_SOURCE_PATH
  return QTest::qExec(&test, argc, argv);
}

#include "tst_application.moc"
