#include "window/qt/size_hold.h"

#include <QEvent>
#include <QWidget>

TSizeHold::TSizeHold(QWidget* window) : QObject(window), window_(window) {
  window->installEventFilter(this);
}

// resize() keeps to the limits and goes out to the platform window; the
// Resize event it sends at once is within the limits and left alone, so an
// answer never answers itself. A window manager that refuses the answer
// reports no new size, so the exchange ends there as well.
bool TSizeHold::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::Resize && event->type() != QEvent::WindowStateChange) return false;
  const QSize held =
      window_->size().expandedTo(window_->minimumSize()).boundedTo(window_->maximumSize());
  if (window_->size() == held) return false;
  // A maximised or full-screen window is sized by the platform, which
  // refuses any other size until the window leaves that state. The state
  // may be reported before or after the size, hence both events.
  constexpr Qt::WindowStates kSizedByPlatform = Qt::WindowMaximized | Qt::WindowFullScreen;
  if (window_->windowState() & kSizedByPlatform)
    window_->setWindowState(window_->windowState() & ~kSizedByPlatform);
  window_->resize(held);
  return false;
}
