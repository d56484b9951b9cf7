#include "window/qt/arrow_navigation.h"

#include <QKeyEvent>
#include <QWidget>
#include <utility>

TArrowNavigation::TArrowNavigation(QList<QWidget*> order, const QList<QWidget*>& watched,
                                   QObject* parent)
    : QObject(parent), order_(std::move(order)) {
  for (QWidget* control : watched) control->installEventFilter(this);
}

bool TArrowNavigation::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  int step = 0;
  switch (key->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
      step = 1;
      break;
    case Qt::Key_Left:
    case Qt::Key_Up:
      step = -1;
      break;
    default:
      return false;
  }
  // Alt+arrow is swallowed too, so the button's own arrow handling cannot move.
  if (key->modifiers() & Qt::AltModifier) return true;
  const qsizetype count = order_.size();
  const qsizetype here = order_.indexOf(static_cast<QWidget*>(watched));
  // Reached by keyboard: an edit field arrived at selects its text.
  order_[(here + step + count) % count]->setFocus(Qt::TabFocusReason);
  return true;
}
