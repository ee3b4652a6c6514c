#include "vocabulary/FrequencyTable.h"

#include "dictionary/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <stdexcept>

namespace wb::vocab {
namespace {

[[noreturn]] void fail(std::string_view name, std::size_t line, std::string_view what)
{
    throw std::runtime_error(std::string(name) + ":" + std::to_string(line) + ": " +
                             std::string(what));
}

std::uint64_t parseCount(std::string_view text, std::string_view name, std::size_t line)
{
    std::uint64_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (error != std::errc() || end != text.data() + text.size() || count == 0)
        fail(name, line,
             "the count must be a positive whole number, not '" + std::string(text) + "'");
    return count;
}

} // namespace

std::string foldedLowerCase(std::string_view text)
{
    std::string out(text);
    for (char& c : out) {
        const auto u = static_cast<unsigned char>(c);
        if ((u >= 'A' && u <= 'Z') || (u >= 0xC0 && u <= 0xDE && u != 0xD7))
            c = char(u + 0x20);
    }
    return out;
}

FrequencyTable FrequencyTable::read(std::istream& in, std::string_view name)
{
    FrequencyTable table;
    std::string line;
    std::string word;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.find_first_not_of(" \t") == std::string::npos)
            continue;
        const auto tab = line.find('\t');
        if (tab == std::string::npos || tab == 0)
            fail(name, number, "expected word<TAB>count");
        const auto count = parseCount(std::string_view(line).substr(tab + 1), name, number);
        if (!utf8ToWindows1252Exact(std::string_view(line).substr(0, tab), word))
            continue;
        table.m_words.emplace_back(word, count);
        table.m_folded.emplace_back(foldedLowerCase(word), count);
        table.m_total += count;
    }
    if (in.bad())
        throw std::runtime_error("error while reading " + std::string(name));
    sortAndMerge(table.m_words);
    sortAndMerge(table.m_folded);
    return table;
}

// Spellings that fold to one word, or a word listed twice, add up.
void FrequencyTable::sortAndMerge(Words& words)
{
    std::sort(words.begin(), words.end());
    std::size_t kept = 0;
    for (std::size_t i = 0; i < words.size(); ++i) {
        if (kept > 0 && words[kept - 1].first == words[i].first)
            words[kept - 1].second += words[i].second;
        else if (kept++ != i)
            words[kept - 1] = std::move(words[i]);
    }
    words.resize(kept);
    words.shrink_to_fit();
}

FrequencyTable FrequencyTable::read(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return read(in, path.string());
}

std::uint64_t FrequencyTable::find(const Words& words, const std::string& word)
{
    const auto found = std::lower_bound(
        words.begin(), words.end(), word,
        [](const auto& entry, const std::string& wanted) { return entry.first < wanted; });
    return found != words.end() && found->first == word ? found->second : 0;
}

std::uint64_t FrequencyTable::count(std::string_view word) const
{
    const std::string written(word);
    const auto exact = find(m_words, written);
    return exact > 0 ? exact : find(m_folded, foldedLowerCase(written));
}

bool FrequencyTable::contains(std::string_view word) const
{
    return count(word) > 0;
}

double FrequencyTable::perMillion(std::string_view word) const
{
    return m_total == 0 ? 0.0 : double(count(word)) * 1e6 / double(m_total);
}

std::vector<std::string> FrequencyTable::mostFrequent(std::size_t count) const
{
    std::vector<const std::pair<std::string, std::uint64_t>*> order;
    order.reserve(m_words.size());
    for (const auto& word : m_words)
        order.push_back(&word);
    count = std::min(count, order.size());
    std::partial_sort(order.begin(), order.begin() + std::ptrdiff_t(count), order.end(),
                      [](const auto* a, const auto* b) {
                          return a->second != b->second ? a->second > b->second
                                                        : a->first < b->first;
                      });
    std::vector<std::string> words;
    words.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        words.push_back(order[i]->first);
    return words;
}

} // namespace wb::vocab
