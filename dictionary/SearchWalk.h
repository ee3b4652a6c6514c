#pragma once
// The search's inner walk, kept in a header so that it is compiled against the
// caller's sink types. Included by Search.h only.
#include "dictionary/AsciiCase.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace wb {
namespace detail {

// asciiUpper as a table: the walk folds every headword byte it compares.
constexpr std::array<unsigned char, 256> makeUpperTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[std::size_t(c)] = asciiUpper(static_cast<unsigned char>(c));
    return table;
}
inline constexpr auto kUpper = makeUpperTable();

// `key` is already upper-cased; only the headword's bytes need folding.
inline bool startsWithFolded(const unsigned char* word, const unsigned char* key,
                             std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (kUpper[word[i]] != key[i])
            return false;
    }
    return true;
}

// i * 100 / (n - 1) for i = 0, 1, ... without a division per step. With a single
// entry the divisor would be zero; that entry is the last one, and the last entry
// reports 100.
class Percentage {
public:
    explicit Percentage(std::size_t n)
        : m_divisor(n > 1 ? n - 1 : 1)
        , m_value(n == 1 ? 100 : 0)
    {
    }
    int value() const { return m_value; }
    void advance()
    {
        m_remainder += 100;
        while (m_remainder >= m_divisor) {
            m_remainder -= m_divisor;
            ++m_value;
        }
    }

private:
    std::size_t m_divisor;
    std::size_t m_remainder = 0; // i * 100 mod divisor
    int m_value;
};

void englishToGerman(const DictionaryStore& store, std::size_t entry, std::string& text);
void germanToEnglish(const DictionaryStore& store, std::size_t entry, std::string& text);

} // namespace detail

template <typename Rows, typename Progress>
void searchWith(const DictionaryStore& store, Direction direction, std::string_view text,
                Rows& rows, Progress& progress)
{
    const std::string key = asciiUpperCase(text);
    const auto* keyBytes = reinterpret_cast<const unsigned char*>(key.data());
    const WordList& words =
        direction == Direction::EnglishToGerman ? store.englishWords() : store.germanWords();
    const auto* bytes = reinterpret_cast<const unsigned char*>(words.bytes().data());
    const std::uint32_t* ends = words.ends().data();
    const std::size_t n = words.size();

    std::string translation;
    std::uint32_t begin = 0;
    detail::Percentage percentage(n);
    for (std::size_t i = 0; i < n; ++i, percentage.advance()) {
        progress.setProgress(percentage.value());
        const std::uint32_t end = ends[i];
        if (!key.empty() && end - begin >= key.size() &&
            detail::startsWithFolded(bytes + begin, keyBytes, key.size())) {
            rows.addRow(words[i]);
            if (direction == Direction::EnglishToGerman)
                detail::englishToGerman(store, i, translation);
            else
                detail::germanToEnglish(store, i, translation);
            rows.setTranslation(translation);
        }
        begin = end;
    }
    progress.setProgress(0);
}

} // namespace wb
