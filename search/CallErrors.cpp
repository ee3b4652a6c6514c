#include "search/CallErrors.h"

#include "messages/QuotedInput.h"

#include <QDBusConnection>

namespace wb {

void rejectCall(const QDBusMessage& call, const QString& message, QDBusError::ErrorType type)
{
    if (call.type() != QDBusMessage::MethodCallMessage)
        return;
    call.setDelayedReply(true);
    QDBusConnection::sessionBus().send(call.createErrorReply(type, message));
}

// An id is quoted from its first bytes only: a client may send megabytes of it.
QString unknownIdMessage(const QString& id)
{
    return QStringLiteral("No dictionary entry has the id %1")
        .arg(QString::fromStdString(messages::quotedInput(id.left(256).toStdString())));
}

QString unknownActionMessage(const QString& action)
{
    return QStringLiteral("There is no action %1")
        .arg(QString::fromStdString(messages::quotedInput(action.left(256).toStdString())));
}

} // namespace wb
