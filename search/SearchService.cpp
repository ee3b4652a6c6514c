#include "search/SearchService.h"

#include "dictionary/ForgivingMatch.h"
#include "dictionary/Windows1252.h"

#include <algorithm>
#include <charconv>

namespace wb {

namespace {

constexpr QLatin1StringView kEnglishPrefix("en:");
constexpr QLatin1StringView kGermanPrefix("de:");

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
}

void SearchService::touch()
{
    m_idle.start();
}

// Both lists are ranked apart and merged by the same order; a tie between them keeps
// the English headword first.
QList<SearchHit> SearchService::find(const QString& text, int limit)
{
    touch();
    QList<SearchHit> hits;
    std::string typed;
    // A character the code page lacks is in no headword.
    if (limit <= 0 || !utf8ToWindows1252Exact(text.toStdString(), typed))
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
    const std::vector<Entry> bases = baseEntries(typed);
    for (const Entry& base : bases)
        if (hits.size() < limit)
            hits.append(hitOf(base, false, 1.0));
    for (std::size_t position = 0; position < ranked.size() && hits.size() < limit; ++position) {
        const LauncherMatch& match = ranked[position].match;
        const Entry entry{ranked[position].direction, match.index};
        if (std::any_of(bases.begin(), bases.end(), [&](const Entry& base) {
                return base.direction == entry.direction && base.index == entry.index;
            }))
            continue;
        const double relevance = relevanceOf(match.tier, position);
        hits.append(hitOf(entry, isWholeHeadword(match.tier),
                          bases.empty() ? relevance : std::min(relevance, 0.99)));
    }
    return hits;
}

std::vector<SearchService::Entry> SearchService::baseEntries(const std::string& typed) const
{
    std::vector<Entry> entries;
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
    const QList<SearchHit> best = find(text, 1);
    if (best.isEmpty() || !open(best.front().id))
        m_launcher.open(Direction::EnglishToGerman, text);
}

// Only ids of the form find() hands out: the list's prefix and the index in decimal,
// without sign, spaces or leading zeros.
std::optional<SearchService::Entry> SearchService::entryOf(const QString& id) const
{
    Direction direction;
    if (id.startsWith(kEnglishPrefix))
        direction = Direction::EnglishToGerman;
    else if (id.startsWith(kGermanPrefix))
        direction = Direction::GermanToEnglish;
    else
        return std::nullopt;
    const QByteArray digits = id.mid(kEnglishPrefix.size()).toLatin1();
    if (digits.isEmpty() || digits.size() > 5 || (digits.size() > 1 && digits.front() == '0'))
        return std::nullopt;
    std::size_t index = 0;
    const auto [end, error] = std::from_chars(digits.begin(), digits.end(), index);
    if (error != std::errc() || end != digits.end() || index >= wordsOf(m_store, direction).size())
        return std::nullopt;
    return Entry{direction, index};
}

SearchHit SearchService::hitOf(Entry entry, bool exact, double relevance) const
{
    SearchHit hit;
    const bool english = entry.direction == Direction::EnglishToGerman;
    hit.id = (english ? kEnglishPrefix : kGermanPrefix) + QString::number(entry.index);
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
