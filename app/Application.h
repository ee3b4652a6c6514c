#pragma once
// The application object: its title and the general error handler. An exception that
// escapes an event handler ends that handler only; the user sees its message and the
// event loop goes on. Our own handlers reach it through invokeHandler(); notify()
// is the backstop for anything thrown elsewhere.
#include "platform/GeneralErrorHandler.h"

#include <QApplication>
#include <QTranslator>
#include <memory>

namespace wb {

class ErrorReporter;

class Application : public QApplication, public GeneralErrorHandler {
public:
    Application(int& argc, char** argv);
    ~Application() override;

    QString title() const { return m_title; }
    // Whether Qt's German catalogue was found; without it Qt's own texts stay English.
    bool hasToolkitTranslation() const { return !m_toolkitTranslation.isEmpty(); }

    // Where the general error handler sends messages; by default a modal error box
    // captioned with the title. The reporter is not owned.
    void setErrorReporter(ErrorReporter* reporter);

    bool notify(QObject* receiver, QEvent* event) override;
    void handleException(std::exception_ptr error) override;

private:
    void showError(const QString& message);

    QString m_title;
    QTranslator m_toolkitTranslation;
    ErrorReporter* m_reporter = nullptr;
    std::unique_ptr<ErrorReporter> m_defaultReporter;
};

} // namespace wb
