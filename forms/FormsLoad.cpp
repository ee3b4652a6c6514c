#include "forms/FormsLoad.h"

#include "dictionary/DataFile.h"

namespace wb {

LoadedForms checkForms(std::span<const std::uint8_t> bytes, const WordList& headwords)
{
    LoadedForms loaded;
    loaded.found = true;
    if (bytes.size() > kMaxFormsFileBytes) {
        loaded.problem = "larger than " + std::to_string(kMaxFormsFileBytes >> 20) +
                         " MiB, more than any forms file holds";
        return loaded;
    }
    FormsDecodeResult decoded = decodeForms(bytes);
    if (!decoded.ok) {
        loaded.problem = "record " + std::to_string(decoded.record) + " at byte " +
                         std::to_string(decoded.offset) + ": " + decoded.problem;
        return loaded;
    }
    // Forms built for another vocabulary would point at the wrong words.
    if (decoded.table.listHash() != headwordListHash(headwords)) {
        loaded.problem = "built for other headwords than the data file beside it";
        return loaded;
    }
    if (decoded.table.largestBase() >= int(headwords.size())) {
        loaded.problem = "names headword " + std::to_string(decoded.table.largestBase()) +
                         ", beyond the " + std::to_string(headwords.size()) + " of the data file";
        return loaded;
    }
    loaded.table = std::move(decoded.table);
    return loaded;
}

LoadedForms loadForms(const std::filesystem::path& directory, DictionaryFile file,
                      const WordList& headwords)
{
    const auto path = locateFile(directory, formsFileName(file));
    // One byte past the limit shows that the file goes on.
    const auto bytes = readDataFile(path, kMaxFormsFileBytes + 1);
    if (!bytes) {
        LoadedForms missing;
        missing.problem = "cannot be opened";
        return missing;
    }
    return checkForms(*bytes, headwords);
}

} // namespace wb
