#include "search/CallErrors.h"

#include <QDBusConnection>
#include <QDBusError>

namespace wb {

void rejectCall(const QDBusMessage& call, const QString& message)
{
    if (call.type() != QDBusMessage::MethodCallMessage)
        return;
    call.setDelayedReply(true);
    QDBusConnection::sessionBus().send(call.createErrorReply(QDBusError::InvalidArgs, message));
}

QString unknownIdMessage(const QString& id)
{
    return QStringLiteral("No dictionary entry has the id \"%1\"").arg(id);
}

} // namespace wb
