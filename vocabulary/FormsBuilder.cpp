#include "vocabulary/FormsBuilder.h"

#include "dictionary/Windows1252.h"
#include "forms/FormsFile.h"
#include "messages/QuotedInput.h"
#include "vocabulary/BoundedLines.h"

#include <algorithm>
#include <fstream>
#include <map>
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
                if (std::find(bases.begin(), bases.end(), base->second) == bases.end())
                    bases.push_back(base->second);
                hasForm[base->second] = 1;
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
