#pragma once
// How often each word occurs in a body of real text, read from a `word<TAB>count`
// list. A word is counted as written where the list has that spelling ("Blau" the
// noun apart from "blau"), otherwise with all its spellings folded to lower case, so
// that "What" at the start of a sentence counts for "what". It only answers how
// common a word is; turning that into a headword's rank is Commonness' work.
#include <cstdint>
#include <filesystem>
#include <istream>
#include <string>
#include <string_view>
#include <vector>

namespace wb::vocab {

class FrequencyTable {
public:
    FrequencyTable() = default;
    // Reads UTF-8 lines `word<TAB>count`; blank lines are ignored, and so are words
    // that Windows-1252 cannot store. Throws std::runtime_error naming `name` and the
    // line for anything else: a missing tab, a count that is not a positive number.
    static FrequencyTable read(std::istream& in, std::string_view name);
    static FrequencyTable read(const std::filesystem::path& path);

    // Occurrences per million words of text; 0 when the list lacks `word` (Windows-1252).
    double perMillion(std::string_view word) const;
    bool contains(std::string_view word) const;
    std::size_t size() const { return m_folded.size(); }
    std::uint64_t total() const { return m_total; }
    // The `count` words counted most often, as written, the most frequent first (of
    // equally frequent ones the first in byte order).
    std::vector<std::string> mostFrequent(std::size_t count) const;

private:
    using Words = std::vector<std::pair<std::string, std::uint64_t>>;
    static std::uint64_t find(const Words& words, const std::string& word);
    static void sortAndMerge(Words& words);
    std::uint64_t count(std::string_view word) const;

    // Sorted by word, each word once; flat vectors keep the table near the size of
    // its text.
    Words m_words;  // as written
    Words m_folded; // lower case
    std::uint64_t m_total = 0;
};

// Windows-1252 text with A-Z and the Latin-1 capitals À-Þ made lower case.
std::string foldedLowerCase(std::string_view text);

} // namespace wb::vocab
