#include "vocabulary/FrequencyTable.h"

#include "dictionary/Windows1252.h"
#include "messages/QuotedInput.h"
#include "vocabulary/BoundedLines.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <limits>
#include <stdexcept>

namespace wb::vocab {
namespace {

[[noreturn]] void fail(std::string_view name, std::size_t line, std::string_view what)
{
    throw std::runtime_error(std::string(name) + ":" + std::to_string(line) + ": " +
                             std::string(what));
}

std::uint64_t parseCount(std::string_view text, std::string_view name, std::size_t line)
{
    std::uint64_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count == 0)
        fail(name, line,
             "the count must be a positive whole number, not " + messages::quotedInput(text));
    return count;
}

unsigned char foldedByte(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return (u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7) ? u + 0x20 : u;
}

// The order of foldedLowerCase(a) and foldedLowerCase(b), without making either.
int compareFolded(std::string_view a, std::string_view b)
{
    const std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        const unsigned char x = foldedByte(a[i]);
        const unsigned char y = foldedByte(b[i]);
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

// The first eight bytes of the folded text as a number that orders as the bytes do.
std::uint64_t foldedPrefixOf(std::string_view text)
{
    std::uint64_t prefix = 0;
    for (std::size_t i = 0; i < 8; ++i)
        prefix = (prefix << 8) | (i < text.size() ? foldedByte(text[i]) : 0);
    return prefix;
}

// How many comparisons of the sort pass between two looks at a termination request.
constexpr std::size_t kComparisonsPerPoll = std::size_t(1) << 20;

} // namespace

std::string foldedLowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = char(foldedByte(c));
    return out;
}

FrequencyTable FrequencyTable::read(std::istream& in, std::string_view name,
                                    const std::function<void()>& poll)
{
    FrequencyTable table;
    std::string word;
    std::size_t number = 0;
    const auto take = [&](std::string_view line) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            return;
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos || tab == 0)
            fail(name, number, "expected word<TAB>count");
        const auto count = parseCount(line.substr(tab + 1), name, number);
        if (!utf8ToWindows1252Exact(line.substr(0, tab), word))
            return;
        // Proportions are what ranks a word, so a list of any scale ranks alike as long
        // as its total is a number; past 2^64 - 1 it is not, and dropping it silently
        // would rank as if no list were given.
        if (__builtin_add_overflow(table.m_total, count, &table.m_total))
            fail(name, number,
                 "the counts add up to more than " +
                     std::to_string(std::numeric_limits<std::uint64_t>::max()) +
                     "; divide them all by the same number");
        table.m_words.push_back({foldedPrefixOf(word), std::uint32_t(table.m_text.size()),
                                 std::uint32_t(word.size()), count});
        table.m_text += word;
    };
    try {
        forEachLine(in, {kMaxFrequencyLineBytes, kMaxFrequencyListBytes},
                    {take,
                     [&] {
                         fail(name, number + 1,
                              "the line is longer than " +
                                  std::to_string(kMaxFrequencyLineBytes / 1024) +
                                  " KiB, which no word is");
                     },
                     poll});
    } catch (const InputTooLarge& error) {
        throw std::runtime_error(std::string(name) + ": the list " + error.what() +
                                 ", more than any frequency list holds");
    }
    if (in.bad())
        throw std::runtime_error("error while reading " + std::string(name));
    table.sortAndMerge(poll);
    return table;
}

std::string_view FrequencyTable::textOf(const Entry& entry) const
{
    return std::string_view(m_text).substr(entry.offset, entry.length);
}

bool FrequencyTable::before(const Entry& a, const Entry& b) const
{
    if (a.foldedPrefix != b.foldedPrefix)
        return a.foldedPrefix < b.foldedPrefix;
    const int folded = compareFolded(textOf(a), textOf(b));
    return folded != 0 ? folded < 0 : textOf(a) < textOf(b);
}

// A word listed twice adds up; spellings that fold to one word add up when looked up.
void FrequencyTable::sortAndMerge(const std::function<void()>& poll)
{
    std::size_t comparisons = 0;
    std::sort(m_words.begin(), m_words.end(), [&](const Entry& a, const Entry& b) {
        // Sorting ten million words takes seconds; a termination request may stop it,
        // leaving an order that is thrown away with the table.
        if (poll && ++comparisons % kComparisonsPerPoll == 0)
            poll();
        return before(a, b);
    });
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_words.size(); ++i) {
        if (kept > 0 && textOf(m_words[kept - 1]) == textOf(m_words[i]))
            m_words[kept - 1].count += m_words[i].count; // at most the total
        else
            m_words[kept++] = m_words[i];
    }
    m_words.resize(kept);
    m_words.shrink_to_fit();
    m_foldedWords = 0;
    for (std::size_t i = 0; i < m_words.size(); ++i)
        m_foldedWords += i == 0 || compareFolded(textOf(m_words[i - 1]), textOf(m_words[i])) != 0;
    if (poll)
        poll();
}

FrequencyTable FrequencyTable::read(const std::filesystem::path& path,
                                    const std::function<void()>& poll)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + messages::quotedPath(path));
    return read(in, messages::quotedPath(path), poll);
}

std::pair<const FrequencyTable::Entry*, const FrequencyTable::Entry*>
FrequencyTable::foldedRange(std::string_view word) const
{
    const auto first = std::lower_bound(m_words.begin(), m_words.end(), word,
                                        [this](const Entry& entry, std::string_view wanted) {
                                            return compareFolded(textOf(entry), wanted) < 0;
                                        });
    auto last = first;
    while (last != m_words.end() && compareFolded(textOf(*last), word) == 0)
        ++last;
    return {m_words.data() + (first - m_words.begin()), m_words.data() + (last - m_words.begin())};
}

std::uint64_t FrequencyTable::count(std::string_view word) const
{
    const auto [first, last] = foldedRange(word);
    std::uint64_t sum = 0;
    for (const Entry* entry = first; entry != last; ++entry) {
        if (textOf(*entry) == word)
            return entry->count;
        sum += entry->count;
    }
    return sum;
}

bool FrequencyTable::contains(std::string_view word) const
{
    return count(word) > 0;
}

double FrequencyTable::perMillion(std::string_view word) const
{
    return m_total == 0 ? 0.0 : double(count(word)) * 1e6 / double(m_total);
}

std::vector<std::string> FrequencyTable::mostFrequent(std::size_t count) const
{
    std::vector<const Entry*> order;
    order.reserve(m_words.size());
    for (const Entry& word : m_words)
        order.push_back(&word);
    count = std::min(count, order.size());
    std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(count), order.end(),
                      [this](const Entry* a, const Entry* b) {
                          return a->count != b->count ? a->count > b->count
                                                      : textOf(*a) < textOf(*b);
                      });
    std::vector<std::string> words;
    words.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        words.emplace_back(textOf(*order[i]));
    return words;
}

} // namespace wb::vocab
