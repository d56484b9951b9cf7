// The application object: its title, its icon and the top-level error handler.
#pragma once

#include <QApplication>
#include <exception>

#include "window/error_box.h"

// The title from the executable's path: the file name after the last "/",
// cut at its first ".", every character after the first lower-cased.
//   "/usr/bin/CALC.EXE" -> "Calc", "MY.TOOL.EXE" -> "My", "orvanne-calc" -> "orvanne-calc"
QString ApplicationTitle(const QString& executable_path);

class TApplication : public QApplication {
 public:
  TApplication(int& argc, char** argv);

  // Every exception that leaves an event handler ends here: mouse capture is
  // released and the message goes to the error box; the loop goes on.
  bool notify(QObject* receiver, QEvent* event) override;
  void HandleException(std::exception_ptr error);

  TErrorBox& ErrorBox() { return error_box_; }

 private:
  TErrorBox error_box_;
};
