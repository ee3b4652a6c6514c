// Compiles arbitrary word lists through `woerterbuch-dict compile`.
// Input: one byte (bit 0: ding format instead of tab-separated pairs; bits 1-7: a
// --max limit of 1 to 127, or none when 0), then the text of the source file.
//
// Properties:
//   - the verb either fails with a message on stderr, or writes a pair of files that
//     the checker accepts;
//   - a tab-separated source of plain words (a-z only, which cleaning leaves as they
//     are) within the format's limits round-trips through `dump`: the same English and
//     German headwords come back, and every pair in the files was a pair of the source.
#include "cli/CompileCommand.h"
#include "dictionary/DataFile.h"
#include "dictionary/DictionaryCheck.h"
#include "tests/fuzz/FuzzSupport.h"

#include <set>
#include <sstream>

namespace {

using namespace wb;
using namespace wb::fuzz;
using Pair = std::pair<std::string, std::string>;

bool plainWord(std::string_view word)
{
    if (word.empty() || word.size() > 15)
        return false;
    for (char c : word)
        if (c < 'a' || c > 'z')
            return false;
    return true;
}

// The source's pairs when every line is a pair of plain words; nothing otherwise.
std::optional<std::set<Pair>> plainPairs(std::string_view text)
{
    std::set<Pair> pairs;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        const auto line = text.substr(start, end - start);
        start = end + 1;
        const auto tab = line.find('\t');
        if (tab == std::string_view::npos)
            return std::nullopt;
        Pair pair{std::string(line.substr(0, tab)), std::string(line.substr(tab + 1))};
        if (!plainWord(pair.first) || !plainWord(pair.second))
            return std::nullopt;
        pairs.insert(std::move(pair));
    }
    return pairs;
}

std::vector<std::vector<std::string>> dumpRows(const std::string& directory, const char* direction)
{
    std::ostringstream out, err;
    const std::vector<std::string> args{"--data", directory, direction};
    WB_FUZZ_CHECK(cli::dumpCommand(args, out, err) == 0, err.str());
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(out.str());
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> fields;
        std::istringstream parts(line);
        for (std::string field; std::getline(parts, field, '\t');)
            fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

void checkRoundTrip(const std::set<Pair>& source, const std::string& directory)
{
    const auto english = dumpRows(directory, "en");
    const auto german = dumpRows(directory, "de");
    std::set<std::string> sourceEnglish, sourceGerman, outEnglish, outGerman;
    for (const auto& [en, de] : source)
        sourceEnglish.insert(en), sourceGerman.insert(de);
    for (const auto& row : english) {
        outEnglish.insert(row[1]);
        std::istringstream refs(row[2]);
        for (long index; refs >> index;)
            if (index != 65535)
                WB_FUZZ_CHECK(source.count({row[1], german.at(std::size_t(index))[1]}),
                              "invented pair for " + row[1]);
    }
    for (const auto& row : german) {
        outGerman.insert(row[1]);
        const auto& en = english.at(std::size_t(std::stol(row[2])))[1];
        WB_FUZZ_CHECK(source.count({en, row[1]}), "invented pair for " + row[1]);
    }
    WB_FUZZ_CHECK(outEnglish == sourceEnglish, "English headwords differ from the source");
    WB_FUZZ_CHECK(outGerman == sourceGerman, "German headwords differ from the source");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const bool ding = data[0] & 1;
    const int max = data[0] >> 1;
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

    const auto& scratch = scratchDirectory();
    const auto out = scratch / "out";
    std::filesystem::remove_all(out);
    placeFile(scratch, "source.txt", Bytes(text.begin(), text.end()));

    std::vector<std::string> args{ding ? "--ding" : "--tsv", (scratch / "source.txt").string(),
                                  "--out", out.string()};
    if (max > 0)
        args.insert(args.end(), {"--max", std::to_string(max)});
    std::ostringstream stdoutText, stderrText;
    const int status = cli::compileCommand(args, stdoutText, stderrText);
    if (status != 0) {
        WB_FUZZ_CHECK(!stderrText.str().empty(), "failed without a message");
        return 0;
    }

    const auto read = [&](DictionaryFile file) {
        return readDataFile(out / fileName(file), std::size_t(1) << 26);
    };
    const auto report =
        checkDictionaryFiles(read(DictionaryFile::German), read(DictionaryFile::English));
    std::string problems;
    for (const auto& problem : report.problems)
        problems += std::string(fileName(problem.file)) + " #" + std::to_string(problem.record) +
                    ": " + problem.what + "\n";
    WB_FUZZ_CHECK(report.wellFormed(), "compiled files are not well formed:\n" + problems);

    if (!ding && max == 0)
        if (const auto pairs = plainPairs(text))
            checkRoundTrip(*pairs, out.string());
    return 0;
}
