#include "vocabulary/VocabularyCompiler.h"

#include "vocabulary/BoundedLines.h"
#include "vocabulary/Ranking.h"
#include "vocabulary/Scoring.h"
#include "vocabulary/TranslationRanking.h"
#include "vocabulary/VocabularyWriter.h"

#include "forms/FormsFile.h"
#include "messages/QuotedInput.h"
#include "system/FileReplacement.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>

namespace wb::vocab {
namespace {

// A common word that the list has but the files leave out is one a reader misses.
void countFrequentWords(const Candidates& candidates, const std::vector<Fate>& fates,
                        Language language, const FrequencyTable& frequencies,
                        LanguageSummary& summary)
{
    // "I" and "i", "Morgen" and "morgen" are one word to the list's counting.
    auto frequent = frequencies.mostFrequent(kFrequentWords);
    for (auto& word : frequent)
        word = foldedLowerCase(word);
    std::sort(frequent.begin(), frequent.end());
    frequent.erase(std::unique(frequent.begin(), frequent.end()), frequent.end());
    std::vector<char> listed(frequent.size(), 0), chosen(frequent.size(), 0);
    const auto& headwords = candidates.headwords(language);
    for (HeadwordId id = 0; id < headwords.size(); ++id) {
        const auto text = foldedLowerCase(headwords[id].text);
        const auto found = std::lower_bound(frequent.begin(), frequent.end(), text);
        // A headword without any translation can be in neither file.
        if (found == frequent.end() || *found != text ||
            candidates.translations(language, id).empty())
            continue;
        const auto at = std::size_t(found - frequent.begin());
        listed[at] = 1;
        chosen[at] = chosen[at] || fates[id] == Fate::Chosen;
    }
    for (std::size_t i = 0; i < frequent.size(); ++i) {
        summary.frequentListed += listed[i];
        summary.frequentLeftOut += listed[i] && !chosen[i];
    }
}

LanguageSummary summarize(const Candidates& candidates, const Selection& selection,
                          Language language, std::size_t fileBytes,
                          const FrequencyTable* frequencies)
{
    LanguageSummary summary;
    summary.candidates = candidates.headwords(language).size();
    summary.chosen = selection.count(language, Fate::Chosen);
    for (int reason = 0; reason < kSkipReasonCount; ++reason)
        summary.skippedAlternatives[std::size_t(reason)] =
            candidates.skipped(language, SkipReason(reason));
    summary.rankedOut = selection.count(language, Fate::RankedOut);
    summary.noTranslation = selection.count(language, Fate::NoTranslation);
    summary.cannotBeEncoded = selection.count(language, Fate::CannotBeEncoded);
    summary.fileBytes = fileBytes;
    const auto& fates = language == Language::German ? selection.germanFate : selection.englishFate;
    for (HeadwordId id = 0; id < fates.size(); ++id) {
        const auto origin = std::size_t(candidates.origin(language, id));
        if (origin == std::size_t(Origin::Listed))
            continue;
        ++summary.derivedCandidates[origin];
        summary.derivedChosen[origin] += fates[id] == Fate::Chosen;
    }
    for (HeadwordId id = 0; id < fates.size(); ++id)
        if (fates[id] == Fate::Chosen)
            ++summary.rankedBy[std::size_t(candidates.rankSource(language, id))];
    if (frequencies)
        countFrequentWords(candidates, fates, language, *frequencies, summary);
    return summary;
}

void printLanguage(std::ostream& out, const char* name, const char* file, const LanguageSummary& s)
{
    out << name << ": " << s.candidates << " candidates, " << s.chosen << " chosen\n"
        << "  left out: " << s.rankedOut << " less common, " << s.noTranslation
        << " without a chosen translation, " << s.cannotBeEncoded << " not encodable\n"
        << "  alternatives skipped:";
    for (int reason = 0; reason < kSkipReasonCount; ++reason)
        out << (reason == 0 ? " " : ", ") << s.skippedAlternatives[std::size_t(reason)] << ' '
            << describe(SkipReason(reason));
    out << "\n  derived:";
    for (int origin = 1; origin < kOriginCount; ++origin)
        out << (origin == 1 ? " " : ", ") << s.derivedCandidates[std::size_t(origin)] << ' '
            << describe(Origin(origin)) << " (" << s.derivedChosen[std::size_t(origin)]
            << " chosen)";
    out << "\n  chosen ranked:";
    for (int source = 0; source < kRankSourceCount; ++source)
        out << (source == 0 ? " " : ", ") << s.rankedBy[std::size_t(source)] << ' '
            << describe(RankSource(source));
    if (s.frequentListed > 0)
        out << "\n  of the " << kFrequentWords << " most frequent words: " << s.frequentListed
            << " listed, " << s.frequentLeftOut << " of them left out";
    out << '\n' << "  " << file << ": " << s.chosen << " records, " << s.fileBytes << " bytes\n";
}

// The scorecard reads the files back as the program will, so that it measures what a
// reader gets.
Scorecard scoreVocabulary(const Candidates& candidates, const VocabularyFiles& files,
                          ScorecardInputs english, ScorecardInputs german)
{
    for (auto [language, inputs] :
         {std::pair{Language::English, &english}, std::pair{Language::German, &german}}) {
        const auto& headwords = candidates.headwords(language);
        for (HeadwordId id = 0; id < headwords.size(); ++id) {
            if (candidates.translations(language, id).empty())
                continue;
            if (!isPhrase(headwords[id].text))
                inputs->sourceWords.emplace_back(lookupWord(headwords[id].text));
            if (inputs->judged)
                inputs->sourceHeadwords.push_back(headwords[id].text);
        }
    }
    english.formsFile = files.engforms;
    german.formsFile = files.deuforms;
    DictionaryStore store;
    store.loadEnglish(files.engdeu);
    store.loadGerman(files.deueng);
    return measureVocabulary(store, english, german);
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// Control bytes would reach a terminal through lookup and dump, or split a record
// into rows. The tab separates a TSV line's sides and is its parser's to judge; a
// final CR (a line ended CR LF) is the parsers' to drop.
bool holdsControlCharacter(std::string_view line, SourceFormat format)
{
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        if ((byte < 0x20 && !(byte == '\t' && format == SourceFormat::Tsv)) || byte == 0x7F)
            return true;
    }
    return false;
}

// The output directory for the length of a compile: made if missing, locked against
// every other compile into it, cleared of what a killed one left, and removed again
// when the compile fails and the directory was made for it.
class OutputDirectory {
public:
    OutputDirectory(const CompileOptions& options, const TerminationHold& hold)
        : m_path(options.outputDirectory)
    {
        std::error_code error;
        m_created = std::filesystem::create_directories(m_path, error);
        if (error)
            throw FileReplaceError("cannot write " + messages::quotedPath(m_path) + ": " +
                                   error.message());
        m_lock.emplace(m_path);
        if (!m_lock->tryLock()) {
            if (!options.wait)
                throw std::runtime_error("another compile is writing into " +
                                         messages::quotedPath(m_path) +
                                         "; not waiting for it (--no-wait)");
            if (options.onWait)
                options.onWait();
            while (!m_lock->tryLock()) {
                hold.throwIfRequested(m_path);
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
        }
        m_created = m_created || m_lock->remade();
        recoverVocabulary(m_path);
    }
    ~OutputDirectory()
    {
        // Only an empty directory goes; remove() refuses any other.
        std::error_code ignored;
        if (m_created && !m_kept)
            std::filesystem::remove(m_path, ignored);
    }
    void keep() { m_kept = true; }

private:
    std::filesystem::path m_path;
    std::optional<DirectoryLock> m_lock;
    bool m_created = false;
    bool m_kept = false;
};

// The forms stage: each language's forms file, built over the data file just encoded.
void addForms(VocabularyFiles& files, const CompileOptions& options, CompileSummary& summary)
{
    const auto table = [](const std::filesystem::path& path) {
        return path.empty() ? std::optional<FormTableSource>() : std::optional(readFormTable(path));
    };
    const auto english = table(options.englishForms);
    const auto german = table(options.germanForms);
    files.engforms = buildFormsFile(DictionaryFile::English, files.engdeu,
                                    english ? &*english : nullptr, summary.englishForms);
    files.deuforms = buildFormsFile(DictionaryFile::German, files.deueng,
                                    german ? &*german : nullptr, summary.germanForms);
}

void printForms(std::ostream& out, DictionaryFile file, const FormsSummary& s)
{
    out << "  " << formsFileName(file) << ": " << s.forms << " forms of " << s.headwords
        << " headwords (" << s.ambiguous << " of several, " << s.headwordForms
        << " headwords themselves), " << s.fileBytes << " bytes\n";
}

} // namespace

Candidates readCandidates(std::istream& in, SourceFormat format, RefusedLines& refused,
                          const std::function<void()>& poll)
{
    Candidates candidates;
    SourceLine parsed;
    bool first = true;
    const auto take = [&](std::string_view text) {
        if (first && text.starts_with(kByteOrderMark))
            text.remove_prefix(kByteOrderMark.size());
        first = false;
        if (holdsControlCharacter(text, format)) {
            ++refused.controlCharacters;
            return;
        }
        const LineKind kind =
            format == SourceFormat::Ding ? parseDingLine(text, parsed) : parseTsvLine(text, parsed);
        if (kind == LineKind::Entry)
            candidates.addLine(parsed);
        else if (kind == LineKind::Ignored)
            candidates.countIgnoredLine();
        else
            candidates.countMalformedLine();
    };

    // A line is gathered only while it fits, so that neither an endless line nor a huge
    // one is ever held.
    try {
        forEachLine(in, {kMaxLineBytes, kMaxSourceBytes},
                    {take,
                     [&] {
                         first = false;
                         ++refused.tooLong;
                     },
                     poll});
    } catch (const InputTooLarge& error) {
        throw std::runtime_error("the word list " + std::string(error.what()) +
                                 ", more than any word list holds");
    }
    candidates.finishReading();
    return candidates;
}

namespace {

// The lists a compile ranks and measures by, each read before anything else so that
// a bad one fails the compile before it starts.
struct Lists {
    std::optional<FrequencyTable> englishFrequencies, germanFrequencies;
    std::optional<FrequencyTable> englishBreadth, germanBreadth;
    std::optional<JudgedList> englishJudged, germanJudged;

