// What a screen reader learns of Form1 through Qt's accessibility
// interfaces: a name for every control a listener must tell apart and the
// captions that name the fields. Which log lines it is told of needs a live
// accessibility bus: the end-to-end test checks that.
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <set>

#include "window_test_support.h"

namespace {

QAccessibleInterface* Accessible(const TForm1& form, const QString& name) {
  return QAccessible::queryAccessibleInterface(form.findChild<QWidget*>(name));
}

}  // namespace

class TestAccessibility : public QObject {
  Q_OBJECT

 private slots:
  void comboBoxes_data();
  void comboBoxes();
  void everyFocusableControlHasItsOwnName();
  void bannerAndLogDescribeThemselves();
  void captions_data();
  void captions();
};

void TestAccessibility::comboBoxes_data() {
  QTest::addColumn<QString>("name");
  QTest::addColumn<QString>("value");
  QTest::newRow("ComboBox1") << u"材料１ 個数"_qs << "1";
  QTest::newRow("ComboBox2") << u"材料２ 個数"_qs << "0";
  QTest::newRow("ComboBox3") << u"材料３ 個数"_qs << "0";
  QTest::newRow("ComboBox4") << u"材料４ 個数"_qs << "0";
  QTest::newRow("ComboBox5") << u"材料５ 個数"_qs << "0";
  QTest::newRow("ComboBox6") << u"作成される数"_qs << "1";
}

// The box is named for its field and tells its text as its value; its line
// edit, which holds the caret, has the same name.
void TestAccessibility::comboBoxes() {
  QFETCH(QString, name);
  QFETCH(QString, value);
  TForm1 form;
  QAccessibleInterface* box = Accessible(form, QTest::currentDataTag());
  QVERIFY(box);
  QCOMPARE(box->role(), QAccessible::ComboBox);
  QCOMPARE(box->text(QAccessible::Name), name);
  QCOMPARE(box->text(QAccessible::Value), value);
  QCOMPARE(box->childCount(), 2);
  QAccessibleInterface* edit = box->child(1);
  QCOMPARE(edit->object(), form.findChild<QComboBox*>(QTest::currentDataTag())->lineEdit());
  QCOMPARE(edit->text(QAccessible::Name), name);
  QCOMPARE(box->indexOfChild(edit), 1);
  QCOMPARE(box->focusChild(), edit);
  QCOMPARE(edit->parent(), box);

  form.findChild<QComboBox*>(QTest::currentDataTag())->setEditText("75");
  QCOMPARE(box->text(QAccessible::Value), "75");
  QCOMPARE(box->text(QAccessible::Name), name);
}

void TestAccessibility::everyFocusableControlHasItsOwnName() {
  TForm1 form;
  std::set<QString> names;
  for (QWidget* widget : form.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (widget->focusPolicy() == Qt::NoFocus) continue;
    const QString name = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    QVERIFY2(!name.isEmpty(), qPrintable(widget->objectName()));
    QVERIFY2(names.insert(name).second, qPrintable(name));
  }
  QCOMPARE(names.size(), std::size_t{22});
}

void TestAccessibility::bannerAndLogDescribeThemselves() {
  TForm1 form;
  QAccessibleInterface* banner = Accessible(form, "Image1");
  QCOMPARE(banner->text(QAccessible::Name), u"工房から出る（バナー）"_qs);
  QCOMPARE(banner->text(QAccessible::Description), u"クリックするとプログラムを終了します"_qs);
  QAccessibleInterface* log = Accessible(form, "RichEdit1");
  QCOMPARE(log->text(QAccessible::Name), u"ログ"_qs);
  QCOMPARE(log->text(QAccessible::Description), u"試作の結果と作成ログがここに書き込まれます"_qs);
}

void TestAccessibility::captions_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QStringList>("captions");
  QTest::newRow("row 1 quantity") << "ComboBox1" << QStringList{u"材料１"_qs, u"個\u3000数"_qs};
  QTest::newRow("row 5 quantity") << "ComboBox5" << QStringList{u"材料５"_qs};
  QTest::newRow("yield") << "ComboBox6" << QStringList{u"作成される数（レシピ参照）"_qs};
  QTest::newRow("first price") << "Edit1" << QStringList{u"単\u3000価"_qs};
  QTest::newRow("first stock") << "Edit6" << QStringList{u"在\u3000庫"_qs};
  QTest::newRow("rate") << "Edit11" << QStringList{u"成功率（補正値込み）"_qs};
  QTest::newRow("second price") << "Edit2" << QStringList{};
}

// The captions on screen are the fields' labels for a screen reader.
void TestAccessibility::captions() {
  QFETCH(QString, field);
  QFETCH(QStringList, captions);
  TForm1 form;
  QStringList labels;
  for (const auto& [label, relation] : Accessible(form, field)->relations(QAccessible::Label))
    labels << label->text(QAccessible::Name);
  labels.sort();
  captions.sort();
  QCOMPARE(labels, captions);
}

int main(int argc, char** argv) {
  TApplication application(argc, argv);
  TestAccessibility test;
  return QTest::qExec(&test, argc, argv);
}
#include "tst_accessibility.moc"
