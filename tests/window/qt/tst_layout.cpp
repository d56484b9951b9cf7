// Form1 as it opens: every control's kind, place, text and look, the lists,
// the log's first lines, the keyboard order and the window itself.
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QtTest>
#include <cstdlib>

#include "window/qt/application.h"
#include "window/qt/form1.h"

namespace {

const QColor kWindowText;  // invalid: the system's window text
const QColor kNoFill;      // invalid: shows the window's background
const QColor kYellow(255, 255, 0);
const QColor kSkyBlue(166, 202, 240);
const QColor kMoneyGreen(192, 220, 192);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);

QString WidgetText(const QWidget* widget) {
  if (auto* label = qobject_cast<const QLabel*>(widget)) return label->text();
  if (auto* combo = qobject_cast<const QComboBox*>(widget)) return combo->currentText();
  if (auto* edit = qobject_cast<const QLineEdit*>(widget)) return edit->text();
  if (auto* button = qobject_cast<const QAbstractButton*>(widget)) return button->text();
  return {};
}

// A pixel visibly different from the background; anti-aliasing fringes of
// a few levels are not ink.
bool IsInk(QRgb pixel, QRgb background) {
  constexpr int kVisible = 24;
  return std::abs(qRed(pixel) - qRed(background)) > kVisible ||
         std::abs(qGreen(pixel) - qGreen(background)) > kVisible ||
         std::abs(qBlue(pixel) - qBlue(background)) > kVisible;
}

// Width available to a button's or check box's caption.
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

QStringList Items(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return items;
}

const QStringList kListA{"1",  "2",  "3",  "4",  "5",  "6",  "8",  "10", "12", "15",  "20",
                         "24", "30", "40", "45", "50", "60", "75", "80", "90", "100", "120"};

}  // namespace

class TestLayout : public QObject {
  Q_OBJECT

 private slots:
  void control_data();
  void control();
  void stackingOrder();
  void keyboardOrder();
  void textFitsItsControl();
  void lists();
  void banner();
  void logOpensWithInstructions();
  void window();
};

void TestLayout::control_data() {
  QTest::addColumn<QString>("kind");
  QTest::addColumn<QRect>("geometry");
  QTest::addColumn<QString>("text");
  QTest::addColumn<bool>("bold");
  QTest::addColumn<int>("pixels");
  QTest::addColumn<QColor>("colour");
  QTest::addColumn<QColor>("fill");
  QTest::addColumn<QString>("accessibleName");

  const QColor base = QGuiApplication::palette().color(QPalette::Base);
  auto row = [](const char* name, const char* kind, QRect geometry, const QString& text, bool bold,
                int pixels, QColor colour, QColor fill, const QString& accessible = {}) {
    QTest::newRow(name) << kind << geometry << text << bold << pixels << colour << fill
                        << accessible;
  };
  // clang-format off
  row("Image1", "QLabel", {460, 0, 160, 41}, "", false, 12, kWindowText, kNoFill, "工房から出る（バナー）");
  row("Label1", "QLabel", {0, 320, 359, 12}, "上の欄は全部埋めたか？埋めたら右のボタンを押すんだ！---＞", true, 12, kRed, kNoFill);
  row("StaticText3", "QLabel", {0, 160, 138, 16}, "作成される数（レシピ参照）", false, 12, kWindowText, kNoFill);
  row("StaticText4", "QLabel", {0, 50, 39, 16}, "材料１", true, 12, kWindowText, kNoFill);
  row("StaticText5", "QLabel", {0, 70, 39, 16}, "材料２", true, 12, kWindowText, kNoFill);
  row("StaticText6", "QLabel", {0, 90, 39, 16}, "材料３", true, 12, kWindowText, kNoFill);
  row("StaticText7", "QLabel", {0, 110, 39, 16}, "材料４", true, 12, kWindowText, kNoFill);
  row("StaticText8", "QLabel", {0, 130, 39, 16}, "材料５", true, 12, kWindowText, kNoFill);
  row("StaticText9", "QLabel", {50, 30, 39, 16}, u"個\u3000数"_qs, true, 12, kWindowText, kNoFill);
  row("StaticText2", "QLabel", {60, 10, 127, 16}, "↓レシピを見て埋めてね", false, 12, kWindowText, kNoFill);
  row("ComboBox1", "QComboBox", {40, 50, 71, 20}, "1", true, 12, kWindowText, kYellow, "材料１ 個数");
  row("ComboBox2", "QComboBox", {40, 70, 71, 20}, "0", false, 12, kWindowText, kYellow, "材料２ 個数");
  row("ComboBox3", "QComboBox", {40, 90, 71, 20}, "0", false, 12, kWindowText, kYellow, "材料３ 個数");
  row("ComboBox4", "QComboBox", {40, 110, 71, 20}, "0", false, 12, kWindowText, kYellow, "材料４ 個数");
  row("ComboBox5", "QComboBox", {40, 130, 71, 20}, "0", false, 12, kWindowText, kYellow, "材料５ 個数");
  row("StaticText1", "QLabel", {130, 30, 39, 16}, u"単\u3000価"_qs, true, 12, kWindowText, kNoFill);
  row("Edit1", "QLineEdit", {120, 50, 61, 20}, "0", false, 12, kWindowText, kSkyBlue, "材料１ 単価");
  row("Edit2", "QLineEdit", {120, 70, 61, 20}, "0", false, 12, kWindowText, kSkyBlue, "材料２ 単価");
  row("Edit3", "QLineEdit", {120, 90, 61, 20}, "0", false, 12, kWindowText, kSkyBlue, "材料３ 単価");
  row("Edit4", "QLineEdit", {120, 110, 61, 20}, "0", false, 12, kWindowText, kSkyBlue, "材料４ 単価");
  row("Edit5", "QLineEdit", {120, 130, 61, 20}, "0", false, 12, kWindowText, kSkyBlue, "材料５ 単価");
  row("ComboBox6", "QComboBox", {140, 160, 71, 20}, "1", false, 12, kWindowText, kYellow, "作成される数");
  row("StaticText10", "QLabel", {200, 30, 39, 16}, u"在\u3000庫"_qs, true, 12, kWindowText, kNoFill);
  row("Edit6", "QLineEdit", {190, 50, 61, 20}, "10", false, 12, kWindowText, kMoneyGreen, "材料１ 在庫");
  row("Edit7", "QLineEdit", {190, 70, 61, 20}, "0", false, 12, kWindowText, kMoneyGreen, "材料２ 在庫");
  row("Edit8", "QLineEdit", {190, 90, 61, 20}, "0", false, 12, kWindowText, kMoneyGreen, "材料３ 在庫");
  row("Edit9", "QLineEdit", {190, 110, 61, 20}, "0", false, 12, kWindowText, kMoneyGreen, "材料４ 在庫");
  row("Edit10", "QLineEdit", {190, 130, 61, 20}, "0", false, 12, kWindowText, kMoneyGreen, "材料５ 在庫");
  row("RichEdit1", "QPlainTextEdit", {260, 50, 361, 241}, "", false, 12, kWindowText, base, "ログ");
  row("StaticText11", "QLabel", {10, 190, 112, 16}, "成功率（補正値込み）", false, 12, kWindowText, kNoFill);
  row("Edit11", "QLineEdit", {140, 190, 71, 20}, "80.1", false, 12, kWindowText, kYellow, "成功率");
  row("BitBtn1", "QPushButton", {540, 300, 91, 31}, "工房から出る", false, 12, kWindowText, kNoFill);
  row("Button1", "QPushButton", {370, 300, 91, 31}, "試作してみる", true, 13, kRed, kNoFill);
  row("CheckBox1", "QCheckBox", {0, 220, 131, 17}, "作成ログを表示する", false, 12, kWindowText, kNoFill);
  row("StaticText12", "QLabel", {0, 300, 291, 16}, "高品質や低品質の期待値は、あまり信用しないでください", false, 12, kGreen, kNoFill);
  row("Button2", "QPushButton", {460, 300, 81, 31}, "ログ消去", false, 12, kWindowText, kNoFill);
  // clang-format on
}