    const FrequencyTable* english() const { return pointer(englishFrequencies); }
    const FrequencyTable* german() const { return pointer(germanFrequencies); }
    // Breadth is measured by the ranking's own list unless another is given.
    ScorecardInputs scorecardInputs(Language language) const
    {
        const bool en = language == Language::English;
        const auto& breadth = en ? englishBreadth : germanBreadth;
        ScorecardInputs inputs;
        inputs.breadth = breadth ? &*breadth : en ? english() : german();
        inputs.judged = pointer(en ? englishJudged : germanJudged);
        return inputs;
    }
    template <typename T> static const T* pointer(const std::optional<T>& list)
    {
        return list ? &*list : nullptr;
    }
};

Lists readLists(const CompileOptions& options, const TerminationHold& hold)
{
    auto table = [&](const std::filesystem::path& path) {
        return path.empty() ? std::optional<FrequencyTable>()
                            : std::optional(FrequencyTable::read(
                                  path, [&] { hold.throwIfRequested(options.outputDirectory); }));
    };
    auto judged = [](const std::filesystem::path& path) {
        return path.empty() ? std::optional<JudgedList>() : std::optional(readJudgedList(path));
    };
    return {table(options.englishFrequencies), table(options.germanFrequencies),
            table(options.englishBreadth),     table(options.germanBreadth),
            judged(options.englishJudged),     judged(options.germanJudged)};
}

// Read lines, collect candidates.
Candidates collectCandidates(const CompileOptions& options, const TerminationHold& hold,
                             RefusedLines& refused)
{
    std::ifstream in(options.source, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + messages::quotedPath(options.source));
    Candidates candidates;
    try {
        candidates = readCandidates(in, options.format, refused,
                                    [&] { hold.throwIfRequested(options.outputDirectory); });
    } catch (const FileReplaceError&) {
        throw;
    } catch (const std::runtime_error& error) {
        throw std::runtime_error(messages::quotedPath(options.source) + ": " + error.what() +
                                 "; nothing was written");
    }
    if (in.bad())
        throw std::runtime_error("error while reading " + messages::quotedPath(options.source));
    return candidates;
}

Selection select(const Candidates& candidates, const std::vector<HeadwordId>& germanRank,
                 const std::vector<HeadwordId>& englishRank, const CompileOptions& options)
{
    Selection selection = selectVocabulary(candidates, germanRank, englishRank, options.maxRecords);
    if (selection.english.empty() || selection.german.empty())
        throw std::runtime_error(messages::quotedPath(options.source) +
                                 " yields no pair of an English and a German headword; "
                                 "nothing was written");
    return selection;
}

} // namespace

CompileSummary compileVocabulary(const CompileOptions& options)
{
    // Termination requests wait while the compile runs and are looked at between
    // blocks of input and of output: a compile ends cleanly or not at all.
    const TerminationHold hold;
    OutputDirectory output(options, hold);

    const Lists lists = readLists(options, hold);
    CompileSummary summary;
    Candidates candidates = collectCandidates(options, hold, summary.refused);
    scoreCommonness(candidates, lists.english(), lists.german());
    rankTranslations(candidates);
    // A German word's commonness borrows from its main sense, which needs the
    // translations ranked first.
    if (lists.englishFrequencies)
        borrowCommonness(candidates, *lists.englishFrequencies);
    const auto germanRank = rankHeadwords(candidates, Language::German, options.maxRecords);
    const auto englishRank = rankHeadwords(candidates, Language::English, options.maxRecords);
    const Selection selection = select(candidates, germanRank, englishRank, options);
    VocabularyFiles files = encodeVocabulary(candidates, selection);
    addForms(files, options, summary);
    writeVocabulary(files, options.outputDirectory);
    output.keep();

    summary.entryLines = candidates.entryLines();
    summary.ignoredLines = candidates.ignoredLines();
    summary.malformedLines = candidates.malformedLines();
    summary.unpairedLines = candidates.unpairedLines();
    summary.rounds = selection.rounds;
    summary.english =
        summarize(candidates, selection, Language::English, files.engdeu.size(), lists.english());
    summary.german =
        summarize(candidates, selection, Language::German, files.deueng.size(), lists.german());
    summary.scorecard = scoreVocabulary(candidates, files, lists.scorecardInputs(Language::English),
                                        lists.scorecardInputs(Language::German));
    return summary;
}

void printSummary(std::ostream& out, const CompileSummary& summary)
{
    out << "source: " << summary.entryLines << " entry lines, " << summary.ignoredLines
        << " comments or blank, " << summary.malformedLines << " malformed, "
        << summary.unpairedLines << " with unpaired sub-entries\n"
        << "  skipped: " << summary.refused.tooLong << " too long (over " << kMaxLineBytes / 1024
        << " KiB), " << summary.refused.controlCharacters << " with control characters\n";
    printLanguage(out, "English", fileName(DictionaryFile::English), summary.english);
    printForms(out, DictionaryFile::English, summary.englishForms);
    printLanguage(out, "German", fileName(DictionaryFile::German), summary.german);
    printForms(out, DictionaryFile::German, summary.germanForms);
    out << "selection settled after " << summary.rounds << " round(s)\n";
    printScorecard(out, summary.scorecard);
}

} // namespace wb::vocab
