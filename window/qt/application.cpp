#include "window/qt/application.h"

#include <QEvent>
#include <QFont>
#include <QIcon>
#include <QWidget>
#include <QtGlobal>

#include "engine/decimal_mark.h"
#include "engine/errors.h"
#include "window/application_title.h"
#include "window/control_table.h"
#include "window/x87_environment.h"

namespace {

std::u16string QtLowerCase(std::u16string_view text) {
  return QString::fromRawData(reinterpret_cast<const QChar*>(text.data()),
                              static_cast<qsizetype>(text.size()))
      .toLower()
      .toStdU16String();
}

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

QString ApplicationTitle(const QString& executable_path) {
  return QString::fromStdU16String(
      ::ApplicationTitle(executable_path.toStdU16String(), u'/', QtLowerCase));
}

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // No applicationDisplayName: Qt would append it to every window title.
  setApplicationName(ApplicationTitle(applicationFilePath()));
  // Wherever the designed face is missing, its stand-in draws every window.
  QFont::insertSubstitution(QString::fromUtf8(kDesignedFontFamily),
                            QString::fromUtf8(kSubstituteFontFamily));
  const QIcon icon(QStringLiteral(":/assets/mainicon.ico"));
  if (!icon.isNull()) setWindowIcon(icon);
  // The engine's arithmetic: nothing in a normal start changes it (a test
  // proves that), but a library loaded into the process might have.
  EstablishEngineArithmetic();
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
