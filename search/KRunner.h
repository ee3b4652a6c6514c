#pragma once
// org.kde.krunner1 over the search service: KRunner's query turned into the service's
// hits, each a match with the translation as its subtext. Running a match opens the
// window on it; there are no further actions.
#include "search/KRunnerTypes.h"

#include <QDBusAbstractAdaptor>
#include <QDBusMessage>

namespace wb {

class SearchService;

class KRunner : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

public:
    // Attaches itself to the service, which owns it. `iconName` is the icon of every
    // match.
    KRunner(SearchService& service, const QString& iconName);

public slots:
    wb::RemoteMatches Match(const QString& query);
    wb::RemoteActions Actions();
    // The message is QtDBus's, not part of the interface: a wrong id is answered with an
    // error.
    void Run(const QString& matchId, const QString& actionId, const QDBusMessage& message);
    void Teardown();

private:
    SearchService& m_service;
    QString m_iconName;
};

} // namespace wb
