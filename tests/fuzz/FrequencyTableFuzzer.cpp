// Reading a word frequency list, against a plain reading of the same lines.
// Input: the list itself.
//
// Properties:
//   - a list is refused exactly when a line has no word before a tab or a count that is
//     not a whole number from 1 to 2^64 - 1, or its counts add up past 2^64 - 1, or a
//     line is longer than the limit; the message names the first such line and quotes
//     nothing a terminal acts on, in a bounded length;
//   - a list read counts the words Windows-1252 can store, in total and each word as
//     written, and the most frequent come in the documented order.
#include "dictionary/Windows1252.h"
#include "tests/fuzz/FuzzSupport.h"
#include "vocabulary/FrequencyTable.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <sstream>

namespace {

using namespace wb;
using namespace wb::fuzz;
using wb::vocab::FrequencyTable;

// Wide enough that no sum of 64-bit counts overflows it.
__extension__ using Wide = unsigned __int128;

struct Expected {
    std::size_t badLine = 0; // 0: none
    std::map<std::string, Wide> counts;
    Wide total = 0;
};

Expected readPlainly(std::string_view text)
{
    Expected expected;
    std::size_t number = 0;
    while (!text.empty() && expected.badLine == 0) {
        ++number;
        const auto newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (line.size() > vocab::kMaxFrequencyLineBytes) {
            expected.badLine = number;
            break;
        }
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.find_first_not_of(" \t") == std::string_view::npos)
            continue;
        const auto tab = line.find('\t');
        std::uint64_t count = 0;
        const std::string_view digits =
            tab == std::string_view::npos ? std::string_view() : line.substr(tab + 1);
        const auto [end, error] =
            std::from_chars(digits.data(), digits.data() + digits.size(), count);
        if (tab == std::string_view::npos || tab == 0 || digits.empty() || error != std::errc() ||
            end != digits.data() + digits.size() || count == 0) {
            expected.badLine = number;
            break;
        }
        std::string word;
        if (!utf8ToWindows1252Exact(line.substr(0, tab), word))
            continue;
        expected.total += count;
        if (expected.total > std::numeric_limits<std::uint64_t>::max()) {
            expected.badLine = number;
            break;
        }
        expected.counts[word] += count;
    }
    return expected;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    const Expected expected = readPlainly(text);
    std::istringstream in(text);
    try {
        const FrequencyTable table = FrequencyTable::read(in, "list");
        WB_FUZZ_CHECK(expected.badLine == 0,
                      "accepted, line " + std::to_string(expected.badLine) + " is bad");
        WB_FUZZ_CHECK(table.total() == expected.total, "total");
        for (const auto& [word, count] : expected.counts)
            WB_FUZZ_CHECK(table.perMillion(word) ==
                              double(std::uint64_t(count)) * 1e6 / double(table.total()),
                          printable(word));
        const auto frequent = table.mostFrequent(expected.counts.size());
        WB_FUZZ_CHECK(frequent.size() == expected.counts.size(), "most frequent");
        for (std::size_t i = 1; i < frequent.size(); ++i) {
            const auto before = expected.counts.at(frequent[i - 1]);
            const auto after = expected.counts.at(frequent[i]);
            WB_FUZZ_CHECK(before > after || (before == after && frequent[i - 1] < frequent[i]),
                          "order at " + std::to_string(i));
        }
    } catch (const std::runtime_error& error) {
        const std::string message = error.what();
        WB_FUZZ_CHECK(expected.badLine != 0, "refused: " + printable(message));
        WB_FUZZ_CHECK(message.starts_with("list:" + std::to_string(expected.badLine) + ": "),
                      printable(message) + " for line " + std::to_string(expected.badLine));
        WB_FUZZ_CHECK(message.size() < 400, printable(message));
        for (const char c : message)
            WB_FUZZ_CHECK(static_cast<unsigned char>(c) >= 0x20 && c != 0x7F, printable(message));
    }
    return 0;
}
