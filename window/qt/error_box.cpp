#include "window/qt/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <utility>

#include "window/error_box_text.h"

namespace {

QString FromUtf16(const std::u16string& text) { return QString::fromStdU16String(text); }

}  // namespace

void TErrorBox::SetPresenter(Presenter presenter) { presenter_ = std::move(presenter); }

void TErrorBox::Show(const QString& message) {
  const QString caption = QApplication::applicationName();
  const QString text = FromUtf16(ErrorBoxText(message.toStdU16String()));
  if (presenter_) {
    presenter_(caption, text);
    return;
  }

  // Where the user was: the box gives both back when it closes.
  QPointer<QWidget> active_window = QApplication::activeWindow();
  QPointer<QWidget> focus_widget = QApplication::focusWidget();

  // Parented to the active window so that it opens over it (on its monitor);
  // exec() makes it application-modal: every other window takes no input.
  QMessageBox box(QMessageBox::Critical, caption, FromUtf16(ShownText(text.toStdU16String())),
                  QMessageBox::Ok, active_window.data());
  // The message as it is, character for character: a pasted "<b>" or
  // "&amp;" is text, never markup.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(QMessageBox::Ok);
  box.exec();

  if (active_window != nullptr && active_window->isVisible()) {
    active_window->activateWindow();
  }
  if (focus_widget != nullptr && focus_widget->isVisible() && focus_widget->isEnabled()) {
    focus_widget->setFocus(Qt::ActiveWindowFocusReason);
  }
}
