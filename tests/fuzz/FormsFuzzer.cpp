// Decodes an arbitrary forms file and resolves words through it.
// Input: the bytes of a forms file; its last up to 32 bytes after a 0xFF byte, when
// there is one, are also resolved as a text.
//
// Properties:
//   - a file is accepted or refused whole: a refused one yields an empty table, and a
//     problem placed inside the input;
//   - an accepted table has its forms in strictly ascending order, finds every form to
//     exactly its own bases, and survives a round trip through the encoder;
//   - resolving any of its forms, or the text, over a word list names only headwords
//     of that list, never resolves a headword, and gives a part for every split.
#include "forms/FormResolver.h"
#include "forms/FormsFile.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>

namespace {

using namespace wb;

// Indices past this list's end are what a forms file of another vocabulary names;
// the resolver must drop them.
const WordList& headwords()
{
    static const WordList words = [] {
        WordList list;
        for (const char* word : {"Haus", "gehen", "in", "Weg", "weg", "Dampf", "Schiff", "a", "b",
                                 "ab", "ba", "aaa", "bbb", "go", "house", "mouse"})
            list.append(word);
        return list;
    }();
    return words;
}

void checkResolution(const FormResolver& resolver, std::string_view text)
{
    const Resolution resolution = resolver.resolve(text);
    const auto& words = headwords();
    bool isHeadword = false;
    for (std::size_t i = 0; i < words.size(); ++i)
        isHeadword = isHeadword || words[i] == text;
    WB_FUZZ_CHECK(!isHeadword || resolution.kind == ResolutionKind::None,
                  "a headword was resolved");
    WB_FUZZ_CHECK((resolution.kind == ResolutionKind::None) == resolution.bases.empty(),
                  "a resolution without headwords");
    for (const auto& part : resolution.bases) {
        WB_FUZZ_CHECK(!part.empty(), "a part without a headword");
        for (const std::uint32_t index : part)
            WB_FUZZ_CHECK(index < words.size(), "an index beyond the word list");
    }
}

void checkTable(const FormsTable& table)
{
    std::vector<FormEntry> entries;
    for (std::size_t i = 0; i < table.size(); ++i) {
        WB_FUZZ_CHECK(i == 0 || table.form(i - 1) < table.form(i), "forms out of order");
        const auto found = table.find(table.form(i));
        const auto own = table.bases(i);
        WB_FUZZ_CHECK(std::equal(found.begin(), found.end(), own.begin(), own.end()),
                      "a form finds other bases than its own");
        entries.push_back({std::string(table.form(i)), {own.begin(), own.end()}});
    }
    const auto again = decodeForms(encodeForms(table.listHash(), entries));
    WB_FUZZ_CHECK(again.ok && again.table.size() == table.size(), "no round trip");
    for (std::size_t i = 0; i < table.size(); ++i)
        WB_FUZZ_CHECK(again.table.form(i) == table.form(i), "a form changed in the round trip");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);
    const auto decoded = decodeForms(bytes);
    WB_FUZZ_CHECK(decoded.ok
                      ? decoded.problem.empty()
                      : !decoded.problem.empty() && decoded.table.empty() && decoded.offset <= size,
                  decoded.problem);
    if (decoded.ok)
        checkTable(decoded.table);

    for (const FormLanguage language : {FormLanguage::German, FormLanguage::English}) {
        const FormResolver resolver(language, headwords(), decoded.table);
        for (std::size_t i = 0; i < std::min<std::size_t>(decoded.table.size(), 16); ++i)
            checkResolution(resolver, decoded.table.form(i));
        const auto* marker = std::find(data, data + size, std::uint8_t(0xFF));
        if (marker != data + size) {
            const auto* begin = marker + 1;
            const auto length = std::min<std::size_t>(std::size_t(data + size - begin), 32);
            checkResolution(resolver, {reinterpret_cast<const char*>(begin), length});
        }
    }
    return 0;
}
