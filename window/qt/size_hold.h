// A window of fixed size keeps it. Size hints stop a window manager that
// reads them, but a resize that ignores them (xdotool, a window manager that
// grants every request, a maximise that disregards the hints) still reaches
// the window; each such resize is answered with the size within the window's
// limits.
#pragma once

#include <QObject>

class QWidget;

class TSizeHold : public QObject {
  Q_OBJECT
 public:
  // Holds the window for as long as it lives.
  explicit TSizeHold(QWidget* window);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* window_;
};
