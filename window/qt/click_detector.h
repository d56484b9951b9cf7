// A click as the platform counts it on a picture or an edit field: the
// primary button pressed inside the control and released inside it (for a
// line edit, inside its text area, the border excluded). Qt delivers the
// second press of a double click as a double-click event, not a press, so
// it makes no second click.
#pragma once

#include <QObject>

class QWidget;

class TClickDetector : public QObject {
  Q_OBJECT
 public:
  // Watches the target for as long as it lives.
  explicit TClickDetector(QWidget* target);

 signals:
  void clicked();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool InArea(const QPointF& position) const;

  QWidget* target_;
  bool pressed_inside_ = false;
};
