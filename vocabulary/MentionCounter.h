#pragma once
// Counts, for every word of one side of the word list, how many lines mention it:
// as a headword, inside a phrase or in an example. The count is how common the word
// is. Words are compared exactly: "Essen" and "essen" are different words. Brackets
// hold labels and remarks ("{m}", "[coll.]", "(Bahn)"), not the text itself.
#include "vocabulary/StringHash.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace wb::vocab {

// The words of one side of one line, with how often each occurs.
class LineWords {
public:
    explicit LineWords(std::string_view utf8Text);
    // How often `word` (Windows-1252) occurs; 0 when it is not a single word.
    std::uint32_t occurrences(std::string_view word) const;
    const std::vector<std::pair<std::string, std::uint32_t>>& counts() const { return m_counts; }

private:
    std::vector<std::pair<std::string, std::uint32_t>> m_counts; // sorted by word
};

class MentionCounter {
public:
    // One call per line: a word mentioned twice in a line counts once.
    void addLine(const LineWords& words);

    // Lines mentioning `word` (Windows-1252). 0 when it is not a single word.
    std::uint32_t linesMentioning(std::string_view word) const;

    // Whether `text` (Windows-1252) is one word as the counter splits text.
    static bool isSingleWord(std::string_view text);

private:
    ArenaStringMap<std::uint32_t> m_lines;
};

} // namespace wb::vocab
