#pragma once
// The structures of the org.kde.krunner1 interface, with their D-Bus marshalling:
// a match is (sssida{sv}), an action (sss). registerKRunnerTypes() makes them known to
// QtDBus; it is called once, before the adaptor is exported.
#include <QDBusArgument>
#include <QList>
#include <QMetaType>
#include <QString>
#include <QVariantMap>

namespace wb {

struct RemoteMatch {
    // KRunner sorts matches by type first, then by relevance.
    enum Type { PossibleMatch = 20, ExactMatch = 100 };

    QString id;
    QString text;
    QString iconName;
    int type = PossibleMatch;
    double relevance = 0;
    QVariantMap properties; // "subtext": the line shown under the text
};
using RemoteMatches = QList<RemoteMatch>;

struct RemoteAction {
    QString id;
    QString text;
    QString iconName;
};
using RemoteActions = QList<RemoteAction>;

QDBusArgument& operator<<(QDBusArgument& argument, const RemoteMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteMatch& match);
QDBusArgument& operator<<(QDBusArgument& argument, const RemoteAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, RemoteAction& action);

void registerKRunnerTypes();

} // namespace wb

Q_DECLARE_METATYPE(wb::RemoteMatch)
Q_DECLARE_METATYPE(wb::RemoteAction)
