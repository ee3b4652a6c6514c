// The folded index that a batch of lookups searches, against a walk over the list.
// Input (see FuzzSupport.h): headwords, one a line (Windows-1252 bytes) |#| key |#| key ...
//
// Properties, for the plain a-z folding and the forgiving one alike, for prefixes and
// whole headwords:
//   - the index finds exactly the headwords the walk finds, in file order (for the a-z
//     folding a non-empty key: asciiMatches finds nothing for an empty one, the index
//     and forgivingMatches every headword).
#include "dictionary/AsciiCase.h"
#include "dictionary/FoldedIndex.h"
#include "dictionary/ForgivingMatch.h"
#include "dictionary/Search.h"
#include "tests/fuzz/FuzzSupport.h"

namespace {

using namespace wb;
using namespace wb::fuzz;

constexpr std::size_t kMaxKeys = 8;

std::string describe(std::string_view key, const std::vector<std::uint32_t>& found)
{
    std::string text = "key " + printable(key) + ":";
    for (const std::uint32_t index : found)
        text += " " + std::to_string(index);
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const auto sections =
        splitSections(std::string_view(reinterpret_cast<const char*>(data), size));
    if (sections.empty())
        return 0;
    WordList words;
    for (std::string_view rest = sections[0]; !rest.empty();) {
        const auto newline = rest.find('\n');
        words.append(rest.substr(0, newline));
        rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    }
    const FoldedIndex ascii(words, asciiUpperCase);
    const FoldedIndex forgiving(words, forgivingFold);
    for (std::size_t k = 1; k < sections.size() && k <= kMaxKeys; ++k) {
        const std::string_view key = sections[k];
        for (const MatchScope scope : {MatchScope::Prefix, MatchScope::Whole}) {
            if (!key.empty()) {
                const auto byIndex = ascii.matches(key, scope);
                const auto walked = asciiMatches(words, key, scope);
                WB_FUZZ_CHECK(byIndex == walked,
                              "a-z " + describe(key, byIndex) + " walk " + describe(key, walked));
            }
            const auto foldedByIndex = forgiving.matches(key, scope);
            const auto foldedWalk = forgivingMatches(words, key, scope);
            WB_FUZZ_CHECK(foldedByIndex == foldedWalk, "forgiving " + describe(key, foldedByIndex) +
                                                           " walk " + describe(key, foldedWalk));
        }
    }
    return 0;
}
