// The "did you mean" search, against the textbook edit distance over every headword.
// Input (see FuzzSupport.h): one byte, the edits allowed (0-3) and the count wanted
// (0-7), then headwords, one a line |#| text.
//
// Properties:
//   - boundedEditDistance is the full table's distance, or limit + 1 past the limit;
//   - nearHeadwords gives the headwords within the edits of the text (letters' case
//     folded), the closest first and in file order among equals, leaving out one spelt
//     byte for byte like one already given, and no more than asked for.
#include "dictionary/ForgivingMatch.h"
#include "dictionary/NearWords.h"
#include "tests/fuzz/FuzzSupport.h"

#include <algorithm>

namespace {

using namespace wb;
using namespace wb::fuzz;

// Headwords and texts longer than this make the reference's full table slow without
// reaching any other code.
constexpr std::size_t kMaxLength = 64;

std::string folded(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = char(foldCase(static_cast<unsigned char>(c)));
    return out;
}

std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::vector<std::size_t>> table(a.size() + 1,
                                                std::vector<std::size_t>(b.size() + 1));
    for (std::size_t i = 0; i <= a.size(); ++i)
        table[i][0] = i;
    for (std::size_t j = 0; j <= b.size(); ++j)
        table[0][j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i)
        for (std::size_t j = 1; j <= b.size(); ++j)
            table[i][j] = std::min({table[i - 1][j] + 1, table[i][j - 1] + 1,
                                    table[i - 1][j - 1] + (a[i - 1] == b[j - 1] ? 0 : 1)});
    return table[a.size()][b.size()];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t maxEdits = data[0] & 3;
    const std::size_t count = (data[0] >> 2) & 7;
    const auto sections =
        splitSections(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    WordList words;
    for (std::string_view rest = sections.empty() ? "" : sections[0]; !rest.empty();) {
        const auto newline = rest.find('\n');
        const auto word = rest.substr(0, newline);
        if (word.size() <= kMaxLength)
            words.append(word);
        rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
    }
    const std::string_view text = sections.size() > 1 ? sections[1].substr(0, kMaxLength) : "";

    struct Near {
        std::size_t distance;
        std::uint32_t index;
    };
    std::vector<Near> near;
    for (std::uint32_t i = 0; i < words.size(); ++i) {
        const std::size_t distance = editDistance(folded(text), folded(words[i]));
        for (std::size_t limit = 0; limit <= 3; ++limit)
            WB_FUZZ_CHECK(boundedEditDistance(folded(text), folded(words[i]), limit) ==
                              std::min(distance, limit + 1),
                          printable(text) + " / " + printable(words[i]));
        if (distance <= maxEdits)
            near.push_back({distance, i});
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const Near& a, const Near& b) { return a.distance < b.distance; });
    std::vector<std::uint32_t> expected;
    for (const Near& candidate : near) {
        if (text.empty() || expected.size() == count)
            break;
        if (std::none_of(expected.begin(), expected.end(),
                         [&](std::uint32_t i) { return words[i] == words[candidate.index]; }))
            expected.push_back(candidate.index);
    }
    const auto found = nearHeadwords(words, text, maxEdits, count);
    WB_FUZZ_CHECK(found == expected, "text " + printable(text) + ", " +
                                         std::to_string(found.size()) + " found, " +
                                         std::to_string(expected.size()) + " expected");
    return 0;
}
