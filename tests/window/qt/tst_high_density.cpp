// Form1 on a denser screen, run by CTest at 96, 144 and 192 dots per inch,
// once with Qt's own device-pixel scaling and once with it off, when the
// form's rule scales fonts and layout itself. Either way the window must
// come out at the designed size times density / 96 in device pixels, with
// its controls in the designed arrangement and every text inside its
// control. ORVANNE_TEST_DENSITY names the density the screen was given.
#include <QAbstractButton>
#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>
#include <QScreen>
#include <QStyleOptionButton>
#include <QtTest>
#include <cmath>

#include "window/control_table.h"
#include "window_test_support.h"

namespace {

// Designed sizes times density / 96 may land on a half pixel, which the two
// ways of scaling round differently.
constexpr double kRounding = 1.0;

bool IsInk(QRgb pixel, QRgb background) {
  constexpr int kVisible = 24;
  return std::abs(qRed(pixel) - qRed(background)) > kVisible ||
         std::abs(qGreen(pixel) - qGreen(background)) > kVisible ||
         std::abs(qBlue(pixel) - qBlue(background)) > kVisible;
}

int CaptionWidth(const QAbstractButton* button) {
  QStyleOptionButton option;
  option.initFrom(button);
  option.text = button->text();
  const bool check = qobject_cast<const QCheckBox*>(button) != nullptr;
  return button->style()
      ->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option,
                       button)
      .width();
}

QRect Designed(const ControlRow& row) {
  return {row.geometry.left, row.geometry.top, row.geometry.width, row.geometry.height};
}

}  // namespace

class TestHighDensity : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void windowScalesWithTheDensity();
  void windowCornerStaysWhereDesigned();
  void fontsScaleWithTheDensity();
  void controlsKeepTheirArrangement();
  void textFitsItsControl();

 private:
  double density_ = 96;  // dots per inch of the screen, device pixels
  double ratio_ = 1;     // device pixels per layout pixel, density / 96
};

void TestHighDensity::initTestCase() {
  const QByteArray asked = qgetenv("ORVANNE_TEST_DENSITY");
  density_ = asked.isEmpty() ? 96 : asked.toDouble();
  ratio_ = density_ / 96;
  const QScreen* screen = QGuiApplication::primaryScreen();
  // Qt's scaling hands the density to the device pixel ratio, leaving the
  // logical density at 96; without it the logical density is the screen's.
  QCOMPARE(screen->logicalDotsPerInchY() * screen->devicePixelRatio(), density_);
  qInfo("logical %g dpi, device pixel ratio %g", screen->logicalDotsPerInchY(),
        screen->devicePixelRatio());
}

void TestHighDensity::windowScalesWithTheDensity() {
  TForm1 form;
  const double dpr = form.devicePixelRatioF();
  QVERIFY(std::abs(form.width() * dpr - 631 * ratio_) <= kRounding);
  QVERIFY(std::abs(form.height() * dpr - 332 * ratio_) <= kRounding);
}

// The designed corner is in screen pixels, whatever the density.
void TestHighDensity::windowCornerStaysWhereDesigned() {
  TForm1 form;
  const QPointF corner = QPointF(form.frameGeometry().topLeft()) * form.devicePixelRatioF();
  QVERIFY(std::abs(corner.x() - 237) <= kRounding);
  QVERIFY(std::abs(corner.y() - 355) <= kRounding);
}

void TestHighDensity::fontsScaleWithTheDensity() {
  TForm1 form;
  const double dpr = form.devicePixelRatioF();
  for (const ControlRow& row : Form1Controls()) {
    const QWidget* widget = form.findChild<QWidget*>(row.name);
    const int designed = row.look.pixel_size != 0 ? row.look.pixel_size : kDesignedFontPixels;
    const double device = QFontInfo(widget->font()).pixelSize() * dpr;
    QVERIFY2(std::abs(device - designed * ratio_) <= kRounding, row.name);
  }
}

// Two controls meet or overlap on the screen exactly where they do in the
// design, and all lie in the client area.
void TestHighDensity::controlsKeepTheirArrangement() {
  TForm1 form;
  const auto rows = Form1Controls();
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const QRect placed = form.findChild<QWidget*>(rows[i].name)->geometry();
    QVERIFY2(form.rect().contains(placed), rows[i].name);
    for (std::size_t j = i + 1; j < rows.size(); ++j) {
      const QRect other = form.findChild<QWidget*>(rows[j].name)->geometry();
      QVERIFY2(placed.intersects(other) == Designed(rows[i]).intersects(Designed(rows[j])),
               qPrintable(QStringLiteral("%1 and %2").arg(rows[i].name, rows[j].name)));
    }
  }
}

// No caption is cut: no ink of a static text falls outside it, and every
// button's caption has room.
void TestHighDensity::textFitsItsControl() {
  TForm1 form;
  for (QLabel* label : form.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const QSize size = label->size();
    label->resize(size + QSize(8, 8));
    const QImage image = label->grab().toImage();
    label->resize(size);
    const QSize device = (QSizeF(size) * image.devicePixelRatio()).toSize();
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (x >= device.width() || y >= device.height())
          QVERIFY2(!IsInk(image.pixel(x, y), background), qPrintable(label->objectName()));
  }
  for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
    const QFontMetrics metrics(button->font());
    QVERIFY2(metrics.horizontalAdvance(button->text()) <= CaptionWidth(button),
             qPrintable(button->objectName()));
  }
}

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  TestHighDensity test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_high_density.moc"
