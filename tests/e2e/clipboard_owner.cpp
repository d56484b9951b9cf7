// Puts its argument on the X clipboard and keeps it there until its standard
// input closes. The end-to-end test pastes it into the program with
// Shift+Insert: the program has to fetch the text from another client, as it
// would from any other application on the desktop.
#include <unistd.h>
#include <QClipboard>
#include <QGuiApplication>
#include <QSocketNotifier>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s TEXT\n", argv[0]);
    return 2;
  }
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(QString::fromLocal8Bit(argv[1]), QClipboard::Clipboard);
  if (!clipboard->ownsClipboard()) {
    std::fprintf(stderr, "clipboard_owner: could not take the clipboard\n");
    return 1;
  }
  // The owner answers paste requests from its event loop, so it says it is
  // ready only once it owns the selection.
  std::puts("ready");
  std::fflush(stdout);

  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, &app, [&] {
    char buffer[64];
    if (::read(STDIN_FILENO, buffer, sizeof buffer) <= 0) app.quit();
  });
  return app.exec();
}
