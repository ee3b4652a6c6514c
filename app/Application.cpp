#include "app/Application.h"

#include "app/ApplicationTitle.h"
#include "messages/UserMessages.h"
#include "platform/MessageBox.h"
#include "system/ExecutablePath.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QWidget>
#include <exception>

namespace wb {
namespace {

QString executableName(int argc, char** argv)
{
    try {
        return QString::fromStdString(executablePath().filename().string());
    } catch (const ExecutablePathError&) {
        // Only the title comes from it, so the name the program was started under does.
        return argc > 0 ? QString::fromLocal8Bit(std::filesystem::path(argv[0]).filename().c_str())
                        : QString();
    }
}

} // namespace

Application::Application(int& argc, char** argv)
    : QApplication(argc, argv)
    , m_title(applicationTitle(executableName(argc, argv)))
    , m_defaultReporter(std::make_unique<MessageBoxReporter>(m_title))
{
    m_reporter = m_defaultReporter.get();
    // The windows speak German whatever the desktop's language, so Qt's own texts (the
    // text fields' menu, the names of keys) do too. A missing catalogue leaves them
    // English and is no reason to stop.
    if (m_toolkitTranslation.load(QLocale(QLocale::German), QStringLiteral("qtbase"),
                                  QStringLiteral("_"),
                                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(&m_toolkitTranslation);
}

Application::~Application() = default;

void Application::setErrorReporter(ErrorReporter* reporter)
{
    m_reporter = reporter ? reporter : m_defaultReporter.get();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        handleException(std::current_exception());
    }
    return false;
}

void Application::handleException(std::exception_ptr error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception& exception) {
        showError(QString::fromUtf8(exception.what()));
    } catch (...) {
        showError(QString::fromUtf8(messages::kUnknownError));
    }
}

void Application::showError(const QString& message)
{
    // A handler that threw during a drag would otherwise leave the pointer captured
    // by a widget the user can no longer release.
    if (QWidget* grabber = QWidget::mouseGrabber())
        grabber->releaseMouse();
    m_reporter->reportError(errorBoxText(message).toStdString());
}

} // namespace wb
