#include "window/qt/click_detector.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionFrame>

namespace {

QRect TextArea(const QLineEdit* edit) {
  QStyleOptionFrame option;
  option.initFrom(edit);
  option.lineWidth = edit->hasFrame()
                         ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                         : 0;
  return edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, edit);
}

}  // namespace

TClickDetector::TClickDetector(QWidget* target) : QObject(target), target_(target) {
  target->installEventFilter(this);
}

bool TClickDetector::eventFilter(QObject*, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
  const auto* mouse = static_cast<QMouseEvent*>(event);
  if (mouse->button() != Qt::LeftButton) return false;
  const bool inside = InArea(mouse->position());
  if (type == QEvent::MouseButtonPress) {
    pressed_inside_ = inside;
  } else {
    const bool click = pressed_inside_ && inside;
    pressed_inside_ = false;
    if (click) emit clicked();
  }
  return false;  // the control handles the mouse as usual
}

bool TClickDetector::InArea(const QPointF& position) const {
  const QPoint point = position.toPoint();
  if (const auto* edit = qobject_cast<const QLineEdit*>(target_))
    return TextArea(edit).contains(point);
  return target_->rect().contains(point);
}
