#include "search/SearchService.h"

#include "dictionary/Windows1252.h"

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

} // namespace

QString joinTerms(const QStringList& terms)
{
    return terms.join(QLatin1Char(' '));
}

SearchService::SearchService(const DictionaryStore& store, WindowLauncher& launcher,
                             std::chrono::milliseconds idleTime, QObject* parent)
    : QObject(parent)
    , m_store(store)
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

QList<SearchHit> SearchService::find(const QString& text, int limit)
{
    touch();
    QList<SearchHit> hits;
    const QString trimmed = text.trimmed();
    if (trimmed.size() < 2)
        return hits;
    const std::string key = toWindows1252(trimmed.toStdU16String());
    for (const Direction direction : {Direction::EnglishToGerman, Direction::GermanToEnglish}) {
        const WordList& words = wordsOf(m_store, direction);
        for (std::size_t i = 0; i < words.size() && hits.size() < limit; ++i) {
            const std::string_view word = words[i];
            if (word.size() >= key.size() &&
                equalIgnoringAsciiCase(word.substr(0, key.size()), key))
                hits.append(hitOf({direction, i}, word == key, word == key ? 1.0 : 0.5));
        }
    }
    std::stable_sort(hits.begin(), hits.end(), [](const SearchHit& a, const SearchHit& b) {
        return a.relevance > b.relevance;
    });
    if (hits.size() > limit)
        hits.resize(limit);
    return hits;
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
    const bool german = !best.isEmpty() && best.front().id.startsWith(kGermanPrefix);
    m_launcher.open(german ? Direction::GermanToEnglish : Direction::EnglishToGerman, text);
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