void TestLayout::control() {
  QFETCH(QString, kind);
  QFETCH(QRect, geometry);
  QFETCH(QString, text);
  QFETCH(bool, bold);
  QFETCH(int, pixels);
  QFETCH(QColor, colour);
  QFETCH(QColor, fill);
  QFETCH(QString, accessibleName);

  TForm1 form;
  auto* widget = form.findChild<QWidget*>(QTest::currentDataTag());
  QVERIFY(widget);
  QCOMPARE(widget->parentWidget(), &form);
  QCOMPARE(QString::fromLatin1(widget->metaObject()->className()), kind);
  QCOMPARE(widget->geometry(), geometry);
  QCOMPARE(WidgetText(widget), text);
  QCOMPARE(widget->font().bold(), bold);
  QCOMPARE(QFontInfo(widget->font()).pixelSize(), pixels);
  QCOMPARE(widget->palette().color(widget->foregroundRole()),
           colour.isValid() ? colour : form.palette().color(QPalette::WindowText));
  if (fill.isValid())
    QCOMPARE(widget->palette().color(QPalette::Base), fill);
  else
    QVERIFY(!widget->autoFillBackground());
  QCOMPARE(widget->accessibleName(), accessibleName);
  // Only the inputs, the log, the buttons and the check box are reached by Tab.
  QCOMPARE(widget->focusPolicy() == Qt::NoFocus, kind == "QLabel");
}

void TestLayout::stackingOrder() {
  TForm1 form;
  QStringList names;
  for (const QObject* child : form.children())
    if (child->isWidgetType()) names << child->objectName();
  const QStringList expected{
      "Image1",      "Label1",      "StaticText3", "StaticText4", "StaticText5",  "StaticText6",
      "StaticText7", "StaticText8", "StaticText9", "StaticText2", "ComboBox1",    "ComboBox2",
      "ComboBox3",   "ComboBox4",   "ComboBox5",   "StaticText1", "Edit1",        "Edit2",
      "Edit3",       "Edit4",       "Edit5",       "ComboBox6",   "StaticText10", "Edit6",
      "Edit7",       "Edit8",       "Edit9",       "Edit10",      "RichEdit1",    "StaticText11",
      "Edit11",      "BitBtn1",     "Button1",     "CheckBox1",   "StaticText12", "Button2"};
  QCOMPARE(names, expected);
}

