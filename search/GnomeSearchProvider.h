#pragma once
// org.gnome.Shell.SearchProvider2 over the search service: the shell's calls turned
// into the service's, and its hits into the shell's result ids and metas. Nothing is
// decided here but the form of the answers.
#include <QDBusAbstractAdaptor>
#include <QDBusMessage>
#include <QList>
#include <QStringList>
#include <QVariantMap>

namespace wb {

class SearchService;

class GnomeSearchProvider : public QDBusAbstractAdaptor {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

public:
    // Attaches itself to the service, which owns it.
    explicit GnomeSearchProvider(SearchService& service);

    // The messages are QtDBus's, not part of the interface: a wrong id, a call beyond the
    // limits and a window that cannot be started are answered with an error.
public slots:
    QStringList GetInitialResultSet(const QStringList& terms, const QDBusMessage& message);
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms,
                                      const QDBusMessage& message);
    QList<QVariantMap> GetResultMetas(const QStringList& identifiers, const QDBusMessage& message);
    void ActivateResult(const QString& identifier, const QStringList& terms, uint timestamp,
                        const QDBusMessage& message);
    void LaunchSearch(const QStringList& terms, uint timestamp, const QDBusMessage& message);

private:
    SearchService& m_service;
};

} // namespace wb
