#include "vocabulary/VocabularyCompiler.h"

#include "vocabulary/Ranking.h"
#include "vocabulary/VocabularyWriter.h"

#include <fstream>
#include <optional>
#include <stdexcept>
#include <string>

namespace wb::vocab {
namespace {

LanguageSummary summarize(const Candidates& candidates, const Selection& selection,
                          Language language, std::size_t fileBytes)
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
    out << '\n' << "  " << file << ": " << s.chosen << " records, " << s.fileBytes << " bytes\n";
}

} // namespace

Candidates readCandidates(std::istream& in, SourceFormat format, const FrequencyTable* english,
                          const FrequencyTable* german)
{
    Candidates candidates;
    SourceLine parsed;
    std::string line;
    while (std::getline(in, line)) {
        const LineKind kind =
            format == SourceFormat::Ding ? parseDingLine(line, parsed) : parseTsvLine(line, parsed);
        if (kind == LineKind::Entry)
            candidates.addLine(parsed);
        else if (kind == LineKind::Ignored)
            candidates.countIgnoredLine();
        else
            candidates.countMalformedLine();
    }
    candidates.finish(english, german);
    return candidates;
}

CompileSummary compileVocabulary(const CompileOptions& options)
{
    auto table = [](const std::filesystem::path& path) {
        return path.empty() ? std::optional<FrequencyTable>()
                            : std::optional(FrequencyTable::read(path));
    };
    const auto english = table(options.englishFrequencies);
    const auto german = table(options.germanFrequencies);
    std::ifstream in(options.source, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + options.source.string());
    const Candidates candidates = readCandidates(in, options.format, english ? &*english : nullptr,
                                                 german ? &*german : nullptr);
    if (in.bad())
        throw std::runtime_error("error while reading " + options.source.string());

    const auto germanRank = rankHeadwords(candidates, Language::German);
    const auto englishRank = rankHeadwords(candidates, Language::English);
    const Selection selection =
        selectVocabulary(candidates, germanRank, englishRank, options.maxRecords);
    if (selection.english.empty() || selection.german.empty())
        throw std::runtime_error(options.source.string() +
                                 " yields no pair of an English and a German headword; "
                                 "nothing was written");
    const VocabularyFiles files = encodeVocabulary(candidates, selection);
    writeVocabulary(files, options.outputDirectory);

    CompileSummary summary;
    summary.entryLines = candidates.entryLines();
    summary.ignoredLines = candidates.ignoredLines();
    summary.malformedLines = candidates.malformedLines();
    summary.unpairedLines = candidates.unpairedLines();
    summary.rounds = selection.rounds;
    summary.english = summarize(candidates, selection, Language::English, files.engdeu.size());
    summary.german = summarize(candidates, selection, Language::German, files.deueng.size());
    return summary;
}

void printSummary(std::ostream& out, const CompileSummary& summary)
{
    out << "source: " << summary.entryLines << " entry lines, " << summary.ignoredLines
        << " comments or blank, " << summary.malformedLines << " malformed, "
        << summary.unpairedLines << " with unpaired sub-entries\n";
    printLanguage(out, "English", fileName(DictionaryFile::English), summary.english);
    printLanguage(out, "German", fileName(DictionaryFile::German), summary.german);
    out << "selection settled after " << summary.rounds << " round(s)\n";
}

} // namespace wb::vocab
