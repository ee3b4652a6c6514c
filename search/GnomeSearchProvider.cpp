#include "search/GnomeSearchProvider.h"

#include "search/CallErrors.h"
#include "search/SearchService.h"

#include <QDBusMetaType>

namespace wb {

namespace {

QStringList idsOf(const QList<SearchHit>& hits)
{
    QStringList ids;
    ids.reserve(hits.size());
    for (const SearchHit& hit : hits)
        ids.append(hit.id);
    return ids;
}

} // namespace

GnomeSearchProvider::GnomeSearchProvider(SearchService& service)
    : QDBusAbstractAdaptor(&service)
    , m_service(service)
{
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList& terms)
{
    return idsOf(m_service.find(joinTerms(terms), SearchService::kGnomeLimit));
}

// The refined text is searched afresh: a longer text can rank a word first that the
// previous answer had no room for.
QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList&, const QStringList& terms)
{
    return GetInitialResultSet(terms);
}

// The shell asks only for ids it was given; one it was not is left out of the answer.
// No "clipboardText": the shell would copy it over the user's clipboard on every
// activation.
QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers)
{
    QList<QVariantMap> metas;
    for (const QString& id : identifiers) {
        const auto hit = m_service.hit(id);
        if (!hit)
            continue;
        metas.append({{QStringLiteral("id"), hit->id},
                      {QStringLiteral("name"), hit->headword},
                      {QStringLiteral("description"), hit->translation}});
    }
    return metas;
}

void GnomeSearchProvider::ActivateResult(const QString& identifier, const QStringList&, uint,
                                         const QDBusMessage& message)
{
    if (!m_service.open(identifier))
        rejectCall(message, unknownIdMessage(identifier));
}

void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint)
{
    m_service.openSearch(joinTerms(terms));
}

} // namespace wb
