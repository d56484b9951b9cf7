// Form1 keeps its size against resizes that ignore its size limits: a
// maximise and a resize of the platform window, as a window manager or the
// X server hands them to the program.
#include <QResizeEvent>
#include <QWindow>
#include <QtTest>
#include <functional>

#include "window/qt/form1.h"

namespace {

// Records every size the window is told it has.
class TResizeLog : public QObject {
 public:
  explicit TResizeLog(QWidget* window) : QObject(window) { window->installEventFilter(this); }
  QList<QSize> sizes;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Resize) sizes << static_cast<QResizeEvent*>(event)->size();
    return false;
  }
};

QList<QRect> ControlGeometries(const QWidget& form) {
  QList<QRect> geometries;
  for (const QWidget* control : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    geometries << control->geometry();
  return geometries;
}

using Resize = std::function<void(TForm1&)>;

}  // namespace

Q_DECLARE_METATYPE(Resize)

class TestSizeHold : public QObject {
  Q_OBJECT

 private slots:
  void forcedResizeIsAnswered_data();
  void forcedResizeIsAnswered();
};

void TestSizeHold::forcedResizeIsAnswered_data() {
  QTest::addColumn<Resize>("resize");
  QTest::newRow("maximised") << Resize([](TForm1& form) { form.showMaximized(); });
  QTest::newRow("platform window larger")
      << Resize([](TForm1& form) { form.windowHandle()->resize(800, 600); });
  QTest::newRow("platform window smaller")
      << Resize([](TForm1& form) { form.windowHandle()->resize(300, 200); });
}

void TestSizeHold::forcedResizeIsAnswered() {
  QFETCH(Resize, resize);
  const QSize designed(631, 332);
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCOMPARE(form.size(), designed);
  const QList<QRect> controls = ControlGeometries(form);
  auto* log = new TResizeLog(&form);

  resize(form);
  // First the forced size must have reached the window, else the checks
  // below would pass before anything happened.
  QTRY_VERIFY_WITH_TIMEOUT(
      std::ranges::any_of(log->sizes, [&](QSize size) { return size != designed; }), 10000);
  QTRY_COMPARE_WITH_TIMEOUT(form.windowHandle()->size(), designed, 10000);
  QCOMPARE(form.size(), designed);
  QCOMPARE(ControlGeometries(form), controls);
}

QTEST_MAIN(TestSizeHold)
#include "tst_size_hold.moc"
