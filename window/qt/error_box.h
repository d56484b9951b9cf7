// The modal error box; its text follows window/error_box_text.h.
#pragma once

#include <QString>
#include <functional>

class TErrorBox {
 public:
  // The seam: tests replace how the box is shown; caption and final text.
  using Presenter = std::function<void(const QString& caption, const QString& text)>;

  // Shows a modal QMessageBox (critical icon, one OK button, caption
  // QApplication::applicationName(), the text as plain text) unless a
  // presenter is set.
  void Show(const QString& message);
  void SetPresenter(Presenter presenter);

 private:
  Presenter presenter_;
};
