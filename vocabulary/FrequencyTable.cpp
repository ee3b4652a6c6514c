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

// Four folded bytes of `text` from `at` as a number that orders as the bytes do, the
// bytes past its end as zeros.
std::uint64_t foldedDigitAt(std::string_view text, std::size_t at)
{
    std::uint64_t digit = 0;
    for (std::size_t i = at; i < at + 4; ++i)
        digit = (digit << 8) | (i < text.size() ? foldedByte(text[i]) : 0);
    return digit;
}

constexpr std::uint64_t kOffsetBits = 0xFFFFFFFF;
// The key of a spelling merged into another, until it is dropped: no record starts at
// the last byte of a block.
constexpr std::uint64_t kHole = kOffsetBits;

// How many steps of the sort pass between two looks at a termination request.
constexpr std::size_t kComparisonsPerPoll = std::size_t(1) << 20;

// A record starts at a 32-bit offset: block number above the place in the block, which
// holds at most kBlockBytes.
constexpr unsigned kBlockBits = 20;
constexpr std::size_t kBlockBytes = std::size_t(1) << kBlockBits;
constexpr std::size_t kFirstBlockBytes = 4096;
// A line's word, and the numbers on either side of it, fit a block.
static_assert(3 + kMaxFrequencyLineBytes + 10 <= kBlockBytes);
// A record takes at most one and a half times its line (of four bytes at least), and
// the merge adds at most as much again: the offsets stay below 2^32.
static_assert(kMaxFrequencyListBytes * 4 < (std::uintmax_t(1) << 32));

std::size_t numberBytes(std::uint64_t value)
{
    std::size_t bytes = 1;
    while (value >>= 7)
        ++bytes;
    return bytes;
}

// `value` in exactly `bytes` bytes of base 128, low digits first, a set top bit on every
// byte but the last; a value that needs fewer takes zero digits.
char* putNumber(char* at, std::uint64_t value, std::size_t bytes)
{
    for (std::size_t i = 0; i + 1 < bytes; ++i, value >>= 7)
        *at++ = char(0x80 | (value & 0x7F));
    *at++ = char(value & 0x7F);
    return at;
}

std::uint64_t takeNumber(const char*& at)
{
    std::uint64_t value = 0;
    for (unsigned shift = 0;; shift += 7) {
        const auto byte = static_cast<unsigned char>(*at++);
        value |= std::uint64_t(byte & 0x7F) << shift;
        if (byte < 0x80)
            return value;
    }
}

} // namespace

// Runs the poll once every kComparisonsPerPoll steps of the sort, whichever part of it
// they are in.
class FrequencyTable::Poller {
public:
    explicit Poller(const std::function<void()>& poll)
        : m_poll(poll)
    {
    }
    void step()
    {
        if (m_poll && ++m_steps % kComparisonsPerPoll == 0)
            m_poll();
    }

private:
    const std::function<void()>& m_poll;
    std::size_t m_steps = 0;
};

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
        table.append(word, count);
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

std::uint32_t FrequencyTable::append(std::string_view word, std::uint64_t count)
{
    const std::size_t lengthBytes = numberBytes(word.size());
    const std::size_t countBytes = numberBytes(count);
    const std::size_t size = lengthBytes + word.size() + countBytes;
    if (m_blocks.empty() || m_lastBlockBytes - m_blockUsed.back() < size) {
        // The first block is a page and each next one twice the last, up to a mebibyte:
        // a short list takes little, a long one few blocks.
        m_lastBlockBytes =
            std::max(size, m_blocks.empty() ? kFirstBlockBytes
                                            : std::min(2 * m_lastBlockBytes, kBlockBytes));
        m_blocks.push_back(std::make_unique_for_overwrite<char[]>(m_lastBlockBytes));
        m_blockUsed.push_back(0);
    }
    const auto offset = std::uint32_t((m_blocks.size() - 1) << kBlockBits | m_blockUsed.back());
    char* at = m_blocks.back().get() + m_blockUsed.back();
    at = putNumber(at, word.size(), lengthBytes);
    at = std::copy(word.begin(), word.end(), at);
    putNumber(at, count, countBytes);
    m_blockUsed.back() += std::uint32_t(size);
    ++m_records;
    return offset;
}