void TestLayout::keyboardOrder() {
  TForm1 form;
  form.show();
  QVERIFY(QTest::qWaitForWindowActive(&form));
  QCOMPARE(QApplication::focusWidget()->objectName(), "ComboBox1");

  QStringList visited;
  for (int i = 0; i < 22; ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    visited << QApplication::focusWidget()->objectName();
  }
  const QStringList expected{"ComboBox2", "ComboBox3", "ComboBox4", "ComboBox5", "Edit1",
                             "Edit2",     "Edit3",     "Edit4",     "Edit5",     "ComboBox6",
                             "Edit6",     "Edit7",     "Edit8",     "Edit9",     "Edit10",
                             "RichEdit1", "Edit11",    "BitBtn1",   "Button1",   "CheckBox1",
                             "Button2",   "ComboBox1"};
  QCOMPARE(visited, expected);
}

// Every caption is drawn whole: a static text drawn with room to spare puts
// no visible ink beyond its designed size, and each button's caption fits its face.
void TestLayout::textFitsItsControl() {
  TForm1 form;
  for (QLabel* label : form.findChildren<QLabel*>()) {
    if (label->text().isEmpty()) continue;
    const QSize size = label->size();
    label->resize(size + QSize(8, 8));
    const QImage image = label->grab().toImage();
    label->resize(size);
    const QRgb background = image.pixel(image.width() - 1, image.height() - 1);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (x >= size.width() || y >= size.height())
          QVERIFY2(!IsInk(image.pixel(x, y), background), qPrintable(label->objectName()));
  }
  for (const QAbstractButton* button : form.findChildren<QAbstractButton*>()) {
    const QFontMetrics metrics(button->font());
    QVERIFY2(metrics.horizontalAdvance(button->text()) <= CaptionWidth(button),
             qPrintable(button->objectName()));
  }
}

void TestLayout::lists() {
  TForm1 form;
  const QStringList list_b = QStringList{"0"} + kListA;
  const QStringList list_c{"1", "5", "7", "10", "15", "25", "30", "40", "50", "70", "100"};
  const QList<std::pair<const char*, QStringList>> expected{
      {"ComboBox1", kListA}, {"ComboBox2", list_b}, {"ComboBox3", list_b},
      {"ComboBox4", list_b}, {"ComboBox5", list_b}, {"ComboBox6", list_c}};
  for (const auto& [name, items] : expected) {
    auto* combo = form.findChild<QComboBox*>(name);
    QCOMPARE(Items(combo), items);
    QCOMPARE(combo->maxVisibleItems(), 8);
    QVERIFY(combo->isEditable());
    QCOMPARE(combo->completer(), nullptr);
  }
}

void TestLayout::banner() {
  TForm1 form;
  auto* image = form.findChild<QLabel*>("Image1");
  const QPixmap banner = image->pixmap();
  QCOMPARE(banner.size(), QSize(160, 41));
  QVERIFY(!image->hasScaledContents());
  QCOMPARE(image->alignment(), Qt::AlignLeft | Qt::AlignTop);
  QVERIFY(!banner.toImage().isGrayscale());
}

void TestLayout::logOpensWithInstructions() {
  TForm1 form;
  auto* log = form.findChild<QPlainTextEdit*>("RichEdit1");
  const QString expected =
      u"材料１～５\u3000\u3000：レシピを見て、選択してください\n"_qs
      u"作成される数：レシピを見て、埋めてください\n"_qs
      u"成功率：作成スキル値＋補正値等の合計を入れてください\n"_qs +
      QString(49, u'-') + u'\n';
  QCOMPARE(log->toPlainText(), expected);
  QVERIFY(log->textCursor().atEnd());
  QVERIFY(!log->isReadOnly());
  QVERIFY(log->tabChangesFocus());
  QCOMPARE(log->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  QCOMPARE(log->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  QCOMPARE(log->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
  QCOMPARE(log->frameShadow(), QFrame::Sunken);
}

void TestLayout::window() {
  TForm1 form;
  QCOMPARE(form.objectName(), "Form1");
  QCOMPARE(form.windowTitle(), u"Orvanne計算機\uFF08生産者向け\uFF09\u03B2_05"_qs);
  QCOMPARE(form.size(), QSize(631, 332));
  QCOMPARE(form.minimumSize(), form.maximumSize());
  QCOMPARE(QFontInfo(form.font()).family(), "IPAPGothic");
  QCOMPARE(QFontInfo(form.font()).pixelSize(), 12);
  QCOMPARE(form.palette().color(QPalette::Window), form.palette().color(QPalette::Button));
  form.show();
  QVERIFY(QTest::qWaitForWindowExposed(&form));
  QCOMPARE(form.frameGeometry().topLeft(), QPoint(237, 355));
}

// The form needs the application's start-up: its title and the font stand-in.
int main(int argc, char** argv) {
  TApplication application(argc, argv);
  TestLayout test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_layout.moc"
