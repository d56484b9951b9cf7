#include "window/qt/form1.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <utility>
#include <vector>

#include "window/control_table.h"
#include "window/layout_scaling.h"
#include "window/qt/application.h"
#include "window/qt/arrow_navigation.h"
#include "window/qt/click_detector.h"
#include "window/qt/combo_completion.h"
#include "window/qt/control_builder.h"
#include "window/qt/enter_click.h"
#include "window/qt/numeric_key_filter.h"
#include "window/qt/size_hold.h"

namespace {

// The application has made IPA P Gothic the stand-in for the designed face.
// With Qt's own scaling (the default on Qt 6) the logical density is 96 and
// the device pixel ratio carries the screen's; with it off the logical
// density is the screen's and the rule scales font and layout itself.
QFont DesignedWindowFont(int dots_per_inch) {
  QFont font(QString::fromUtf8(kDesignedFontFamily));
  font.setPixelSize(FontPixelsForDensity(kDesignedFontPixels, dots_per_inch));
  return font;
}

// "80.1" written with the decimal mark the number fields accept, so the
// initial sheet runs whatever the user's separator.
QString InitialRateText() {
  return QStringLiteral("80") + QLatin1Char(engine::DecimalMark()) + QStringLiteral("1");
}

QString Name(const ControlRow& entry) { return QString::fromLatin1(entry.name); }

QRect ToQRect(const Rect& r) { return {r.left, r.top, r.width, r.height}; }

}  // namespace

template <class Control>
Control* TForm1::Find(const QString& name) const {
  return findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}

TForm1::TForm1(engine::TRandomSource::Clock clock, QWidget* parent)
    : QWidget(parent), random_(std::move(clock)) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kForm1Caption));
  setFont(DesignedWindowFont(qRound(screen()->logicalDotsPerInchY())));
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);

  BuildControls();
  FitClientToControls();
  new TSizeHold(this);
  SetKeyboardOrder();
  FindFields();
  fields_.rate->setText(InitialRateText());
  log_ = std::make_unique<TCraftLog>(Find<QPlainTextEdit>(QStringLiteral("RichEdit1")));
  LoadInstructionLines();
  WireKeyboard();
  WireHandlers();
  // The designed corner is in the screen's own pixels; Qt places windows in
  // device-independent ones, which its scaling multiplies by the ratio.
  const qreal ratio = screen()->devicePixelRatio();
  move(qRound(kDesignedPosition.x / ratio), qRound(kDesignedPosition.y / ratio));
}

// The rule scales by the text height of "0" in the window's font, which for
// the designed face is its character height. The pixel size the font got
// stands for it: the substitute's ascent plus descent is a pixel or two
// taller than its characters, and measuring that would scale a window at 96
// dots per inch.
void TForm1::BuildControls() {
  const TLayoutScale scale(QFontInfo(font()).pixelSize());
  for (const ControlRow& entry : Form1Controls()) {
    QWidget* control = BuildControl(entry, scale, this);
    control->setGeometry(ToQRect(scale.Geometry(entry.geometry, HasFixedHeight(entry.kind))));
  }
  // A caption's buddy is what a screen reader hears it name.
  for (const ControlRow& entry : Form1Controls()) {
    if (entry.caption_for == nullptr) continue;
    Find<QLabel>(Name(entry))->setBuddy(Find<QWidget>(QString::fromLatin1(entry.caption_for)));
  }
}

// The client area is exactly the bounding box of the controls, which start
// at its top-left corner; the window keeps that size.
void TForm1::FitClientToControls() {
  const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  std::vector<Rect> placed;
  for (const QWidget* control : controls) {
    const QRect g = control->geometry();
    placed.push_back({g.x(), g.y(), g.width(), g.height()});
  }
  const Rect box = BoundingBox(placed);
  for (QWidget* control : controls) control->move(control->pos() - QPoint(box.left, box.top));
  setFixedSize(box.width, box.height);
}

void TForm1::SetKeyboardOrder() {
  const std::vector<const ControlRow*> order = KeyboardOrder();
  for (std::size_t i = 1; i < order.size(); ++i)
    setTabOrder(Find<QWidget>(Name(*order[i - 1])), Find<QWidget>(Name(*order[i])));
  Find<QWidget>(Name(*order.front()))->setFocus();
}