FrequencyTable::Record FrequencyTable::recordAt(std::uint64_t key) const
{
    const auto offset = std::uint32_t(key & kOffsetBits);
    const char* at = m_blocks[offset >> kBlockBits].get() + (offset & (kBlockBytes - 1));
    const auto length = std::size_t(takeNumber(at));
    const std::string_view text(at, length);
    at += length;
    char* const countAt = const_cast<char*>(at);
    const std::uint64_t count = takeNumber(at);
    return {text, count, countAt, std::size_t(at - countAt)};
}

// A word listed twice adds up; spellings that fold to one word add up when looked up.
void FrequencyTable::sortAndMerge(const std::function<void()>& poll)
{
    // Sorting ten million words takes seconds; a termination request may stop it,
    // leaving an order that is thrown away with the table.
    Poller poller(poll);
    m_keys.reserve(m_records);
    for (std::size_t block = 0; block < m_blocks.size(); ++block)
        for (std::size_t at = 0; at < m_blockUsed[block];) {
            poller.step();
            const std::uint64_t offset = (block << kBlockBits) | at;
            const Record record = recordAt(offset);
            m_keys.push_back(foldedDigitAt(record.text, 0) << 32 | offset);
            at = std::size_t(record.countAt + record.countBytes - m_blocks[block].get());
        }
    std::sort(m_keys.begin(), m_keys.end(), [&](std::uint64_t a, std::uint64_t b) {
        poller.step();
        return a < b;
    });
    std::size_t foldTies = 0;
    for (std::size_t begin = 0; begin < m_keys.size();) {
        std::size_t end = begin + 1;
        while (end < m_keys.size() && m_keys[end] >> 32 == m_keys[begin] >> 32)
            ++end;
        if (end - begin > 1)
            foldTies += sortBeyondPrefix(begin, end, poller);
        begin = end;
    }
    dropMerged(poller);
    m_foldedWords = m_keys.size() - foldTies;
    if (poll)
        poll();
}

// Orders keys[begin, end), whose words share their first four folded bytes, four bytes
// further at a time: each round sorts numbers held in the keys themselves, so the sort
// reads a word's bytes once a round instead of at every comparison, and needs no memory
// beyond the keys. Words that agree to their last byte are put in order by their text
// and merged. Only they can be one word or one spelling, so the words of other keys are
// not read again. Gives the number of spellings beyond the first of a folded word.
std::size_t FrequencyTable::sortBeyondPrefix(std::size_t begin, std::size_t end, Poller& poller)
{
    const std::uint64_t prefix = m_keys[begin] & ~kOffsetBits;
    std::size_t foldTies = 0;
    struct Run {
        std::size_t begin, end, depth;
    };
    std::vector<Run> runs = {{begin, end, 4}};
    while (!runs.empty()) {
        const Run run = runs.back();
        runs.pop_back();
        bool exhausted = true;
        for (std::size_t i = run.begin; i < run.end; ++i) {
            poller.step();
            const std::string_view text = recordAt(m_keys[i]).text;
            exhausted = exhausted && text.size() <= run.depth;
            m_keys[i] = foldedDigitAt(text, run.depth) << 32 | (m_keys[i] & kOffsetBits);
        }
        const auto first = m_keys.begin() + std::ptrdiff_t(run.begin);
        const auto last = m_keys.begin() + std::ptrdiff_t(run.end);
        if (exhausted) {
            std::sort(first, last, [&](std::uint64_t a, std::uint64_t b) {
                poller.step();
                const std::string_view x = recordAt(a).text, y = recordAt(b).text;
                const int folded = compareFolded(x, y);
                return folded != 0 ? folded < 0 : x < y;
            });
            foldTies += mergeSpellings(run.begin, run.end, poller);
            continue;
        }
        std::sort(first, last, [&](std::uint64_t a, std::uint64_t b) {
            poller.step();
            return a < b;
        });
        for (std::size_t i = run.begin; i < run.end;) {
            std::size_t j = i + 1;
            while (j < run.end && m_keys[j] >> 32 == m_keys[i] >> 32)
                ++j;
            if (j - i > 1)
                runs.push_back({i, j, run.depth + 4});
            i = j;
        }
    }
    for (std::size_t i = begin; i < end; ++i)
        m_keys[i] = prefix | (m_keys[i] & kOffsetBits);
    return foldTies;
}

