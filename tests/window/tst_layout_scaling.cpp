// The layout's adaptation to the font: identity at the designed 12-pixel
// characters, proportional at 16.
#include <QtTest>

#include "window/layout_scaling.h"

class TestLayoutScaling : public QObject {
  Q_OBJECT

 private slots:
  void geometry_data();
  void geometry();
  void fontPixels_data();
  void fontPixels();
  void fontPixelsForDensity_data();
  void fontPixelsForDensity();
};

void TestLayoutScaling::geometry_data() {
  QTest::addColumn<int>("measured");
  QTest::addColumn<QRect>("designed");
  QTest::addColumn<bool>("fixedHeight");
  QTest::addColumn<QRect>("expected");

  QTest::newRow("12: button unchanged")
      << 12 << QRect(540, 300, 91, 31) << false << QRect(540, 300, 91, 31);
  QTest::newRow("12: edit unchanged")
      << 12 << QRect(120, 50, 61, 20) << true << QRect(120, 50, 61, 20);
  QTest::newRow("12: client area unchanged")
      << 12 << QRect(0, 0, 631, 332) << false << QRect(0, 0, 631, 332);
  // Edges scale and round on their own: right 631 * 4/3 = 841.3, bottom 331 * 4/3 = 441.3.
  QTest::newRow("16: button edges")
      << 16 << QRect(540, 300, 91, 31) << false << QRect(720, 400, 121, 41);
  QTest::newRow("16: label rounds up")
      << 16 << QRect(0, 320, 359, 12) << false << QRect(0, 427, 479, 16);
  QTest::newRow("16: client area") << 16 << QRect(0, 0, 631, 332) << false << QRect(0, 0, 841, 443);
  // A fixed-height control moves and widens but keeps its frame: 20 + (16 - 12).
  QTest::newRow("16: edit keeps its frame")
      << 16 << QRect(120, 50, 61, 20) << true << QRect(160, 67, 81, 24);
  QTest::newRow("9: shrinks") << 9 << QRect(40, 50, 71, 20) << true << QRect(30, 38, 53, 17);
}

void TestLayoutScaling::geometry() {
  QFETCH(int, measured);
  QFETCH(QRect, designed);
  QFETCH(bool, fixedHeight);
  QFETCH(QRect, expected);
  QCOMPARE(TLayoutScale(measured).Geometry(designed, fixedHeight), expected);
  QCOMPARE(TLayoutScale(measured).IsIdentity(), measured == 12);
}

void TestLayoutScaling::fontPixels_data() {
  QTest::addColumn<int>("measured");
  QTest::addColumn<int>("designed");
  QTest::addColumn<int>("expected");
  QTest::newRow("12: window font") << 12 << 12 << 12;
  QTest::newRow("12: trial button") << 12 << 13 << 13;
  QTest::newRow("16: window font") << 16 << 12 << 16;
  QTest::newRow("16: trial button 17.3") << 16 << 13 << 17;
}

void TestLayoutScaling::fontPixels() {
  QFETCH(int, measured);
  QFETCH(int, designed);
  QFETCH(int, expected);
  QCOMPARE(TLayoutScale(measured).FontPixels(designed), expected);
}

void TestLayoutScaling::fontPixelsForDensity_data() {
  QTest::addColumn<int>("dotsPerInch");
  QTest::addColumn<int>("designed");
  QTest::addColumn<int>("expected");
  QTest::newRow("96 designed") << 96 << 12 << 12;
  QTest::newRow("120 large fonts") << 120 << 12 << 15;
  QTest::newRow("144") << 144 << 12 << 18;
  QTest::newRow("120, 16.25 rounds down") << 120 << 13 << 16;
  QTest::newRow("72, 10.5 rounds up") << 72 << 14 << 11;
}

void TestLayoutScaling::fontPixelsForDensity() {
  QFETCH(int, dotsPerInch);
  QFETCH(int, designed);
  QFETCH(int, expected);
  QCOMPARE(FontPixelsForDensity(designed, dotsPerInch), expected);
}

QTEST_APPLESS_MAIN(TestLayoutScaling)
#include "tst_layout_scaling.moc"
