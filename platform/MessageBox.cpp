#include "platform/MessageBox.h"

#include <QMessageBox>

namespace wb {

void showErrorBox(const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, caption, text, QMessageBox::Ok);
    box.exec();
}

void MessageBoxReporter::reportError(std::string_view message)
{
    showErrorBox(m_caption, QString::fromUtf8(message.data(), qsizetype(message.size())));
}

} // namespace wb
