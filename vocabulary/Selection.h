#pragma once
// Chooses the headwords of both files: the most common ones that fit, such that every
// chosen headword has a translation among the chosen headwords of the other language
// and every record can be encoded after the one written before it. It does not order
// translations or write bytes (see VocabularyWriter).
#include "vocabulary/Candidates.h"

#include <cstddef>
#include <vector>

namespace wb::vocab {

enum class Fate {
    Chosen,
    RankedOut,      // less common than the headwords that filled the file
    NoTranslation,  // none of its translations was chosen
    CannotBeEncoded // the record layout cannot express it after its predecessor
};

struct Selection {
    std::vector<HeadwordId> german; // chosen, in dictionary order
    std::vector<HeadwordId> english;
    std::vector<Fate> germanFate; // by HeadwordId
    std::vector<Fate> englishFate;
    int rounds = 0; // until nothing changed

    std::size_t count(Language language, Fate fate) const;
};

// `germanRank` and `englishRank` list the headword ids, the most common first.
// Each file gets at most `maxRecords` records.
Selection selectVocabulary(const Candidates& candidates, const std::vector<HeadwordId>& germanRank,
                           const std::vector<HeadwordId>& englishRank, std::size_t maxRecords);

} // namespace wb::vocab
