#pragma once
// Turns a selection into the bytes of engdeu.dat and deueng.dat and writes them. It
// picks each headword's translations among the chosen ones; which headwords are
// chosen is Selection's decision.
#include "dictionary/RecordDecoder.h"
#include "vocabulary/Candidates.h"
#include "vocabulary/RecordOrder.h"
#include "vocabulary/Selection.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string_view>
#include <vector>

namespace wb::vocab {

constexpr std::size_t kMaxGermanTranslations = 3;

struct VocabularyFiles {
    std::vector<std::uint8_t> engdeu;
    std::vector<std::uint8_t> deueng;
    // The forms files (FormsBuilder), written with the pair when not empty.
    std::vector<std::uint8_t> engforms;
    std::vector<std::uint8_t> deuforms;
};

// Each English headword gets its up to three most fitting German translations, each
// German headword its most fitting English one. Throws std::logic_error if the
// selection holds a record the encoder refuses.
VocabularyFiles encodeVocabulary(const Candidates& candidates, const Selection& selection);

// Writes DIR/engdeu.dat and DIR/deueng.dat, and the forms files that are given,
// creating DIR if needed: all of them replace their previous versions, or none does. Throws
// std::runtime_error (FileReplaceError) naming the file and the reason when they cannot be written.
void writeVocabulary(const VocabularyFiles& files, const std::filesystem::path& directory);

// Finishes what a compile that was killed while writing into `directory` left: puts
// the previous files back where it stopped between two renames, then removes every
// temporary file. Only under the directory's lock. Throws FileReplaceError.
void recoverVocabulary(const std::filesystem::path& directory);

} // namespace wb::vocab
