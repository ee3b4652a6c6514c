#include "cli/Commands.h"

#include "cli/InputLines.h"
#include "cli/OutputFormat.h"
#include "dictionary/AsciiCase.h"
#include "dictionary/DataFile.h"
#include "dictionary/DictionaryCheck.h"
#include "dictionary/DictionaryStore.h"
#include "dictionary/FoldedIndex.h"
#include "dictionary/ForgivingMatch.h"
#include "dictionary/NearWords.h"
#include "dictionary/Search.h"
#include "dictionary/Windows1252.h"
#include "forms/FormsLoad.h"
#include "forms/StoreForms.h"
#include "messages/QuotedInput.h"
#include "system/ErrorReporter.h"
#include "system/ExecutablePath.h"
#include "system/FileReplacement.h"

#include <algorithm>
#include <iostream>
#include <optional>
#include <unistd.h>

namespace wb::cli {
namespace {

class StreamReporter : public ErrorReporter {
public:
    explicit StreamReporter(std::ostream& err)
        : m_err(err)
    {
    }
    void reportError(std::string_view message) override
    {
        m_err << message << '\n';
        ++m_reports;
    }
    int reports() const { return m_reports; }

private:
    std::ostream& m_err;
    int m_reports = 0;
};

Direction parseDirection(const std::string& word)
{
    if (word == "en")
        return Direction::EnglishToGerman;
    if (word == "de")
        return Direction::GermanToEnglish;
    throw UsageError("the direction is en or de, not " + messages::quotedInput(word));
}

// What lookup and dump begin with: the direction, the store loaded from the data
// directory (with the files that cannot be opened reported on `err`), and the
// positional arguments after the direction.
struct OpenedStore {
    Direction direction;
    DictionaryStore store;
    std::vector<std::string> rest;
    DataArguments arguments;
    bool noData = false; // nothing could be read: a failure, not an empty vocabulary
};

OpenedStore openStore(DataArguments parsed, const char* usage, std::ostream& err)
{
    if (parsed.positional.empty())
        throw UsageError(usage);
    OpenedStore opened{parseDirection(parsed.positional[0]),
                       {},
                       {parsed.positional.begin() + 1, parsed.positional.end()},
                       std::move(parsed)};
    StreamReporter reporter(err);
    opened.store.OpenDistNow(opened.arguments.directory, reporter);
    opened.noData = reporter.reports() > 0 && opened.store.englishWords().empty() &&
                    opened.store.germanWords().empty();
    return opened;
}

const WordList& headwordsOf(const DictionaryStore& store, Direction direction)
{
    return direction == Direction::EnglishToGerman ? store.englishWords() : store.germanWords();
}

struct LookupOptions {
    MatchScope scope = MatchScope::Prefix;
    bool fold = false;
    bool quiet = false;
};

// One lookup after another against one loaded store, written through one writer.
class Lookups {
public:
    Lookups(const DictionaryStore& store, Direction direction, LookupOptions options,
            RowWriter& rows, std::ostream& err, const std::filesystem::path& directory)
        : m_store(store)
        , m_direction(direction)
        , m_options(options)
        , m_rows(rows)
        , m_err(err)
        , m_forms(store, directory, [&err](std::string_view file, std::string_view problem) {
            err << "woerterbuch-dict: " << file << ": " << problem
                << "; looking up without its forms\n";
        })
    {
    }

    // True when something matched: the text itself, or the headwords it is a form of
    // or made of. A form that is no headword itself ("ginge", "im") shows its base rows
    // first, then whatever merely begins with it; a compound is split only when nothing
    // matched. Throws ListIndexError after writing the failing row without translations
    // and ending the lookup, so JSON stays well formed.
    bool run(std::string_view text)
    {
        const std::string key = utf8ToWindows1252(text);
        std::vector<std::uint32_t> found = matches(key);
        m_rows.beginLookup();
        const std::vector<std::uint32_t> bases = isHeadwordAmong(found, key)
                                                     ? std::vector<std::uint32_t>{}
                                                     : writeBaseRows(text, key, found.empty());
        if (!bases.empty())
            std::erase_if(found, [&](std::uint32_t entry) {
                return std::find(bases.begin(), bases.end(), entry) != bases.end();
            });
        m_rows.setOrigin(RowOrigin::Match, text);
        writeRows(found);
        m_rows.endLookup();
        const bool matched = !found.empty() || !bases.empty();
        if (!matched && !m_options.quiet)
            suggest(text, key);
        return matched;
    }

private:
    // The text is a headword of its own, but for the case of its letters: then it is
    // taken for a form of another only where the forms file gives it as written, as it
    // does "habe" (of "haben") beside the headword "Habe", but not "haus" beside "Haus".
    bool isHeadwordAmong(std::span<const std::uint32_t> found, std::string_view key)
    {
        const WordList& words = headwordsOf(m_store, m_direction);
        const std::string folded = asciiUpperCase(key);
        bool butForCase = false;
        for (const std::uint32_t entry : found) {
            if (words[entry] == key)
                return true;
            butForCase = butForCase || asciiUpperCase(words[entry]) == folded;
        }
        return butForCase && !resolver().listsAsWritten(key);
    }

