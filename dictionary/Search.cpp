#include "dictionary/Search.h"

#include "dictionary/Windows1252.h"
#include "messages/UserMessages.h"

namespace wb {
namespace detail {

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

} // namespace detail

ListIndexError::ListIndexError(long index)
    : std::out_of_range(messages::listIndexBeyondMaximum(index))
    , m_index(index)
{
}

void Search(const DictionaryStore& store, Direction direction, std::u16string_view text,
            RowSink& rows, ProgressSink& progress)
{
    searchWindows1252(store, direction, toWindows1252(text), rows, progress);
}

void searchWindows1252(const DictionaryStore& store, Direction direction, std::string_view text,
                       RowSink& rows, ProgressSink& progress)
{
    searchWith(store, direction, text, rows, progress);
}

} // namespace wb
