// The application object: its title, its icon and the top-level error handler.
#pragma once

#include <QApplication>
#include <exception>
#include <utility>

#include "window/qt/error_box.h"

// The title from the executable's path (window/application_title.h) with
// "/" as the separator and Qt's lower-casing.
//   "/usr/bin/CALC.EXE" -> "Calc", "MY.TOOL.EXE" -> "My", "orvanne-calc" -> "orvanne-calc"
QString ApplicationTitle(const QString& executable_path);

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);

  // Every exception that leaves an event handler ends here: mouse capture is
  // released and the message goes to the error box; the loop goes on.
  bool notify(QObject* receiver, QEvent* event) override;
  void HandleException(const std::exception_ptr& error);

  TErrorBox& ErrorBox() { return error_box_; }

 protected:
  // Reloads engine::DecimalMark() on QEvent::LocaleChange.
  bool event(QEvent* event) override;

 private:
  TErrorBox error_box_;
};

// Hands an exception to the running TApplication's HandleException; without
// a TApplication (a test on a plain QApplication) it is only logged.
void ReportException(const std::exception_ptr& error);

// Debian's libQt6Widgets and libQt6Gui carry no exception cleanup tables, so
// an exception unwinding through their frames (a slot or event handler up to
// notify) skips their destructors. Every handler (ConnectHandler below)
// runs through this boundary, which stops the exception before any Qt frame
// and reports it like the top-level handler; notify stays the backstop.
template <class F>
void RunGuarded(F&& handler) {
  try {
    std::forward<F>(handler)();
  } catch (...) {
    ReportException(std::current_exception());
  }
}

// The one way to connect a handler of the window: it runs through RunGuarded,
// so no handler has to remember the boundary itself.
template <class Sender, class Signal, class Handler>
QMetaObject::Connection ConnectHandler(const Sender* sender, Signal signal, const QObject* context,
                                       Handler handler) {
  return QObject::connect(sender, signal, context,
                          [handler = std::move(handler)] { RunGuarded(handler); });
}
