#include "window/error_box.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <utility>

QString ErrorBoxText(const QString& message) {
  // The last character sorts after "." (0x2E): for a surrogate pair the last
  // unit is a low surrogate, above 0x2E like every non-ASCII character.
  if (!message.isEmpty() && message.back().unicode() > u'.') return message + QLatin1Char('.');
  return message;
}

QString ShownText(const QString& text) {
  if (text.size() <= kShownCharacters) return text;
  qsizetype head = kShownCharacters / 2;
  qsizetype tail = kShownCharacters - head - 1;
  // Never split a surrogate pair.
  if (text[head - 1].isHighSurrogate()) --head;
  if (text[text.size() - tail].isLowSurrogate()) --tail;
  return text.left(head) + QChar(0x2026) + text.right(tail);
}

void TErrorBox::SetPresenter(Presenter presenter) { presenter_ = std::move(presenter); }

void TErrorBox::Show(const QString& message) {
  const QString caption = QApplication::applicationName();
  const QString text = ErrorBoxText(message);
  if (presenter_) {
    presenter_(caption, text);
    return;
  }

  // Where the user was: the box gives both back when it closes.
  QPointer<QWidget> active_window = QApplication::activeWindow();
  QPointer<QWidget> focus_widget = QApplication::focusWidget();

  // Parented to the active window so that it opens over it (on its monitor);
  // exec() makes it application-modal: every other window takes no input.
  QMessageBox box(QMessageBox::Critical, caption, ShownText(text), QMessageBox::Ok,
                  active_window.data());
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
