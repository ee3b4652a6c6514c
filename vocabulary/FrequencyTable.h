#pragma once
// How often each word occurs in a body of real text, read from a `word<TAB>count`
// list. A word is counted as written where the list has that spelling ("Blau" the
// noun apart from "blau"), otherwise with all its spellings folded to lower case, so
// that "What" at the start of a sentence counts for "what". It only answers how
// common a word is; turning that into a headword's rank is Commonness' work.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <istream>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wb::vocab {

// A list's line is held only up to this length (no word comes near it); a longer one
// is refused, and so is a list past the size cap: /dev/zero must end, and a real list
// of ten million words is 130 MB.
constexpr std::size_t kMaxFrequencyLineBytes = 64 * 1024;
constexpr std::uintmax_t kMaxFrequencyListBytes = std::uintmax_t(256) << 20;

class FrequencyTable {
public:
    FrequencyTable() = default;
    // Reads UTF-8 lines `word<TAB>count`; blank lines are ignored, and so are words
    // that Windows-1252 cannot store. Throws std::runtime_error naming `name` and the
    // line for anything else: a missing tab, a count that is not a positive number,
    // counts that add up past 2^64 - 1, a line or a list beyond the limits above.
    // `poll` runs between blocks of input and may throw to stop the reading.
    static FrequencyTable read(std::istream& in, std::string_view name,
                               const std::function<void()>& poll = {});
    static FrequencyTable read(const std::filesystem::path& path,
                               const std::function<void()>& poll = {});

    // Occurrences per million words of text; 0 when the list lacks `word` (Windows-1252).
    double perMillion(std::string_view word) const;
    bool contains(std::string_view word) const;
    // How many words the list counts, spellings that fold together counted once.
    std::size_t size() const { return m_foldedWords; }
    std::uint64_t total() const { return m_total; }
    // The `count` words counted most often, as written, the most frequent first (of
    // equally frequent ones the first in byte order).
    std::vector<std::string> mostFrequent(std::size_t count) const;

private:
    // A word as written and its count, as a record holds them.
    struct Record {
        std::string_view text;
        std::uint64_t count;
        char* countAt;          // where the count's bytes begin
        std::size_t countBytes; // how many there are
    };
    Record recordAt(std::uint64_t key) const;
    std::uint32_t append(std::string_view word, std::uint64_t count);
    class Poller;
    void sortAndMerge(const std::function<void()>& poll);
    std::size_t sortBeyondPrefix(std::size_t begin, std::size_t end, Poller& poller);
    std::size_t mergeSpellings(std::size_t begin, std::size_t end, Poller& poller);
    void dropMerged(Poller& poller);
    // The keys of the words that fold like `word`, each spelling once.
    std::pair<const std::uint64_t*, const std::uint64_t*> foldedRange(std::string_view word) const;
    std::uint64_t count(std::string_view word) const;

    // The table is held in little more than the list's own size: each word as one record
    // (its length, its bytes, its count, the numbers in base 128) in blocks that never
    // move, so that growing them copies nothing, and one eight-byte key per spelling
    // (the first four folded bytes, then where its record starts). The keys are in the
    // order of the folded text, the spellings of one word in byte order, so that both
    // lookups are one binary search.
    std::vector<std::unique_ptr<char[]>> m_blocks;
    std::vector<std::uint32_t> m_blockUsed;
    std::size_t m_lastBlockBytes = 0;
    std::size_t m_records = 0;
    std::vector<std::uint64_t> m_keys;
    std::size_t m_foldedWords = 0;
    std::uint64_t m_total = 0;
};

// Windows-1252 text with A-Z and the Latin-1 capitals À-Þ made lower case.
std::string foldedLowerCase(std::string_view text);

} // namespace wb::vocab
