// Arrow keys on controls that do not use them move the focus along all the
// windowed controls in creation order, wrapping at the ends: Right and Down
// forward, Left and Up back. Unlike Tab they stop on controls that are no
// tab stops, such as static texts. With Alt held they move nothing.
#pragma once

#include <QList>
#include <QObject>

class QWidget;

class TArrowNavigation : public QObject {
  Q_OBJECT
 public:
  // order: every control the arrows may reach, in order; the filter goes on
  // those of them that leave the arrows alone.
  TArrowNavigation(QList<QWidget*> order, const QList<QWidget*>& watched, QObject* parent);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QList<QWidget*> order_;
};
