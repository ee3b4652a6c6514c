#include "search/SearchService.h"

#include "dictionary/ForgivingMatch.h"
#include "dictionary/Windows1252.h"

#include <algorithm>
#include <malloc.h>

namespace wb {

namespace {

QString fromDictionary(std::string_view text)
{
    return QString::fromStdU16String(windows1252ToUtf16(text));
}

const WordList& wordsOf(const DictionaryStore& store, Direction direction)
{
    return direction == Direction::EnglishToGerman ? store.englishWords() : store.germanWords();
}

// A headword equal to the text, whatever its case or umlaut spelling.
bool isWholeHeadword(MatchTier tier)
{
    return tier <= MatchTier::Folded;
}

// KRunner orders matches by relevance, so it falls along the ranking: 1 for the text
// as typed (but for case), then lower for each tier and, within one, for each place.
double relevanceOf(MatchTier tier, std::size_t position)
{
    double base = 0.5;
    switch (tier) {
    case MatchTier::Spelling:
    case MatchTier::CaseOnly:
        base = 1.0;
        break;
    case MatchTier::Folded:
        base = 0.9;
        break;
    case MatchTier::PrefixCase:
        base = 0.8;
        break;
    case MatchTier::PrefixFolded:
        base = 0.7;
        break;
    case MatchTier::InnerWord:
        break;
    }
    return base - 0.001 * double(position);
}

} // namespace

QString joinTerms(const QStringList& terms)
{
    return terms.join(QLatin1Char(' '));
}

SearchService::SearchService(const DictionaryStore& store, WindowLauncher& launcher,
                             std::chrono::milliseconds idleTime, QObject* parent)
    : QObject(parent)
    , m_store(store)
    , m_englishWeights(translationReferenceCounts(store, Direction::EnglishToGerman))
    , m_germanWeights(translationReferenceCounts(store, Direction::GermanToEnglish))
    , m_launcher(launcher)
    , m_idleTime(idleTime)
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(idleTime);
    connect(&m_idle, &QTimer::timeout, this, &SearchService::idle);
    m_idle.start();
    // A call's message and its arguments are freed after the call returns; what a huge
    // one took goes back to the system once a burst of calls is over, not when the
    // service ends.
    m_trim.setSingleShot(true);
    m_trim.setInterval(std::chrono::milliseconds(500));
    connect(&m_trim, &QTimer::timeout, this, [] { malloc_trim(0); });
}

void SearchService::touch()
{
    m_idle.start();
    m_trim.start();
}

// Both lists are ranked apart and merged by the same order; a tie between them keeps
// the English headword first.
QList<SearchHit> SearchService::find(const QString& text, int limit)
{
    touch();
    QList<SearchHit> hits;
    // A UTF-16 unit is at least one byte of UTF-8.
    if (limit <= 0 || std::size_t(text.size()) > kMaxSearchTextBytes)
        return hits;
    const std::string utf8 = text.toStdString();
    std::string typed;
    // A character the code page lacks is in no headword.
    if (utf8.size() > kMaxSearchTextBytes || !utf8ToWindows1252Exact(utf8, typed))
        return hits;
    struct Ranked {
        Direction direction;
        LauncherMatch match;
    };
    std::vector<Ranked> ranked;
    for (const Direction direction : {Direction::EnglishToGerman, Direction::GermanToEnglish})
        for (const LauncherMatch& match : launcherMatches(
                 wordsOf(m_store, direction), typed, std::size_t(limit),
                 direction == Direction::EnglishToGerman ? m_englishWeights : m_germanWeights))
            ranked.push_back({direction, match});
    std::stable_sort(ranked.begin(), ranked.end(), [](const Ranked& a, const Ranked& b) {
        return rankedBefore(a.match, b.match);
    });
    // The bases of a form come first, above even the text's own headword.
    const std::vector<ResultId> bases = baseEntries(typed);
    for (const ResultId& base : bases)
        if (hits.size() < limit)
            hits.append(hitOf(base, false, 1.0));
    for (std::size_t position = 0; position < ranked.size() && hits.size() < limit; ++position) {
        const LauncherMatch& match = ranked[position].match;
        const ResultId entry{ranked[position].direction, match.index};
        if (std::any_of(bases.begin(), bases.end(), [&](const ResultId& base) {
                return base.direction == entry.direction && base.index == entry.index;
            }))
            continue;
        const double relevance = relevanceOf(match.tier, position);
        hits.append(hitOf(entry, isWholeHeadword(match.tier),
                          bases.empty() ? relevance : std::min(relevance, 0.99)));
    }
    return hits;
}

std::vector<ResultId> SearchService::baseEntries(const std::string& typed) const
{
    std::vector<ResultId> entries;
    if (!m_forms || typed.size() < kLauncherMinimumLength)
        return entries;
    for (const Direction direction : {Direction::EnglishToGerman, Direction::GermanToEnglish})
        for (const std::uint32_t index : m_forms->resolver(direction).basesOf(typed))
            entries.push_back({direction, index});
    return entries;
}

std::optional<SearchHit> SearchService::hit(const QString& id)
{
    touch();
    const auto entry = entryOf(id);
    if (!entry)
        return std::nullopt;
    return hitOf(*entry, false, 0);
}

bool SearchService::open(const QString& id)
{
    touch();
    const auto entry = entryOf(id);
    if (!entry)
        return false;
    m_launcher.open(entry->direction,
                    fromDictionary(wordsOf(m_store, entry->direction)[entry->index]));
    return true;
}

void SearchService::openSearch(const QString& text)
{
    // A longer text could not even be passed on (E2BIG), and the field would cut it.
    const QString typed = QString::fromStdString(std::string(cutToSearchField(text.toStdString())));
    const QList<SearchHit> best = find(typed, 1);
    if (best.isEmpty() || !open(best.front().id))
        m_launcher.open(Direction::EnglishToGerman, typed);
}

std::optional<ResultId> SearchService::entryOf(const QString& id) const
{
    // No id find() hands out is longer; a huge one is not even converted.
    constexpr qsizetype kLongestId = 8;
    if (id.size() > kLongestId)
        return std::nullopt;
    return parseResultId(id.toStdString(), m_store.englishWords().size(),
                         m_store.germanWords().size());
}

SearchHit SearchService::hitOf(ResultId entry, bool exact, double relevance) const
{
    SearchHit hit;
    const bool english = entry.direction == Direction::EnglishToGerman;
    hit.id = QString::fromStdString(formatResultId(entry));
    hit.headword = fromDictionary(wordsOf(m_store, entry.direction)[entry.index]);
    std::string translation;
    try {
        if (english)
            detail::englishToGerman(m_store, entry.index, translation);
        else
            detail::germanToEnglish(m_store, entry.index, translation);
        hit.translation = fromDictionary(translation);
    } catch (const ListIndexError&) {
        // A reference that names no headword: the word is still worth showing.
    }
    hit.exact = exact;
    hit.relevance = relevance;
    return hit;
}

} // namespace wb
