// Checks an arbitrary pair of files, directly and through `woerterbuch-dict check`.
// Input (see FuzzSupport.h): presence byte, then deueng.dat |#| engdeu.dat.
//
// Properties:
//   - the checker accepts a file exactly when the reference decoder reads it without
//     any repair and its references resolve against what the other file keeps;
//   - it counts the records a reader keeps, and every problem names a kept record at
//     its true offset, or the place where the kept records end;
//   - the command's exit status and summary agree with the report.
#include "cli/Commands.h"
#include "dictionary/DictionaryCheck.h"
#include "tests/fuzz/FuzzSupport.h"
#include "tests/fuzz/ReferenceDecoder.h"

#include <sstream>

namespace {

using namespace wb;
using namespace wb::fuzz;

std::string describe(const CheckReport& report)
{
    std::string text;
    for (const auto& problem : report.problems)
        text += std::string("  ") + fileName(problem.file) + " #" + std::to_string(problem.record) +
                " @" + std::to_string(problem.offset) + ": " + problem.what + "\n";
    return text;
}

void checkFile(const CheckReport& report, const FileCheck& summary,
               const std::optional<Bytes>& bytes, const ReferenceFile& decoded,
               std::size_t otherRecords)
{
    const char* name = fileName(decoded.file);
    WB_FUZZ_CHECK(summary.opened == bytes.has_value(), name);
    if (!bytes)
        return;
    WB_FUZZ_CHECK(summary.bytes == bytes->size(), name);
    WB_FUZZ_CHECK(summary.records == decoded.records.size(),
                  std::string(name) + ": " + std::to_string(summary.records) + " records, " +
                      std::to_string(decoded.records.size()) + " kept");

    // References into a missing file are one problem, counted rather than listed.
    bool reported = summary.referencesIntoMissing > 0;
    for (const auto& problem : report.problems) {
        if (problem.file != decoded.file)
            continue;
        reported = true;
        const bool kept = problem.record < decoded.records.size();
        WB_FUZZ_CHECK(kept ? problem.offset == decoded.records[problem.record].offset
                           : problem.record == decoded.records.size() &&
                                 problem.offset == decoded.end,
                      std::string(name) + " problem placed wrongly:\n" + describe(report));
    }
    const bool expected = acceptable(decoded, otherRecords);
    WB_FUZZ_CHECK(reported != expected, std::string(name) +
                                            (expected ? " needs no repair but was reported:\n"
                                                      : " needs repair but was accepted\n") +
                                            describe(report));
}

void checkCommandAgrees(const CheckReport& report)
{
    const std::vector<std::string> args = {"--data", scratchDirectory().string()};
    std::ostringstream out, err;
    const int status = cli::checkCommand(args, out, err);
    // Read where it was written: the output has a line per problem, and copying it
    // twice over (into a string, then into a stream of lines) was much of a run's time.
    const std::string_view text = out.view();
    // The count in the summary covers every problem line and every file that cannot be
    // opened, and the one line for the references into such a file.
    std::size_t listed = 0;
    for (std::string_view rest = text; !rest.empty();) {
        const auto newline = rest.find('\n');
        const std::string_view line = rest.substr(0, newline);
        rest.remove_prefix(newline == std::string_view::npos ? rest.size() : newline + 1);
        listed +=
            line.find(": record ") != std::string_view::npos || line.ends_with("cannot be opened");
    }
    const std::string summary =
        report.wellFormed() ? "well formed\n" : std::to_string(listed) + " problem(s)\n";
    WB_FUZZ_CHECK(status == (report.wellFormed() ? cli::kExitOk : cli::kExitProblems),
                  std::string(text));
    WB_FUZZ_CHECK(text.ends_with(summary), std::string(text));
    WB_FUZZ_CHECK(err.str().empty(), err.str());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const FuzzInput input({data, size});
    const auto& germanBytes = input.german;
    const auto& englishBytes = input.english;

    const Bytes none;
    const auto german = referenceDecode(DictionaryFile::German, germanBytes.value_or(none));
    const auto english = referenceDecode(DictionaryFile::English, englishBytes.value_or(none));

    const CheckReport report = checkDictionaryFiles(germanBytes, englishBytes);
    checkFile(report, report.german, germanBytes, german, english.records.size());
    checkFile(report, report.english, englishBytes, english, german.records.size());
    WB_FUZZ_CHECK(report.wellFormed() ==
                      (germanBytes && englishBytes && acceptable(german, english.records.size()) &&
                       acceptable(english, german.records.size())),
                  describe(report));

    placeFile(scratchDirectory(), fileName(DictionaryFile::German), germanBytes);
    placeFile(scratchDirectory(), fileName(DictionaryFile::English), englishBytes);
    checkCommandAgrees(report);
    return 0;
}
