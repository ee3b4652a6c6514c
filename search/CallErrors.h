#pragma once
// The one error the adaptors answer with: a result id or an action that the service
// does not know, which a well-behaved shell never sends.
#include <QDBusMessage>
#include <QString>

namespace wb {

// Answers the call with an InvalidArgs error instead of its empty reply. A call that
// did not come over the bus (a test's) is left alone.
void rejectCall(const QDBusMessage& call, const QString& message);

QString unknownIdMessage(const QString& id);

} // namespace wb
