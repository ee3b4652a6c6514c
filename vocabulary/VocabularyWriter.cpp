#include "vocabulary/VocabularyWriter.h"

#include "dictionary/RecordEncoder.h"
#include "system/FileReplacement.h"

#include <stdexcept>

namespace wb::vocab {
namespace {

// Index of every chosen headword in its file.
std::vector<std::uint16_t> indexOf(const std::vector<HeadwordId>& chosen, std::size_t candidates)
{
    std::vector<std::uint16_t> index(candidates, kNoTranslation);
    for (std::size_t position = 0; position < chosen.size(); ++position)
        index[chosen[position]] = std::uint16_t(position);
    return index;
}

std::vector<std::uint16_t> references(std::span<const Translation> translations,
                                      const std::vector<std::uint16_t>& index, std::size_t limit)
{
    std::vector<std::uint16_t> result;
    for (const Translation& t : translations) {
        if (result.size() == limit)
            break;
        if (index[t.other] != kNoTranslation)
            result.push_back(index[t.other]);
    }
    return result;
}

std::vector<std::uint8_t> encodeFile(const Candidates& candidates, Language language,
                                     const std::vector<HeadwordId>& chosen,
                                     const std::vector<std::uint16_t>& otherIndex)
{
    const bool german = language == Language::German;
    RecordEncoder encoder(german ? DictionaryFile::German : DictionaryFile::English);
    const auto& headwords = candidates.headwords(language);
    for (HeadwordId id : chosen) {
        const auto refs = references(candidates.translations(language, id), otherIndex,
                                     german ? 1 : kMaxGermanTranslations);
        if (!encoder.append(headwords[id].text, refs))
            throw std::logic_error("the selection holds a record that cannot be encoded: " +
                                   headwords[id].text);
    }
    return encoder.bytes();
}

} // namespace

VocabularyFiles encodeVocabulary(const Candidates& candidates, const Selection& selection)
{
    const auto germanIndex =
        indexOf(selection.german, candidates.headwords(Language::German).size());
    const auto englishIndex =
        indexOf(selection.english, candidates.headwords(Language::English).size());
    return {encodeFile(candidates, Language::English, selection.english, germanIndex),
            encodeFile(candidates, Language::German, selection.german, englishIndex)};
}

void writeVocabulary(const VocabularyFiles& files, const std::filesystem::path& directory)
{
    // A directory made here and left empty by a failure goes again, so that a failed
    // compile leaves nothing behind.
    const bool created = std::filesystem::create_directories(directory);
    const FileContent contents[] = {{fileName(DictionaryFile::English), files.engdeu},
                                    {fileName(DictionaryFile::German), files.deueng}};
    try {
        replaceFiles(directory, contents);
    } catch (const FileReplaceError&) {
        std::error_code ignored;
        if (created)
            std::filesystem::remove(directory, ignored);
        throw;
    }
}

} // namespace wb::vocab
