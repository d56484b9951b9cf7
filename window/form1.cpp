#include "window/form1.h"

#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScreen>
#include <algorithm>
#include <vector>

#include "engine/decimal_mark.h"
#include "window/combo_completion.h"
#include "window/control_builder.h"
#include "window/control_table.h"
#include "window/layout_scaling.h"

namespace {

constexpr QPoint kDesignedPosition(237, 355);

QFont DesignedWindowFont(int dots_per_inch) {
  // IPA P Gothic was drawn to the designed face's widths; it stands in
  // wherever that face is missing.
  QFont::insertSubstitution(QString::fromUtf8(kDesignedFontFamily), QStringLiteral("IPAPGothic"));
  QFont font(QString::fromUtf8(kDesignedFontFamily));
  font.setPixelSize(FontPixelsForDensity(kDesignedFontPixels, dots_per_inch));
  return font;
}

// "80.1" written with the decimal mark the number fields accept, so the
// initial sheet runs whatever the user's separator.
QString InitialRateText() {
  return QStringLiteral("80") + QLatin1Char(engine::DecimalMark()) + QStringLiteral("1");
}

}  // namespace

template <class Control>
Control* TForm1::Find(const QString& name) const {
  return findChild<Control*>(name, Qt::FindDirectChildrenOnly);
}

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QString::fromUtf8(kForm1Caption));
  setFont(DesignedWindowFont(screen()->logicalDotsPerInchY()));
  QPalette face = palette();
  face.setColor(QPalette::Window, face.color(QPalette::Button));
  setPalette(face);

  BuildControls();
  FitClientToControls();
  SetKeyboardOrder();
  Find<QLineEdit>(QStringLiteral("Edit11"))->setText(InitialRateText());
  LoadInstructionLines();
  move(kDesignedPosition);
}

void TForm1::BuildControls() {
  const TLayoutScale scale(QFontInfo(font()).pixelSize());
  for (const ControlSpec& spec : Form1Controls()) {
    QWidget* control = BuildControl(spec, scale, this);
    control->setGeometry(scale.Geometry(spec.geometry, HasFixedHeight(spec.kind)));
  }
  for (QComboBox* combo : findChildren<QComboBox*>(Qt::FindDirectChildrenOnly))
    new TComboCompletion(combo);
}

// The client area is exactly the bounding box of the controls, which start
// at its top-left corner; the window keeps that size.
void TForm1::FitClientToControls() {
  const QList<QWidget*> controls = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
  QRect box;
  for (const QWidget* control : controls) box |= control->geometry();
  for (QWidget* control : controls) control->move(control->pos() - box.topLeft());
  setFixedSize(box.size());
}

void TForm1::SetKeyboardOrder() {
  std::vector<const ControlSpec*> order;
  for (const ControlSpec& spec : Form1Controls())
    if (spec.tab_position > 0) order.push_back(&spec);
  std::ranges::sort(order, {}, &ControlSpec::tab_position);
  for (std::size_t i = 1; i < order.size(); ++i)
    setTabOrder(Find<QWidget>(QString::fromLatin1(order[i - 1]->name)),
                Find<QWidget>(QString::fromLatin1(order[i]->name)));
  Find<QWidget>(QString::fromLatin1(order.front()->name))->setFocus();
}

void TForm1::LoadInstructionLines() {
  auto* log = Find<QPlainTextEdit>(QStringLiteral("RichEdit1"));
  for (const QString& line : LogInstructionLines()) log->insertPlainText(line + u'\n');
}
