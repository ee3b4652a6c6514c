#include "vocabulary/VocabularyWriter.h"

#include "dictionary/RecordEncoder.h"
#include "forms/FormsFile.h"
#include "messages/QuotedInput.h"
#include "system/FileReplacement.h"

#include <map>
#include <set>
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
            encodeFile(candidates, Language::German, selection.german, englishIndex),
            {},
            {}};
}

void writeVocabulary(const VocabularyFiles& files, const std::filesystem::path& directory)
{
    // A directory made here and left empty by a failure goes again, so that a failed
    // compile leaves nothing behind.
    std::error_code error;
    const bool created = std::filesystem::create_directories(directory, error);
    if (error)
        throw FileReplaceError("cannot write " + messages::quotedPath(directory) + ": " +
                               error.message());
    std::vector<FileContent> contents = {{fileName(DictionaryFile::English), files.engdeu},
                                         {fileName(DictionaryFile::German), files.deueng}};
    if (!files.engforms.empty())
        contents.push_back({formsFileName(DictionaryFile::English), files.engforms});
    if (!files.deuforms.empty())
        contents.push_back({formsFileName(DictionaryFile::German), files.deuforms});
    try {
        replaceFiles(directory, contents);
    } catch (const FileReplaceError&) {
        std::error_code ignored;
        if (created)
            std::filesystem::remove(directory, ignored);
        throw;
    }
}

void recoverVocabulary(const std::filesystem::path& directory)
{
    const std::string pair[] = {fileName(DictionaryFile::English),
                                fileName(DictionaryFile::German)};
    const std::string all[] = {pair[0], pair[1], formsFileName(DictionaryFile::English),
                               formsFileName(DictionaryFile::German)};
    // The previous versions are linked in file order and unlinked in file order once
    // all four are in place, so the pair's two links without either forms file's mean
    // one thing only: a pair written before there were forms files, which has none to
    // put back. Its two files must come back all the same.
    std::map<std::string, std::set<std::string>> linked; // suffix -> names
    for (const std::string& entry : leftoverTemporaries(directory, all))
        for (const std::string& name : all)
            if (const std::string lead = "." + name + ".old-"; entry.starts_with(lead))
                linked[entry.substr(lead.size())].insert(name);
    for (const auto& [suffix, names] : linked)
        if (names == std::set<std::string>{pair[0], pair[1]})
            recoverReplacement(directory, pair);
    recoverReplacement(directory, all);
}

} // namespace wb::vocab