    void writeRows(std::span<const std::uint32_t> entries)
    {
        for (const std::uint32_t entry : entries) {
            const std::string_view headword = headwordsOf(m_store, m_direction)[entry];
            try {
                translationsOf(m_store, m_direction, entry, m_views);
            } catch (const ListIndexError&) {
                m_rows.row(windows1252ToUtf8(headword), {});
                m_rows.endLookup();
                throw;
            }
            m_translations.clear();
            for (const std::string_view translation : m_views)
                m_translations.push_back(windows1252ToUtf8(translation));
            m_rows.row(windows1252ToUtf8(headword), m_translations);
        }
    }

    // The rows of the headwords `text` is a form of, or, when `splitCompounds`, of a
    // compound's parts, each part with the headword of its preferred spelling. Returns
    // the entries written.
    std::vector<std::uint32_t> writeBaseRows(std::string_view text, std::string_view key,
                                             bool splitCompounds)
    {
        if (key.empty())
            return {};
        const Resolution resolution = resolver().resolve(key);
        const bool form = resolution.kind == ResolutionKind::Form;
        if (!form && !(splitCompounds && resolution.kind == ResolutionKind::Compound))
            return {};
        std::vector<std::uint32_t> rows;
        if (form)
            rows = resolution.bases.front();
        else
            for (const auto& part : resolution.bases)
                rows.push_back(part.front());
        m_rows.setOrigin(form ? RowOrigin::FormOf : RowOrigin::PartOf, text);
        writeRows(rows);
        if (!m_options.quiet) {
            m_err << "woerterbuch-dict: \"" << escaped(text, Quoting::Line)
                  << (form ? "\" is a form of " : "\" is made of ");
            const char* separator = "";
            for (const std::uint32_t index : rows) {
                m_err << separator << '"'
                      << escaped(windows1252ToUtf8(headwordsOf(m_store, m_direction)[index]),
                                 Quoting::Line)
                      << '"';
                separator = ", ";
            }
            m_err << '\n';
        }
        return rows;
    }

    // Read on the first text that is no headword itself: most lookups never need it.
    const FormResolver& resolver() { return m_forms.resolver(m_direction); }

    std::vector<std::uint32_t> matches(std::string_view key)
    {
        const WordList& words = headwordsOf(m_store, m_direction);
        // The window's search finds nothing for an empty text; so does every mode here.
        if (key.empty())
            return {};
        // One walk is cheaper than sorting the list; a batch pays for the index once.
        if (!m_index && ++m_walks > 1)
            m_index.emplace(words, m_options.fold ? forgivingFold : asciiUpperCase);
        if (m_index)
            return m_index->matches(key, m_options.scope);
        return m_options.fold ? forgivingMatches(words, key, m_options.scope)
                              : asciiMatches(words, key, m_options.scope);
    }

public:
    // The answer to a text that cannot match: nothing, or an empty array.
    void runNothing()
    {
        m_rows.beginLookup();
        m_rows.endLookup();
    }

private:
    void suggest(std::string_view text, std::string_view key) const
    {
        const WordList& words = headwordsOf(m_store, m_direction);
        const auto near = nearHeadwords(words, key, kSuggestionEdits, kSuggestions);
        if (near.empty())
            return;
        m_err << "woerterbuch-dict: no match for " << messages::quotedInput(text)
              << "; did you mean: ";
        const char* separator = "";
        for (const std::uint32_t index : near) {
            m_err << separator << escaped(windows1252ToUtf8(words[index]), Quoting::Line);
            separator = ", ";
        }
        m_err << '\n';
    }

    static constexpr std::size_t kSuggestionEdits = 2;
    static constexpr std::size_t kSuggestions = 3;

