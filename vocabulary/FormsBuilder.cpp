#include "vocabulary/FormsBuilder.h"

#include "dictionary/Windows1252.h"
#include "forms/FormRules.h"
#include "forms/FormsFile.h"
#include "messages/QuotedInput.h"
#include "vocabulary/BoundedLines.h"

#include <algorithm>
#include <fstream>
#include <map>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <unordered_map>

namespace wb::vocab {
namespace {

constexpr std::string_view kReflexive = " (sich)";

std::vector<std::string> decodeHeadwords(DictionaryFile file, std::span<const std::uint8_t> bytes)
{
    std::vector<std::string> headwords;
    RecordDecoder decoder(file, bytes);
    DecodedRecord record;
    while (!decoder.atEnd() && decoder.next(record))
        headwords.emplace_back(record.headword);
    return headwords;
}

std::vector<std::string_view> splitWords(std::string_view text)
{
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const auto space = text.find(' ');
        if (space != 0)
            words.push_back(text.substr(0, space));
        if (space == std::string_view::npos)
            break;
        text.remove_prefix(space + 1);
    }
    return words;
}

// The longest ending that takes one form of a line to another: "ersten" is "erste"
// and "n", and "seinen" is "seine" and "n".
constexpr std::size_t kLongestEnding = 2;

// A table line may list, as forms of its base, words that are headwords of their own
// and nearer to the form: the table gives "erste" and "ersten" as forms of "erst"
// (only), "seine" and "seinen" as forms of "sein" (be). A reader of "ersten" means
// "erste", so such a form has that headword as a base too, the longest one it
// extends by an ending; the lookup shows the nearer base first.
//  - Only one longer than the base: "gehe" is a form of "gehen", not of "geh".
//  - Not for nouns: "Diebes" is "Dieb" and "es", though "Diebe" is a headword.
//  - A headword that is another one and "e" gives way to that one: "registriertes"
//    is "registriert" and "es", not the past "registrierte" and "s".
std::optional<std::uint16_t>
nearerHeadword(std::string_view form, const FormSourceLine& line,
               const std::unordered_map<std::string_view, std::uint16_t>& indexOf)
{
    if (form.empty() || latinUpper(form[0]) == form[0])
        return {};
    std::string_view nearer;
    for (const std::string& other : line.forms) {
        if (other.size() <= std::max(line.base.size(), nearer.size()) ||
            other.size() >= form.size() || form.size() - other.size() > kLongestEnding ||
            !form.starts_with(other) || !indexOf.contains(other))
            continue;
        nearer = other;
    }
    if (nearer.empty())
        return {};
    const auto withoutE = nearer.substr(0, nearer.size() - 1);
    if (nearer.ends_with('e') && withoutE.size() > line.base.size() &&
        std::find(line.forms.begin(), line.forms.end(), withoutE) != line.forms.end() &&
        indexOf.contains(withoutE))
        nearer = withoutE;
    return indexOf.at(nearer);
}

} // namespace

FormTableSource parseFormTable(std::istream& in, const std::string& name)
{
    FormTableSource table;
    std::size_t number = 0;
    const auto fail = [&](const std::string& what) {
        throw std::runtime_error(name + ":" + std::to_string(number) + ": " + what);
    };
    const auto take = [&](std::string_view line) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty())
            return;
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos)
            fail("no tab between the base and its forms");
        if (tab == 0)
            fail("no base before the tab");
        if (std::any_of(line.begin(), line.end(),
                        [](char c) {
                            const auto byte = static_cast<unsigned char>(c);
                            return (byte < 0x20 && c != '\t') || byte == 0x7F;
                        }) ||
            line.find('\t', tab + 1) != std::string_view::npos)
            fail("a control character or a second tab");
        FormSourceLine parsed;
        if (!utf8ToWindows1252Exact(line.substr(0, tab), parsed.base)) {
            ++table.notEncodable;
            return;
        }
        for (const std::string_view form : splitWords(line.substr(tab + 1))) {
            std::string encoded;
            if (utf8ToWindows1252Exact(form, encoded) && encoded.size() <= kMaxFormBytes)
                parsed.forms.push_back(std::move(encoded));
            else
                ++table.notEncodable;
        }
        table.lines.push_back(std::move(parsed));
    };
    const auto tooLong = [&] {
        ++number;
        fail("the line is longer than " + std::to_string(kMaxFormLineBytes / 1024) +
             " KiB, which no word's forms are");
    };
    try {
        forEachLine(in, {kMaxFormLineBytes, kMaxFormTableBytes}, {take, tooLong, {}});
    } catch (const InputTooLarge& error) {
        throw std::runtime_error(name + " " + error.what() + ", more than any form table holds");
    }
    if (in.bad())
        throw std::runtime_error("error while reading " + name);
    return table;
}

FormTableSource readFormTable(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + messages::quotedPath(path));
    return parseFormTable(in, messages::quotedPath(path));
}

std::vector<std::uint8_t> buildFormsFile(DictionaryFile file,
                                         std::span<const std::uint8_t> dataFile,
                                         const FormTableSource* source, FormsSummary& summary)
{
    const auto headwords = decodeHeadwords(file, dataFile);
    std::vector<std::string_view> views(headwords.begin(), headwords.end());
    std::unordered_map<std::string_view, std::uint16_t> indexOf;
    for (std::size_t i = 0; i < views.size(); ++i)
        indexOf.emplace(views[i], std::uint16_t(i));
    // "freuen (sich)" is what a reader of "freute" looks for, unless "freuen" is a
    // headword of its own.
    for (std::size_t i = 0; i < views.size(); ++i)
        if (views[i].ends_with(kReflexive))
            indexOf.emplace(views[i].substr(0, views[i].size() - kReflexive.size()),
                            std::uint16_t(i));

    std::map<std::string, std::vector<std::uint16_t>> forms; // byte order, as the file wants
    std::vector<char> hasForm(views.size(), 0);
    if (source) {
        for (const FormSourceLine& line : source->lines) {
            const auto base = indexOf.find(line.base);
            if (base == indexOf.end())
                continue;
            for (const std::string& form : line.forms) {
                // Kept: the lookup shows such a headword as itself, the desktop's
                // search lists its base first ("ging", "gehen").
                if (form == line.base)
                    continue;
                auto& bases = forms[form];
                const auto add = [&](std::uint16_t index) {
                    if (std::find(bases.begin(), bases.end(), index) == bases.end())
                        bases.push_back(index);
                    hasForm[index] = 1;
                };
                add(base->second);
                if (const auto nearer = nearerHeadword(form, line, indexOf))
                    add(*nearer);
            }
        }
    }
    std::vector<FormEntry> entries;
    entries.reserve(forms.size());
    for (auto& [form, bases] : forms) {
        if (bases.size() > kMaxFormBases)
            throw std::runtime_error("the form \"" + windows1252ToUtf8(form) + "\" is given for " +
                                     std::to_string(bases.size()) + " headwords, more than " +
                                     std::to_string(kMaxFormBases));
        std::sort(bases.begin(), bases.end());
        summary.ambiguous += bases.size() > 1;
        entries.push_back({form, std::move(bases)});
    }
    summary.forms = entries.size();
    for (const FormEntry& entry : entries)
        summary.headwordForms += indexOf.count(entry.form);
    summary.headwords = std::size_t(std::count(hasForm.begin(), hasForm.end(), 1));
    auto bytes = encodeForms(headwordListHash(views), entries);
    summary.fileBytes = bytes.size();
    return bytes;
}

} // namespace wb::vocab
