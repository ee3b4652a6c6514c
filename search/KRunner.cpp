#include "search/KRunner.h"

#include "search/CallErrors.h"
#include "search/SearchService.h"

namespace wb {

KRunner::KRunner(SearchService& service, const QString& iconName)
    : QDBusAbstractAdaptor(&service)
    , m_service(service)
    , m_iconName(iconName)
{
}

RemoteMatches KRunner::Match(const QString& query)
{
    RemoteMatches matches;
    for (const SearchHit& hit : m_service.find(query, SearchService::kKRunnerLimit)) {
        matches.append({hit.id, hit.headword, m_iconName,
                        hit.exact ? RemoteMatch::ExactMatch : RemoteMatch::PossibleMatch,
                        hit.relevance, QVariantMap{{QStringLiteral("subtext"), hit.translation}}});
    }
    return matches;
}

RemoteActions KRunner::Actions()
{
    m_service.touch();
    return {};
}

// KRunner passes an empty action id for the match itself.
void KRunner::Run(const QString& matchId, const QString& actionId, const QDBusMessage& message)
{
    if (!actionId.isEmpty())
        rejectCall(message, unknownActionMessage(actionId));
    else
        openWindow(
            message, [&] { return m_service.open(matchId); }, matchId);
}

// The query session has ended; nothing is kept between queries, so only the idle
// time starts again.
void KRunner::Teardown()
{
    m_service.touch();
}

} // namespace wb
