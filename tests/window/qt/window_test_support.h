// What the window tests share: the application, the form's log text, a
// pinned clock for the draws of a run, and a hand that closes the real
// error box once it is open.
#pragma once

#include <QApplication>
#include <QDeadlineTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>
#include <QtTest>
#include <cstdint>
#include <functional>

#include "engine/engine.h"
#include "window/qt/application.h"
#include "window/qt/form1.h"

// Whether this build runs under AddressSanitizer (GCC and Clang say it
// differently).
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kAddressSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool kAddressSanitizer = true;
#else
inline constexpr bool kAddressSanitizer = false;
#endif
#else
inline constexpr bool kAddressSanitizer = false;
#endif

// The running application; only for tests whose main creates a TApplication.
inline TApplication& App() { return *static_cast<TApplication*>(QCoreApplication::instance()); }

inline QString LogText(const TForm1& form) {
  return form.findChild<QPlainTextEdit*>(QStringLiteral("RichEdit1"))->toPlainText();
}

// 12:34:56.789 UTC, an arbitrary instant.
inline constexpr std::uint32_t kPinnedMillisecondsOfDay = 45'296'789;

// A clock that always reads the same instant: every run of a form built
// with it draws the same attempts.
inline engine::TRandomSource::Clock PinnedClock(
    std::uint32_t milliseconds_of_day = kPinnedMillisecondsOfDay) {
  return [milliseconds_of_day] { return milliseconds_of_day; };
}

// How long a test waits, on a loaded machine, for the error box to become
// active and for the window it closes over to become active again.
inline constexpr int kBoxTimeoutMs = 10'000;

// Calls `act` once the error box is open, active and holds the focus, as the
// user meets it. The box opens inside exec(), so this polls from the box's
// own event loop until the condition holds or kBoxTimeoutMs have passed.
// Afterwards any box still open is closed, so the caller's exec() returns
// even when `act` failed early or the box never became active; the caller's
// checks on what `act` saw then fail.
inline void WhenBoxActive(std::function<void(QMessageBox*)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  const QDeadlineTimer deadline(kBoxTimeoutMs);
  QObject::connect(timer, &QTimer::timeout, [timer, deadline, act = std::move(act)] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    const QWidget* focus = QApplication::focusWidget();
    const bool ready = box != nullptr && QApplication::activeWindow() == box && focus != nullptr &&
                       (focus == box || box->isAncestorOf(focus));
    if (!ready && !deadline.hasExpired()) return;
    timer->stop();
    timer->deleteLater();
    if (ready)
      act(box);
    else
      qWarning("no active error box within %d ms", kBoxTimeoutMs);
    if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget())) modal->reject();
  });
  timer->start();
}
