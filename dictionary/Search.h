#pragma once
// The prefix search: every headword of one direction that begins with the search
// text, ignoring the case of a-z, in file order, with its translation assembled from
// the other word list. It reports a percentage for every entry it examines.
#include "dictionary/AsciiCase.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/MatchScope.h"

#include <array>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace wb {

enum class Direction { EnglishToGerman, GermanToEnglish };

// Receives the rows: first the headword of a new row, then that row's translation.
class RowSink {
public:
    virtual ~RowSink() = default;
    virtual void addRow(std::string_view headword) = 0;            // Windows-1252
    virtual void setTranslation(std::string_view translation) = 0; // Windows-1252
};

// Receives a percentage (0 to 100) before each entry and 0 at the end. Called once
// per headword, so it must be cheap.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void setProgress(int percent) = 0;
};

// A translation index that does not name an entry of the other word list.
class ListIndexError : public std::out_of_range {
public:
    explicit ListIndexError(long index);
    long index() const { return m_index; }

private:
    long m_index;
};

// Searches with the user's text, converted to Windows-1252 ("?" for what it cannot
// represent). Throws ListIndexError when a matching entry's translation index is out
// of range; the rows before it, and the failing row's headword, have been emitted.
void Search(const DictionaryStore& store, Direction direction, std::u16string_view text,
            RowSink& rows, ProgressSink& progress);

// The same, with text that is already Windows-1252.
void searchWindows1252(const DictionaryStore& store, Direction direction, std::string_view text,
                       RowSink& rows, ProgressSink& progress);

// The indices the walk would emit rows for, or with MatchScope::Whole those whose
// headword equals the text under the same a-z folding; in file order. An empty text
// matches nothing, as in the walk.
std::vector<std::uint32_t> asciiMatches(const WordList& words, std::string_view text,
                                        MatchScope scope);

// The translations of one entry as separate headwords of the other list, in slot
// order (what the walk joins with "; "). Throws ListIndexError as the walk does.
void translationsOf(const DictionaryStore& store, Direction direction, std::size_t entry,
                    std::vector<std::string_view>& translations);

// The walk itself, for callers whose sinks are final classes: the compiler can then
// inline the per-entry progress call.
template <typename Rows, typename Progress>
void searchWith(const DictionaryStore& store, Direction direction, std::string_view text,
                Rows& rows, Progress& progress);

} // namespace wb

#include "dictionary/SearchWalk.h"
