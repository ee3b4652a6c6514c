#pragma once
// What one call to the search service may ask, checked before any work is done, and
// the result ids it hands out. A shell asks for the few results it shows and types
// short texts; a call far beyond that gets an error or nothing at once, so that no
// client can hold the service up for the others. Standard C++, so the parsing is
// fuzzed without a bus.
#include "dictionary/Search.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace wb {

// GNOME Shell asks for the metas of the handful of results it shows.
constexpr std::size_t kMaxCallIds = 256;
// The shell splits the typed text at blanks; nobody types a thousand words into it.
constexpr std::size_t kMaxCallTerms = 256;
// No headword is longer than 270 bytes of Windows-1252, 810 of UTF-8: a longer text
// finds nothing, whatever it holds.
constexpr std::size_t kMaxSearchTextBytes = 1024;
// The window's search field holds this many UTF-16 units (QLineEdit's maximum).
constexpr std::size_t kSearchFieldUnits = 32767;

struct ResultId {
    Direction direction;
    std::size_t index;
    bool operator==(const ResultId&) const = default;
};

// "en:12" or "de:345": the list and the entry's index in it, in decimal without sign,
// spaces or leading zeros, below the list's size. Nothing for anything else.
std::optional<ResultId> parseResultId(std::string_view id, std::size_t englishCount,
                                      std::size_t germanCount);
std::string formatResultId(ResultId id);

// The error message for a call with more ids or terms than the limits, or nothing.
std::optional<std::string> tooManyIds(std::size_t count);
std::optional<std::string> tooManyTerms(std::size_t count);

// The longest prefix of `utf8` that the search field holds, ending at a character's
// end.
std::string_view cutToSearchField(std::string_view utf8);

} // namespace wb
