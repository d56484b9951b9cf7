#include "window/qt/enter_click.h"

#include <QAbstractButton>
#include <QKeyEvent>

TEnterClick::TEnterClick(QAbstractButton* button) : QObject(button), button_(button) {
  button->installEventFilter(this);
}

bool TEnterClick::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
  if (!enter || key->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))
    return false;
  button_->click();
  return true;
}
