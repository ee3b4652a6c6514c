#pragma once
// The errors the adaptors answer with: a result id or an action that the service does
// not know, a call beyond the limits of CallLimits.h (which a well-behaved shell never
// sends), and a window that could not be started.
#include <QDBusError>
#include <QDBusMessage>
#include <QString>
#include <optional>
#include <stdexcept>
#include <string>

namespace wb {

// Answers the call with an error of `type` instead of its empty reply. A call that did
// not come over the bus (a test's) is left alone.
void rejectCall(const QDBusMessage& call, const QString& message,
                QDBusError::ErrorType type = QDBusError::InvalidArgs);

QString unknownIdMessage(const QString& id);
QString unknownActionMessage(const QString& action);

// Runs `answer` unless `tooMany` (CallLimits.h) names a reason to refuse the call, in
// which case the call gets that error and `answer` does not run.
template <typename Answer>
auto answerWithin(const QDBusMessage& call, const std::optional<std::string>& tooMany,
                  Answer&& answer) -> decltype(answer())
{
    if (tooMany) {
        rejectCall(call, QString::fromStdString(*tooMany));
        return {};
    }
    return answer();
}

// Runs `open` (which is false for an id that names no entry) and answers a window that
// could not be started with a D-Bus error that says why.
template <typename Open>
void openWindow(const QDBusMessage& call, Open&& open, const QString& id = {})
{
    try {
        if (!open())
            rejectCall(call, unknownIdMessage(id));
    } catch (const std::runtime_error& error) {
        rejectCall(call, QString::fromUtf8(error.what()), QDBusError::Failed);
    }
}

} // namespace wb
