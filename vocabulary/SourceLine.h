#pragma once
// What one line of a word list says, before any cleaning: the text of both sides and
// the sub-entries that pair up by position, each a list of alternatives. The views
// point into the line the parser was given.
#include "vocabulary/Headword.h"

#include <string_view>
#include <vector>

namespace wb::vocab {

struct SourceEntry {
    std::vector<std::string_view> german; // alternatives, raw
    std::vector<std::string_view> english;
};

struct SourceLine {
    std::string_view germanText; // the whole side, for counting which words it mentions
    std::string_view englishText;
    std::vector<SourceEntry> entries; // entries[0] holds the line's headwords
    bool unpaired = false;            // the sides had different numbers of sub-entries
    bool specialist = false;          // labelled with a subject field, or as rare or old
};

enum class LineKind { Entry, Ignored, Malformed };

// Ding format: `German side :: English side`; sub-entries separated by " | ",
// alternatives by "; ", neither counting inside (...), [...] or {...}. Lines that
// start with "#" and blank lines are ignored. Sub-entries beyond the shorter side
// are dropped and the line is marked unpaired. Labels in [...] other than regions
// and registers ("[Br.]", "[ugs.]") make the line specialist ("[chem.]", "[obs.]").
LineKind parseDingLine(std::string_view line, SourceLine& out);

// Whether `text` carries the label of a technical field ("[comp.]", "[fin.]", see
// kTechnicalFields) or of a word going out of use ("[veraltet]", "[rare]"); the fields
// of the everyday world ("[zool.]", "[ling.]") are none.
bool hasTechnicalLabel(std::string_view text);

// Tab-separated format: `english<TAB>german`, one pair a line, each side a single
// alternative. Blank lines are ignored.
LineKind parseTsvLine(std::string_view line, SourceLine& out);

} // namespace wb::vocab
