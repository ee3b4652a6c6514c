// The forgiving matcher of the desktop's search and of --fold, against its definition.
// Input (see FuzzSupport.h): one byte, the launcher's limit (0-15), then headwords, one
// a line (Windows-1252 bytes) |#| text.
//
// Properties:
//   - forgivingMatches finds exactly the headwords whose fold equals, or begins with,
//     the text's fold, in file order;
//   - the fold is idempotent and never leaves a capital letter or "ä ö ü ß";
//   - launcherMatches gives at most the limit, each headword once, in the ranking
//     order, each tier true of its headword (the spelling itself, the same but for
//     case, the same under the fold, or beginning with it), and nothing for a text
//     shorter than the minimum.
#include "dictionary/ForgivingMatch.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>
#include <set>

namespace {

using namespace wb;
using namespace wb::fuzz;

std::string_view trimmed(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::string caseFolded(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = char(foldCase(static_cast<unsigned char>(c)));
    return out;
}

void checkTier(const LauncherMatch& match, std::string_view word, std::string_view text)
{
    const std::string detail = printable(word) + " for " + printable(text);
    WB_FUZZ_CHECK(match.length == word.size(), detail);
    switch (match.tier) {
    case MatchTier::Spelling:
        WB_FUZZ_CHECK(word == text, detail);
        break;
    case MatchTier::CaseOnly:
        WB_FUZZ_CHECK(caseFolded(word) == caseFolded(text), detail);
        break;
    case MatchTier::Folded:
        WB_FUZZ_CHECK(forgivingFold(word) == forgivingFold(text), detail);
        break;
    case MatchTier::PrefixCase:
        WB_FUZZ_CHECK(caseFolded(word).starts_with(caseFolded(text)), detail);
        break;
    case MatchTier::PrefixFolded:
        WB_FUZZ_CHECK(forgivingFold(word).starts_with(forgivingFold(text)), detail);
        break;
    case MatchTier::InnerWord:
        WB_FUZZ_CHECK(word.size() > 0, detail);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t limit = data[0] & 15;
    const auto sections =
        splitSections(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    WordList words;
    for (std::string_view rest = sections.empty() ? "" : sections[0]; !rest.empty();) {
        const auto newline = rest.find('\n');
        words.append(rest.substr(0, newline));
        rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    }
    const std::string_view text = sections.size() > 1 ? sections[1] : "";

    const std::string key = forgivingFold(text);
    WB_FUZZ_CHECK(forgivingFold(key) == key, printable(text));
    for (const char c : key) {
        const auto u = static_cast<unsigned char>(c);
        WB_FUZZ_CHECK(foldCase(u) == u && u != 0xE4 && u != 0xF6 && u != 0xFC && u != 0xDF,
                      printable(text) + " folds to " + printable(key));
    }
    for (const MatchScope scope : {MatchScope::Prefix, MatchScope::Whole}) {
        std::vector<std::uint32_t> expected;
        for (std::uint32_t i = 0; i < words.size(); ++i) {
            const std::string word = forgivingFold(words[i]);
            if (scope == MatchScope::Whole ? word == key : word.starts_with(key))
                expected.push_back(i);
        }
        WB_FUZZ_CHECK(forgivingMatches(words, text, scope) == expected, printable(text));
    }

    const auto matches = launcherMatches(words, text, limit);
    WB_FUZZ_CHECK(matches.size() <= limit, printable(text));
    if (trimmed(text).size() < kLauncherMinimumLength)
        WB_FUZZ_CHECK(matches.empty(), printable(text));
    std::set<std::uint32_t> seen;
    for (std::size_t i = 0; i < matches.size(); ++i) {
        WB_FUZZ_CHECK(matches[i].index < words.size(), printable(text));
        WB_FUZZ_CHECK(seen.insert(matches[i].index).second, "twice: " + printable(text));
        if (i > 0)
            WB_FUZZ_CHECK(!rankedBefore(matches[i], matches[i - 1]), "out of order");
        checkTier(matches[i], words[matches[i].index], trimmed(text));
    }
    return 0;
}