// In keys[begin, end), sorted, whose words agree in every folded byte but may differ in
// length by NUL bytes: adds up the counts of a spelling listed more than once into the
// first record where the sum fits there and into a new one where it does not, and
// makes the other keys holes. Gives the number of spellings beyond the first of a
// folded word.
std::size_t FrequencyTable::mergeSpellings(std::size_t begin, std::size_t end, Poller& poller)
{
    std::size_t foldTies = 0;
    std::size_t kept = begin;
    for (std::size_t i = begin + 1; i < end; ++i) {
        poller.step();
        const Record first = recordAt(m_keys[kept]);
        const Record record = recordAt(m_keys[i]);
        if (record.text != first.text) {
            foldTies += compareFolded(first.text, record.text) == 0;
            kept = i;
            continue;
        }
        const std::uint64_t sum = first.count + record.count; // at most the total
        if (numberBytes(sum) <= first.countBytes)
            putNumber(first.countAt, sum, first.countBytes);
        else // the blocks never move, so the word is copied from where it stands
            m_keys[kept] = (m_keys[kept] & ~kOffsetBits) | append(first.text, sum);
        m_keys[i] |= kHole;
    }
    return foldTies;
}

void FrequencyTable::dropMerged(Poller& poller)
{
    std::size_t kept = 0;
    for (std::size_t i = 0; i < m_keys.size(); ++i) {
        poller.step();
        if ((m_keys[i] & kOffsetBits) != kHole)
            m_keys[kept++] = m_keys[i];
    }
    m_keys.resize(kept);
}

FrequencyTable FrequencyTable::read(const std::filesystem::path& path,
                                    const std::function<void()>& poll)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + messages::quotedPath(path));
    return read(in, messages::quotedPath(path), poll);
}

std::pair<const std::uint64_t*, const std::uint64_t*>
FrequencyTable::foldedRange(std::string_view word) const
{
    const std::uint64_t prefix = foldedDigitAt(word, 0);
    const auto first = std::lower_bound(m_keys.begin(), m_keys.end(), word,
                                        [&](std::uint64_t key, std::string_view wanted) {
                                            if (key >> 32 != prefix)
                                                return key >> 32 < prefix;
                                            return compareFolded(recordAt(key).text, wanted) < 0;
                                        });
    auto last = first;
    while (last != m_keys.end() && compareFolded(recordAt(*last).text, word) == 0)
        ++last;
    return {m_keys.data() + (first - m_keys.begin()), m_keys.data() + (last - m_keys.begin())};
}

std::uint64_t FrequencyTable::count(std::string_view word) const
{
    const auto [first, last] = foldedRange(word);
    std::uint64_t sum = 0;
    for (const std::uint64_t* key = first; key != last; ++key) {
        const Record record = recordAt(*key);
        if (record.text == word)
            return record.count;
        sum += record.count;
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
    // A heap of the best `count` so far, the least of them on top: the list's ten million
    // words need no array of their own.
    struct Candidate {
        std::uint64_t count;
        std::string_view text;
    };
    const auto better = [](const Candidate& a, const Candidate& b) {
        return a.count != b.count ? a.count > b.count : a.text < b.text;
    };
    std::vector<Candidate> best;
    best.reserve(std::min(count, m_keys.size()));
    for (const std::uint64_t key : m_keys) {
        const Record record = recordAt(key);
        const Candidate candidate{record.count, record.text};
        if (best.size() < count) {
            best.push_back(candidate);
            std::push_heap(best.begin(), best.end(), better);
        } else if (count > 0 && better(candidate, best.front())) {
            std::pop_heap(best.begin(), best.end(), better);
            best.back() = candidate;
            std::push_heap(best.begin(), best.end(), better);
        }
    }
    std::sort_heap(best.begin(), best.end(), better);
    std::vector<std::string> words;
    words.reserve(best.size());
    for (const Candidate& candidate : best)
        words.emplace_back(candidate.text);
    return words;
}

} // namespace wb::vocab
