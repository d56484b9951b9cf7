#include "window/application.h"

#include <QEvent>
#include <QIcon>
#include <QWidget>
#include <QtGlobal>

#include "engine/decimal_mark.h"
#include "engine/errors.h"

QString ApplicationTitle(const QString& executable_path) {
  QString name = executable_path.mid(executable_path.lastIndexOf(QLatin1Char('/')) + 1);
  const qsizetype dot = name.indexOf(QLatin1Char('.'));
  if (dot >= 0) name.truncate(dot);
  if (name.isEmpty()) return name;
  // The first character stays as it is, a surrogate pair taken whole.
  const qsizetype first =
      name.size() > 1 && name[0].isHighSurrogate() && name[1].isLowSurrogate() ? 2 : 1;
  return name.left(first) + name.mid(first).toLower();
}

namespace {

QString ExceptionMessage(const std::exception_ptr& error) {
  try {
    std::rethrow_exception(error);
  } catch (const engine::Exception& e) {
    return QString::fromStdString(e.Message());
  } catch (const std::exception& e) {
    return QString::fromUtf8(e.what());
  } catch (...) {
    return QStringLiteral("Unknown exception");
  }
}

}  // namespace

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // No applicationDisplayName: Qt would append it to every window title.
  setApplicationName(ApplicationTitle(applicationFilePath()));
  const QIcon icon(QStringLiteral(":/assets/mainicon.ico"));
  if (!icon.isNull()) setWindowIcon(icon);
  // QApplication has called setlocale(LC_ALL, "") by now.
  engine::LoadDecimalMark();
}

bool TApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    HandleException(std::current_exception());
    return true;  // the event is done with: its error has been shown
  }
}

bool TApplication::event(QEvent* event) {
  if (event->type() == QEvent::LocaleChange) engine::LoadDecimalMark();
  return QApplication::event(event);
}

void TApplication::HandleException(const std::exception_ptr& error) {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
  error_box_.Show(ExceptionMessage(error));
}

void ReportException(const std::exception_ptr& error) {
  if (auto* application = dynamic_cast<TApplication*>(QCoreApplication::instance())) {
    application->HandleException(error);
  } else {
    qCritical("%s", qUtf8Printable(ExceptionMessage(error)));
  }
}
