#include "cli/Commands.h"

#include "dictionary/DataFile.h"
#include "dictionary/DictionaryCheck.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/Search.h"
#include "dictionary/Windows1252.h"
#include "system/ErrorReporter.h"
#include "system/ExecutablePath.h"
#include "system/FileReplacement.h"

#include <optional>

namespace wb::cli {
namespace {

class StreamReporter : public ErrorReporter {
public:
    explicit StreamReporter(std::ostream& err)
        : m_err(err)
    {
    }
    void reportError(std::string_view message) override { m_err << message << '\n'; }

private:
    std::ostream& m_err;
};

// Prints rows as `headword<TAB>translation`; a row whose translation never arrives
// (the search failed on it) is printed with an empty one.
class PrintingRows : public RowSink {
public:
    explicit PrintingRows(std::ostream& out)
        : m_out(out)
    {
    }
    ~PrintingRows() override { flush(); }

    void addRow(std::string_view headword) override
    {
        flush();
        m_pending = windows1252ToUtf8(headword);
        m_hasPending = true;
    }
    void setTranslation(std::string_view translation) override
    {
        m_out << m_pending << '\t' << windows1252ToUtf8(translation) << '\n';
        m_hasPending = false;
    }
    void flush()
    {
        if (m_hasPending)
            m_out << m_pending << "\t\n";
        m_hasPending = false;
    }

private:
    std::ostream& m_out;
    std::string m_pending;
    bool m_hasPending = false;
};

class NoProgress : public ProgressSink {
public:
    void setProgress(int) override {}
};

Direction parseDirection(const std::string& word)
{
    if (word == "en")
        return Direction::EnglishToGerman;
    if (word == "de")
        return Direction::GermanToEnglish;
    throw UsageError("the direction is en or de, not '" + word + "'");
}

// What lookup and dump begin with: the direction, the store loaded from the data
// directory (with the files that cannot be opened reported on `err`), and the
// positional arguments after the direction, of which there must be `wanted`.
struct OpenedStore {
    Direction direction;
    DictionaryStore store;
    std::vector<std::string> rest;
};

OpenedStore openStore(Arguments args, std::size_t wanted, const char* usage, std::ostream& err)
{
    auto parsed = parseDataArguments(args);
    if (parsed.positional.size() != wanted + 1)
        throw UsageError(usage);
    OpenedStore opened{parseDirection(parsed.positional[0]),
                       {},
                       {parsed.positional.begin() + 1, parsed.positional.end()}};
    StreamReporter reporter(err);
    opened.store.OpenDistNow(parsed.directory, reporter);
    return opened;
}

std::string referencesText(const DictionaryStore& store, Direction direction, std::size_t i)
{
    if (direction == Direction::GermanToEnglish)
        return std::to_string(store.reverseIndex()[i]);
    return std::to_string(store.translationSlot(0)[i]) + ' ' +
           std::to_string(store.translationSlot(1)[i]) + ' ' +
           std::to_string(store.translationSlot(2)[i]);
}

std::optional<std::vector<std::uint8_t>> readForCheck(const std::filesystem::path& directory,
                                                      DictionaryFile file)
{
    // One byte past what the reader would keep shows that the file goes on.
    return readDictionaryFile(directory, file, readLimit(file) + 1);
}

// A directory that cannot be listed hides no temporaries from the data files' checks,
// which open them by name.
std::vector<std::string> leftoverTemporaries(const std::filesystem::path& directory)
{
    const std::string names[] = {fileName(DictionaryFile::English),
                                 fileName(DictionaryFile::German)};
    try {
        return wb::leftoverTemporaries(directory, names);
    } catch (const FileReplaceError&) {
        return {};
    }
}

void printFileLine(std::ostream& out, DictionaryFile file, const FileCheck& check)
{
    out << fileName(file) << ": ";
    if (check.opened)
        out << check.records << " records, " << check.bytes << " bytes\n";
    else
        out << "cannot be opened\n";
}

} // namespace

DataArguments parseDataArguments(Arguments args)
{
    DataArguments result;
    bool haveDirectory = false;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            result.positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--data") {
            if (++i == args.size())
                throw UsageError("--data needs a directory");
            result.directory = args[i];
            haveDirectory = true;
        } else if (arg.compare(0, 7, "--data=") == 0) {
            result.directory = arg.substr(7);
            haveDirectory = true;
        } else {
            throw UsageError("unknown option " + arg);
        }
    }
    if (haveDirectory && result.directory.empty())
        throw UsageError("--data needs a directory");
    // Looked up only when it is needed: with --data, a program whose own directory
    // cannot be found still works.
    if (!haveDirectory)
        result.directory = executableDirectory();
    return result;
}

int lookupCommand(Arguments args, std::ostream& out, std::ostream& err)
{
    const auto opened = openStore(args, 1, "lookup takes a direction and a text", err);
    PrintingRows rows(out);
    NoProgress progress;
    try {
        searchWindows1252(opened.store, opened.direction, utf8ToWindows1252(opened.rest[0]), rows,
                          progress);
    } catch (const ListIndexError& error) {
        rows.flush();
        out.flush();
        err << error.what() << '\n';
        return kExitSearchFailed;
    }
    return kExitOk;
}

int dumpCommand(Arguments args, std::ostream& out, std::ostream& err)
{
    const auto opened = openStore(args, 0, "dump takes a direction", err);
    const WordList& words = opened.direction == Direction::EnglishToGerman
                                ? opened.store.englishWords()
                                : opened.store.germanWords();
    for (std::size_t i = 0; i < words.size(); ++i)
        out << i << '\t' << windows1252ToUtf8(words[i]) << '\t'
            << referencesText(opened.store, opened.direction, i) << '\n';
    return kExitOk;
}

int checkCommand(Arguments args, std::ostream& out, std::ostream&)
{
    const auto parsed = parseDataArguments(args);
    if (!parsed.positional.empty())
        throw UsageError("check takes no arguments besides --data");
    const auto german = readForCheck(parsed.directory, DictionaryFile::German);
    const auto english = readForCheck(parsed.directory, DictionaryFile::English);
    const CheckReport report = checkDictionaryFiles(german, english);

    printFileLine(out, DictionaryFile::German, report.german);
    printFileLine(out, DictionaryFile::English, report.english);
    for (const auto& problem : report.problems)
        out << fileName(problem.file) << ": record " << problem.record << " at byte "
            << problem.offset << ": " << problem.what << '\n';
    for (const DictionaryFile file : {DictionaryFile::German, DictionaryFile::English}) {
        const FileCheck& check = file == DictionaryFile::German ? report.german : report.english;
        if (check.referencesIntoMissing > 0)
            out << fileName(file) << ": " << check.referencesIntoMissing << " references into "
                << fileName(file == DictionaryFile::German ? DictionaryFile::English
                                                           : DictionaryFile::German)
                << ", which cannot be opened\n";
    }
    const auto leftovers = leftoverTemporaries(parsed.directory);
    for (const auto& name : leftovers)
        out << name << ": left over from an interrupted compile (the next compile into "
            << "this directory removes it)\n";
    const std::size_t problems = report.problemCount() + leftovers.size();
    out << (problems == 0 ? "well formed" : std::to_string(problems) + " problem(s)") << '\n';
    return problems == 0 ? kExitOk : kExitProblems;
}

} // namespace wb::cli