void TForm1::FindFields() {
  for (int row = 1; row <= engine::kMaterialRows; ++row) {
    fields_.required[row - 1] = Find<QComboBox>(QStringLiteral("ComboBox%1").arg(row));
    fields_.price[row - 1] = Find<QLineEdit>(QStringLiteral("Edit%1").arg(row));
    fields_.stock[row - 1] =
        Find<QLineEdit>(QStringLiteral("Edit%1").arg(engine::kMaterialRows + row));
  }
  fields_.yield = Find<QComboBox>(QStringLiteral("ComboBox6"));
  fields_.rate = Find<QLineEdit>(QStringLiteral("Edit11"));
  fields_.show_log = Find<QCheckBox>(QStringLiteral("CheckBox1"));
}

void TForm1::LoadInstructionLines() {
  for (const char* line : LogInstructionLines()) log_->AppendLogLine(line);
}

void TForm1::WireKeyboard() {
  for (QComboBox* combo : findChildren<QComboBox*>(Qt::FindDirectChildrenOnly))
    new TComboCompletion(combo);
  auto* numeric_filter = new TNumericKeyFilter(this);
  for (QLineEdit* edit : findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly))
    edit->installEventFilter(numeric_filter);
  for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
    new TEnterClick(button);

  // Arrows travel over every windowed control in creation order. The
  // buttons, the check box and the static texts (which only the arrows
  // reach) leave the arrows to it; lists, edits and the log use them.
  QList<QWidget*> order;
  QList<QWidget*> watched;
  for (const ControlRow& entry : Form1Controls()) {
    if (!IsWindowed(entry.kind)) continue;
    QWidget* control = Find<QWidget>(Name(entry));
    order << control;
    if (qobject_cast<QAbstractButton*>(control) || qobject_cast<QLabel*>(control))
      watched << control;
  }
  new TArrowNavigation(order, watched, this);
}

void TForm1::WireHandlers() {
  ConnectHandler(Find<QPushButton>(QStringLiteral("Button1")), &QPushButton::clicked, this,
                 [this] { Button1Click(); });
  ConnectHandler(Find<QPushButton>(QStringLiteral("Button2")), &QPushButton::clicked, this,
                 [this] { Button2Click(); });
  ConnectHandler(Find<QPushButton>(QStringLiteral("BitBtn1")), &QPushButton::clicked, this,
                 [this] { close(); });
  ConnectHandler(new TClickDetector(Find<QLabel>(QStringLiteral("Image1"))),
                 &TClickDetector::clicked, this, [this] { close(); });
  // Edit1Click ... Edit10Click: a click empties the clicked price or stock field.
  for (const auto& column : {fields_.price, fields_.stock}) {
    for (QLineEdit* field : column)
      ConnectHandler(new TClickDetector(field), &TClickDetector::clicked, field,
                     [field] { field->clear(); });
  }
}

// The run's lines reach the log in one insertion when it ends; an error is
// shown by the error box, and the lines and texts written before it stay.
void TForm1::Button1Click() {
  TCraftLog::Batch batch(*log_);
  engine::RunTrials(*this, random_);
  batch.Commit();
}

void TForm1::Button2Click() { log_->ClearLog(); }

QWidget* TForm1::FieldControl(engine::SheetField field, int row) const {
  switch (field) {
    case engine::SheetField::RequiredQty:
      return fields_.required.at(row - 1);
    case engine::SheetField::UnitPrice:
      return fields_.price.at(row - 1);
    case engine::SheetField::StockQty:
      return fields_.stock.at(row - 1);
    case engine::SheetField::YieldPerCraft:
      return fields_.yield;
    case engine::SheetField::SuccessRate:
      return fields_.rate;
  }
  return nullptr;
}

std::string TForm1::FieldText(engine::SheetField field, int row) const {
  QWidget* control = FieldControl(field, row);
  if (auto* combo = qobject_cast<QComboBox*>(control)) return combo->currentText().toStdString();
  return static_cast<QLineEdit*>(control)->text().toStdString();
}

void TForm1::SetFieldText(engine::SheetField field, int row, const std::string& text) {
  QWidget* control = FieldControl(field, row);
  if (auto* combo = qobject_cast<QComboBox*>(control))
    combo->setEditText(QString::fromStdString(text));
  else
    static_cast<QLineEdit*>(control)->setText(QString::fromStdString(text));
}

bool TForm1::ShowCraftLog() const {
  attempt_line_next_ = fields_.show_log->isChecked();
  return attempt_line_next_;
}

void TForm1::AppendLogLine(const std::string& text) {
  const bool attempt = std::exchange(attempt_line_next_, false);
  log_->AppendLogLine(text, attempt);
}