    const DictionaryStore& m_store;
    Direction m_direction;
    LookupOptions m_options;
    RowWriter& m_rows;
    std::ostream& m_err;
    std::vector<std::string_view> m_views;
    std::vector<std::string> m_translations;
    int m_walks = 0;
    std::optional<FoldedIndex> m_index;
    StoreForms m_forms;
};

constexpr std::string_view kLookupSwitches[] = {"--exact", "--fold",   "--json",
                                                "--stdin", "--status", "--quiet"};
constexpr const char* kLookupUsage =
    "lookup takes a direction and a text, several texts, or - or --stdin to read them";

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
    const std::string names[] = {
        fileName(DictionaryFile::English), fileName(DictionaryFile::German),
        formsFileName(DictionaryFile::English), formsFileName(DictionaryFile::German)};
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

void reportTooLong(std::ostream& err, std::size_t lines)
{
    if (lines > 0)
        err << "woerterbuch-dict: " << lines << " line(s) of standard input longer than "
            << kMaxInputLineBytes / 1024 << " KiB found nothing\n";
}

// A forms file is checked against the headwords of the data file it was built for. A
// missing one is no problem here: a vocabulary compiled before there were forms files
// is whole, and lookup says that it goes without them.
std::size_t checkFormsFile(const std::filesystem::path& directory, DictionaryFile file,
                           const std::optional<std::vector<std::uint8_t>>& data, std::ostream& out)
{
    const char* name = formsFileName(file);
    const auto bytes = readDataFile(locateFile(directory, name), kMaxFormsFileBytes + 1);
    if (!bytes)
        return 0;
    if (!data) {
        out << name << ": cannot be checked, " << fileName(file) << " cannot be opened\n";
        return 1;
    }
    DictionaryStore store;
    file == DictionaryFile::German ? store.loadGerman(*data) : store.loadEnglish(*data);
    const LoadedForms checked = checkForms(
        *bytes, file == DictionaryFile::German ? store.germanWords() : store.englishWords());
    if (!checked.problem.empty()) {
        out << name << ": " << checked.problem << '\n';
        return 1;
    }
    out << name << ": " << checked.table.size() << " forms, " << bytes->size() << " bytes\n";
    return 0;
}

} // namespace

bool DataArguments::has(std::string_view name) const
{
    return std::find(switches.begin(), switches.end(), name) != switches.end();
}

DataArguments parseDataArguments(Arguments args, std::span<const std::string_view> switches)
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
        } else if (std::find(switches.begin(), switches.end(), arg) != switches.end()) {
            result.switches.push_back(arg);
        } else {
            throw UsageError("unknown option " + messages::quotedInput(arg));
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

int lookupCommand(Arguments args, std::istream& in, std::ostream& out, std::ostream& err)
{
    auto parsed = parseDataArguments(args, kLookupSwitches);
    const bool fromStdin = parsed.has("--stdin");
    if (parsed.positional.empty() || (parsed.positional.size() == 1) != fromStdin)
        throw UsageError(kLookupUsage);
    auto opened = openStore(std::move(parsed), kLookupUsage, err);
    const DataArguments& options = opened.arguments;
    if (opened.noData)
        return kExitNoData;

    const auto rows =
        makeRowWriter(options.has("--json") ? OutputFormat::Json : OutputFormat::Plain, out);
    Lookups lookups(opened.store, opened.direction,
                    {options.has("--exact") ? MatchScope::Whole : MatchScope::Prefix,
                     options.has("--fold"), options.has("--quiet")},
                    *rows, err, options.directory);
    bool matched = false;
    std::size_t tooLong = 0;
    try {
        const auto readLines = [&] {
            // A script feeding words one at a time waits for each answer. A line too
            // long for any headword finds nothing, so that the n-th answer stays the
            // n-th line's.
            std::string line;
            for (LineRead read; (read = readLine(*in.rdbuf(), line)) != LineRead::End;
                 out.flush()) {
                if (read == LineRead::TooLong) {
                    ++tooLong;
                    lookups.runNothing();
                } else {
                    matched = lookups.run(line) || matched;
                }
            }
        };
        if (fromStdin)
            readLines();
        for (const std::string& text : opened.rest) {
            if (text == "-")
                readLines();
            else
                matched = lookups.run(text) || matched;
        }
    } catch (const ListIndexError& error) {
        out.flush();
        err << error.what() << '\n';
        return kExitSearchFailed;
    } catch (const InputError& error) {
        out.flush();
        reportTooLong(err, tooLong);
        err << "woerterbuch-dict: cannot read standard input: " << error.what() << '\n';
        return kExitInputFailed;
    }
    reportTooLong(err, tooLong);
    return matched || !options.has("--status") ? kExitOk : kExitNoMatch;
}

int lookupCommand(Arguments args, std::ostream& out, std::ostream& err)
{
    InputBuffer standardInput(STDIN_FILENO);
    std::istream in(&standardInput);
    return lookupCommand(args, in, out, err);
}

int dumpCommand(Arguments args, std::ostream& out, std::ostream& err)
{
    auto parsed = parseDataArguments(args);
    if (parsed.positional.size() != 1)
        throw UsageError("dump takes a direction");
    const auto opened = openStore(std::move(parsed), "dump takes a direction", err);
    if (opened.noData)
        return kExitNoData;
    const WordList& words = headwordsOf(opened.store, opened.direction);
    for (std::size_t i = 0; i < words.size(); ++i)
        out << i << '\t' << escaped(windows1252ToUtf8(words[i]), Quoting::Line) << '\t'
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
    std::size_t formsProblems = 0;
    for (const DictionaryFile file : {DictionaryFile::German, DictionaryFile::English})
        formsProblems += checkFormsFile(parsed.directory, file,
                                        file == DictionaryFile::German ? german : english, out);
    const auto leftovers = leftoverTemporaries(parsed.directory);
    for (const auto& name : leftovers)
        out << messages::quotedPath(name)
            << ": left over from an interrupted compile (the next compile into "
            << "this directory removes it)\n";
    const std::size_t problems = report.problemCount() + formsProblems + leftovers.size();
    out << (problems == 0 ? "well formed" : std::to_string(problems) + " problem(s)") << '\n';
    return problems == 0 ? kExitOk : kExitProblems;
}

} // namespace wb::cli
