// The modal error box and the rule for its text.
#pragma once

#include <QString>
#include <functional>

class QWidget;

// The message with "." appended when its last character sorts after "."
// (every non-ASCII character does); an empty message stays empty.
QString ErrorBoxText(const QString& message);

class TErrorBox {
 public:
  // The seam: tests replace how the box is shown; caption and final text.
  using Presenter = std::function<void(const QString& caption, const QString& text)>;

  // Shows a modal QMessageBox (critical icon, one OK button, caption
  // QApplication::applicationName()) unless a presenter is set.
  void Show(const QString& message);
  void SetPresenter(Presenter presenter);

 private:
  Presenter presenter_;
};
