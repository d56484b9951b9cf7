#include "window/qt/accessible_combo_box.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

namespace {

QAccessibleInterface* ComboBoxes(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("QComboBox")) return nullptr;
  auto* combo = qobject_cast<QComboBox*>(object);
  return combo == nullptr ? nullptr : new TAccessibleComboBox(combo);
}

}  // namespace

TAccessibleComboBox::TAccessibleComboBox(QComboBox* combo)
    : QAccessibleWidget(combo, QAccessible::ComboBox) {}

QComboBox* TAccessibleComboBox::Combo() const { return static_cast<QComboBox*>(widget()); }

void TAccessibleComboBox::Install() {
  static const bool installed = [] {
    QAccessible::installFactory(ComboBoxes);
    return true;
  }();
  Q_UNUSED(installed);
}

// The children as Qt gives them: the list, then the line edit of an
// editable box.
int TAccessibleComboBox::childCount() const { return Combo()->isEditable() ? 2 : 1; }

QAccessibleInterface* TAccessibleComboBox::child(int index) const {
  if (index == 0) return QAccessible::queryAccessibleInterface(Combo()->view());
  if (index == 1 && Combo()->isEditable())
    return QAccessible::queryAccessibleInterface(Combo()->lineEdit());
  return nullptr;
}

int TAccessibleComboBox::indexOfChild(const QAccessibleInterface* child) const {
  if (child == nullptr) return -1;
  if (child->object() == Combo()->view()) return 0;
  if (Combo()->isEditable() && child->object() == Combo()->lineEdit()) return 1;
  return -1;
}

QAccessibleInterface* TAccessibleComboBox::childAt(int x, int y) const {
  if (!Combo()->isEditable()) return nullptr;
  const QLineEdit* edit = Combo()->lineEdit();
  const QRect global(edit->mapToGlobal(QPoint(0, 0)), edit->size());
  return global.contains(x, y) ? child(1) : nullptr;
}

// The box keeps the keyboard focus for its line edit, which is where the
// caret is.
QAccessibleInterface* TAccessibleComboBox::focusChild() const {
  return Combo()->isEditable() ? child(1) : nullptr;
}

// The name is the box's accessible name or its caption's text; a box with
// neither is known by its text, as Qt has it.
QString TAccessibleComboBox::text(QAccessible::Text t) const {
  QString value = Combo()->isEditable() ? Combo()->lineEdit()->text() : Combo()->currentText();
  if (t == QAccessible::Value) return value;
  QString own = QAccessibleWidget::text(t);
  return own.isEmpty() && t == QAccessible::Name ? value : own;
}

QStringList TAccessibleComboBox::actionNames() const { return {showMenuAction(), pressAction()}; }

void TAccessibleComboBox::doAction(const QString& action_name) {
  if (action_name != showMenuAction() && action_name != pressAction()) return;
  if (Combo()->view()->isVisible())
    Combo()->hidePopup();
  else
    Combo()->showPopup();
}
