#include "dictionary/ForgivingMatch.h"

#include <algorithm>
#include <utility>

namespace wb {
namespace {

constexpr unsigned char kSmallAUmlaut = 0xE4;
constexpr unsigned char kSmallOUmlaut = 0xF6;
constexpr unsigned char kSmallUUmlaut = 0xFC;
constexpr unsigned char kSharpS = 0xDF;

// Yields a word's fold one byte at a time, so that a comparison can stop at the first
// difference without building the folded string: most headwords differ at once.
class FoldedBytes {
public:
    explicit FoldedBytes(std::string_view word)
        : m_word(word)
    {
    }
    bool atEnd() const { return m_pending == 0 && m_pos == m_word.size(); }
    unsigned char next()
    {
        if (m_pending != 0)
            return std::exchange(m_pending, 0);
        const unsigned char c = foldCase(static_cast<unsigned char>(m_word[m_pos++]));
        switch (c) {
        case kSmallAUmlaut:
            m_pending = 'e';
            return 'a';
        case kSmallOUmlaut:
            m_pending = 'e';
            return 'o';
        case kSmallUUmlaut:
            m_pending = 'e';
            return 'u';
        case kSharpS:
            m_pending = 's';
            return 's';
        default:
            return c;
        }
    }

private:
    std::string_view m_word;
    std::size_t m_pos = 0;
    unsigned char m_pending = 0;
};

bool foldedStartsWith(std::string_view word, std::string_view folded)
{
    FoldedBytes bytes(word);
    for (const char c : folded) {
        if (bytes.atEnd() || bytes.next() != static_cast<unsigned char>(c))
            return false;
    }
    return true;
}

bool foldedEquals(std::string_view word, std::string_view folded)
{
    FoldedBytes bytes(word);
    for (const char c : folded) {
        if (bytes.atEnd() || bytes.next() != static_cast<unsigned char>(c))
            return false;
    }
    return bytes.atEnd();
}

bool caseOnlyStartsWith(std::string_view word, std::string_view lowered)
{
    if (word.size() < lowered.size())
        return false;
    for (std::size_t i = 0; i < lowered.size(); ++i) {
        if (foldCase(static_cast<unsigned char>(word[i])) != static_cast<unsigned char>(lowered[i]))
            return false;
    }
    return true;
}

std::string lowerCase(std::string_view text)
{
    std::string lowered(text);
    for (char& c : lowered)
        c = char(foldCase(static_cast<unsigned char>(c)));
    return lowered;
}

// The tier of a headword whose fold begins with the text's fold.
MatchTier prefixTier(std::string_view word, std::string_view text, std::string_view lowered,
                     std::string_view folded)
{
    if (word == text)
        return MatchTier::Spelling;
    const bool caseOnly = caseOnlyStartsWith(word, lowered);
    if (caseOnly && word.size() == lowered.size())
        return MatchTier::CaseOnly;
    if (foldedEquals(word, folded))
        return MatchTier::Folded;
    return caseOnly ? MatchTier::PrefixCase : MatchTier::PrefixFolded;
}

bool isWordSeparator(char c)
{
    return c == ' ' || c == '-';
}

// Whether a word after the first one in `word` begins with `folded`.
bool innerWordStartsWith(std::string_view word, std::string_view folded)
{
    for (std::size_t i = 1; i < word.size(); ++i) {
        if (isWordSeparator(word[i - 1]) && !isWordSeparator(word[i]) &&
            foldedStartsWith(word.substr(i), folded))
            return true;
    }
    return false;
}

std::string_view trimBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

void keepBest(std::vector<LauncherMatch>& matches, std::size_t limit)
{
    const auto middle = matches.begin() + std::ptrdiff_t(std::min(limit, matches.size()));
    std::partial_sort(matches.begin(), middle, matches.end(), rankedBefore);
    matches.erase(middle, matches.end());
}

} // namespace

unsigned char foldCase(unsigned char c)
{
    if ((c >= 'A' && c <= 'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7))
        return static_cast<unsigned char>(c + 0x20);
    switch (c) {
    case 0x8A: // Š
    case 0x8C: // Œ
    case 0x8E: // Ž
        return static_cast<unsigned char>(c + 0x10);
    case 0x9F: // Ÿ
        return 0xFF;
    default:
        return c;
    }
}

std::string forgivingFold(std::string_view text)
{
    std::string folded;
    folded.reserve(text.size());
    FoldedBytes bytes(text);
    while (!bytes.atEnd())
        folded += char(bytes.next());
    return folded;
}

std::vector<std::uint32_t> forgivingMatches(const WordList& words, std::string_view text,
                                            MatchScope scope)
{
    const std::string folded = forgivingFold(text);
    std::vector<std::uint32_t> found;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const bool match = scope == MatchScope::Whole ? foldedEquals(words[i], folded)
                                                      : foldedStartsWith(words[i], folded);
        if (match)
            found.push_back(std::uint32_t(i));
    }
    return found;
}

bool rankedBefore(const LauncherMatch& a, const LauncherMatch& b)
{
    if (a.tier != b.tier)
        return a.tier < b.tier;
    if (a.length != b.length)
        return a.length < b.length;
    if (a.weight != b.weight)
        return a.weight > b.weight;
    return a.index < b.index;
}

std::vector<LauncherMatch> launcherMatches(const WordList& words, std::string_view text,
                                           std::size_t limit,
                                           std::span<const std::uint16_t> weights)
{
    const auto weightOf = [&](std::size_t i) {
        return i < weights.size() ? weights[i] : std::uint16_t(0);
    };
    text = trimBlanks(text);
    if (text.size() < kLauncherMinimumLength || limit == 0)
        return {};
    const std::string lowered = lowerCase(text);
    const std::string folded = forgivingFold(text);
    std::vector<LauncherMatch> matches;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view word = words[i];
        if (foldedStartsWith(word, folded))
            matches.push_back({std::uint32_t(i), prefixTier(word, text, lowered, folded),
                               std::uint32_t(word.size()), weightOf(i)});
    }
    if (matches.size() < limit) {
        for (std::size_t i = 0; i < words.size(); ++i) {
            const std::string_view word = words[i];
            if (!foldedStartsWith(word, folded) && innerWordStartsWith(word, folded))
                matches.push_back(
                    {std::uint32_t(i), MatchTier::InnerWord, std::uint32_t(word.size())});
        }
    }
    keepBest(matches, limit);
    return matches;
}

std::vector<std::uint16_t> translationReferenceCounts(const DictionaryStore& store,
                                                      Direction direction)
{
    const bool english = direction == Direction::EnglishToGerman;
    std::vector<std::uint16_t> counts(english ? store.englishWords().size()
                                              : store.germanWords().size());
    const auto count = [&](std::uint16_t reference) {
        if (reference < counts.size() && counts[reference] != UINT16_MAX)
            ++counts[reference];
    };
    if (english) {
        for (const std::uint16_t reference : store.reverseIndex())
            count(reference);
    } else {
        for (int slot = 0; slot < 3; ++slot)
            for (const std::uint16_t reference : store.translationSlot(slot))
                count(reference);
    }
    return counts;
}

} // namespace wb
