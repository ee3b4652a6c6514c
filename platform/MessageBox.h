#pragma once
// Modal error boxes over QMessageBox: the error icon, one OK button, owned by the
// application.
#include "system/ErrorReporter.h"

#include <QString>

namespace wb {

// Shows a modal error box and returns when the user has closed it.
void showErrorBox(const QString& caption, const QString& text);

// Reports each error in its own modal box with a fixed caption.
class MessageBoxReporter : public ErrorReporter {
public:
    explicit MessageBoxReporter(QString caption)
        : m_caption(std::move(caption))
    {
    }
    void reportError(std::string_view message) override;

private:
    QString m_caption;
};

} // namespace wb
