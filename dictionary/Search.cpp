#include "Search.h"

#include "Windows1252.h"

#include <array>
#include <cstring>

namespace wb {
namespace {

constexpr std::array<unsigned char, 256> makeUpperTable()
{
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[std::size_t(c)] = (c >= 'a' && c <= 'z') ? (unsigned char)(c - 32) : (unsigned char)c;
    return table;
}
constexpr auto kUpper = makeUpperTable();

// `key` is already upper-cased; only the headword's bytes need folding.
inline bool startsWithFolded(const unsigned char* word, const unsigned char* key, std::size_t length)
{
    for (std::size_t i = 0; i < length; ++i) {
        if (kUpper[word[i]] != key[i])
            return false;
    }
    return true;
}

std::string_view entryOf(const WordList& words, std::uint16_t index)
{
    if (index >= words.size())
        throw ListIndexError(index);
    return words[index];
}

// Builds into `text`, which the caller reuses, so a walk allocates only while the
// longest translation so far grows.
void englishToGerman(const DictionaryStore& store, std::size_t entry, std::string& text)
{
    const WordList& german = store.germanWords();
    text.assign(entryOf(german, store.translationSlot(0)[entry]));
    for (int k = 1; k < 3; ++k) {
        const std::uint16_t index = store.translationSlot(k)[entry];
        if (index != kNoTranslation) {
            text += "; ";
            text += entryOf(german, index);
        }
    }
}

void germanToEnglish(const DictionaryStore& store, std::size_t entry, std::string& text)
{
    text.assign(entryOf(store.englishWords(), store.reverseIndex()[entry]));
}

} // namespace

ListIndexError::ListIndexError(long index)
    : std::out_of_range("Der Index der Liste überschreitet das Maximum (" + std::to_string(index) +
                        ")")
    , m_index(index)
{
}

std::string asciiUpperCase(std::string_view text)
{
    std::string folded(text);
    for (char& c : folded)
        c = char(kUpper[static_cast<unsigned char>(c)]);
    return folded;
}

void Search(const DictionaryStore& store, Direction direction, std::u16string_view text,
            RowSink& rows, ProgressSink& progress)
{
    searchWindows1252(store, direction, toWindows1252(text), rows, progress);
}

void searchWindows1252(const DictionaryStore& store, Direction direction, std::string_view text,
                       RowSink& rows, ProgressSink& progress)
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
    for (std::size_t i = 0; i < n; ++i) {
        // With a single entry the divisor would be zero; that entry is the last one,
        // and the last entry reports 100.
        progress.setProgress(n == 1 ? 100 : int(i * 100 / (n - 1)));
        const std::uint32_t end = ends[i];
        if (!key.empty() && end - begin >= key.size() &&
            startsWithFolded(bytes + begin, keyBytes, key.size())) {
            rows.addRow(words[i]);
            if (direction == Direction::EnglishToGerman)
                englishToGerman(store, i, translation);
            else
                germanToEnglish(store, i, translation);
            rows.setTranslation(translation);
        }
        begin = end;
    }
    progress.setProgress(0);
}

} // namespace wb
