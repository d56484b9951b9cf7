#include "window/qt/control_builder.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <limits>

#include "window/layout_scaling.h"
#include "window/qt/accessible_combo_box.h"

namespace {

constexpr int kVisibleListRows = 8;

QColor ToQColor(Rgb colour) { return QColor(colour.red, colour.green, colour.blue); }

QLabel* BuildText(const QString& text) {
  auto* label = new QLabel(text);
  label->setTextFormat(Qt::PlainText);
  // Static texts draw from their top-left corner like the platform's.
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

QLabel* BuildPicture() {
  auto* picture = new QLabel;
  picture->setPixmap(QPixmap(QStringLiteral(":/assets/banner.jpg")));
  picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return picture;
}

// Qt cuts a line edit's text at 32767 characters, silently dropping the rest
// of a paste; the fields take any length, and a text too long to be a number
// is refused whole by the trial's conversion instead.
void TakeAnyLength(QLineEdit* edit) { edit->setMaxLength(std::numeric_limits<int>::max()); }

QLineEdit* BuildEdit(const QString& text) {
  auto* edit = new QLineEdit(text);
  TakeAnyLength(edit);
  return edit;
}

QComboBox* BuildComboBox(const QString& text, ItemList items) {
  // Before the box exists: Qt keeps the first interface it makes for it.
  TAccessibleComboBox::Install();
  auto* combo = new QComboBox;
  combo->setEditable(true);
  TakeAnyLength(combo->lineEdit());
  // Typed text is completed by our own rule, and Enter must not add items.
  combo->setCompleter(nullptr);
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setMaxVisibleItems(kVisibleListRows);
  for (const char* item : ListItems(items)) combo->addItem(QString::fromUtf8(item));
  combo->setEditText(text);
  return combo;
}

QPlainTextEdit* BuildLog() {
  auto* log = new QPlainTextEdit;
  log->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  log->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  log->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  log->setTabChangesFocus(true);
  // The selection is hidden while the log does not have the focus.
  QPalette palette = log->palette();
  palette.setColor(QPalette::Inactive, QPalette::Highlight, palette.color(QPalette::Base));
  palette.setColor(QPalette::Inactive, QPalette::HighlightedText, palette.color(QPalette::Text));
  log->setPalette(palette);
  return log;
}

QWidget* BuildWidget(const ControlRow& entry) {
  const QString text = QString::fromUtf8(entry.text);
  switch (entry.kind) {
    case ControlKind::Picture:
      return BuildPicture();
    case ControlKind::Label:
    case ControlKind::StaticText:
      return BuildText(text);
    case ControlKind::ComboBox:
      return BuildComboBox(text, entry.items);
    case ControlKind::Edit:
      return BuildEdit(text);
    case ControlKind::Log:
      return BuildLog();
    case ControlKind::PushButton:
      return new QPushButton(text);
    case ControlKind::CheckBox:
      return new QCheckBox(text);
  }
  return nullptr;
}

void ApplyLook(QWidget* widget, const ControlLook& look, const TLayoutScale& scale) {
  if (look.bold || look.pixel_size != 0) {
    QFont font = widget->font();
    font.setBold(look.bold);
    font.setPixelSize(
        scale.FontPixels(look.pixel_size != 0 ? look.pixel_size : kDesignedFontPixels));
    widget->setFont(font);
  }
  if (!look.text_colour && !look.fill) return;
  QPalette palette = widget->palette();
  if (look.text_colour) {
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
      palette.setColor(role, ToQColor(*look.text_colour));
  }
  if (look.fill) palette.setColor(QPalette::Base, ToQColor(*look.fill));
  widget->setPalette(palette);
}

}  // namespace

QWidget* BuildControl(const ControlRow& entry, const TLayoutScale& scale, QWidget* form) {
  QWidget* widget = BuildWidget(entry);
  widget->setParent(form);
  widget->setObjectName(QString::fromLatin1(entry.name));
  if (!TakesFocus(entry.kind)) widget->setFocusPolicy(Qt::NoFocus);
  if (entry.accessible_name) {
    const QString name = QString::fromUtf8(entry.accessible_name);
    widget->setAccessibleName(name);
    // A box's line edit is what holds the text a listener reads.
    if (auto* combo = qobject_cast<QComboBox*>(widget)) combo->lineEdit()->setAccessibleName(name);
  }
  if (entry.accessible_description)
    widget->setAccessibleDescription(QString::fromUtf8(entry.accessible_description));
  ApplyLook(widget, entry.look, scale);
  return widget;
}
