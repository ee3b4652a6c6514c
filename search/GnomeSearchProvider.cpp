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

QStringList GnomeSearchProvider::GetInitialResultSet(const QStringList& terms,
                                                     const QDBusMessage& message)
{
    m_service.touch(); // a call refused is activity too
    return answerWithin(message, tooManyTerms(std::size_t(terms.size())), [&] {
        return idsOf(m_service.find(joinTerms(terms), SearchService::kGnomeLimit));
    });
}

// The refined text is searched afresh: a longer text can rank a word first that the
// previous answer had no room for.
QStringList GnomeSearchProvider::GetSubsearchResultSet(const QStringList& previousResults,
                                                       const QStringList& terms,
                                                       const QDBusMessage& message)
{
    return answerWithin(message, tooManyIds(std::size_t(previousResults.size())),
                        [&] { return GetInitialResultSet(terms, message); });
}

// The shell asks only for ids it was given; one it was not is left out of the answer.
// No "clipboardText": the shell would copy it over the user's clipboard on every
// activation.
QList<QVariantMap> GnomeSearchProvider::GetResultMetas(const QStringList& identifiers,
                                                       const QDBusMessage& message)
{
    m_service.touch();
    return answerWithin(message, tooManyIds(std::size_t(identifiers.size())), [&] {
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
    });
}

void GnomeSearchProvider::ActivateResult(const QString& identifier, const QStringList& terms, uint,
                                         const QDBusMessage& message)
{
    if (const auto tooMany = tooManyTerms(std::size_t(terms.size())))
        rejectCall(message, QString::fromStdString(*tooMany));
    else
        openWindow(
            message, [&] { return m_service.open(identifier); }, identifier);
}

void GnomeSearchProvider::LaunchSearch(const QStringList& terms, uint, const QDBusMessage& message)
{
    if (const auto tooMany = tooManyTerms(std::size_t(terms.size())))
        rejectCall(message, QString::fromStdString(*tooMany));
    else
        openWindow(message, [&] {
            m_service.openSearch(joinTerms(terms));
            return true;
        });
}

} // namespace wb
