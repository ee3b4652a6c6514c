#include "vocabulary/Scorecard.h"

#include "dictionary/Windows1252.h"
#include "forms/FormResolver.h"
#include "messages/QuotedInput.h"

#include <algorithm>
#include <fstream>
#include <iomanip>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>

namespace wb::vocab {
namespace {

std::string_view firstWord(std::string_view text)
{
    return text.substr(0, text.find(' '));
}

bool isOneOf(std::string_view word, std::initializer_list<std::string_view> words)
{
    return std::find(words.begin(), words.end(), word) != words.end();
}

bool isLowerCaseWord(std::string_view word)
{
    if (word.empty())
        return false;
    const auto first = static_cast<unsigned char>(word.front());
    return (first >= 'a' && first <= 'z') || first >= 0xDF;
}

std::vector<std::string> foldedSorted(std::vector<std::string> words)
{
    for (auto& word : words)
        word = foldedLowerCase(word);
    std::sort(words.begin(), words.end());
    words.erase(std::unique(words.begin(), words.end()), words.end());
    return words;
}

bool holds(const std::vector<std::string>& sorted, const std::string& word)
{
    return std::binary_search(sorted.begin(), sorted.end(), word);
}

std::vector<BreadthDepth> measureBreadth(const std::vector<std::string>& fileWords,
                                         const std::vector<std::string>& sourceWords,
                                         const FrequencyTable& list,
                                         std::vector<std::string>& missing)
{
    const auto ranked = list.mostFrequent(kBreadthDepths.back());
    std::vector<std::size_t> depths;
    for (const auto depth : kBreadthDepths)
        if (depth <= ranked.size())
            depths.push_back(depth);
    if (depths.empty() || depths.back() < ranked.size())
        depths.push_back(ranked.size());
    std::vector<BreadthDepth> breadth;
    // "I" and "i", "Morgen" and "morgen" are one word a reader types.
    std::unordered_set<std::string> seen;
    BreadthDepth counted;
    std::size_t next = 0;
    for (const auto depth : depths) {
        for (; next < depth && next < ranked.size(); ++next) {
            auto word = foldedLowerCase(ranked[next]);
            if (!seen.insert(word).second || !holds(sourceWords, word))
                continue;
            ++counted.inSource;
            if (holds(fileWords, word))
                ++counted.present;
            else
                missing.push_back(ranked[next]);
        }
        counted.depth = depth;
        breadth.push_back(counted);
    }
    return breadth;
}

FormCounts countForms(const WordList& headwords, Language language)
{
    FormCounts counts;
    for (std::size_t i = 0; i < headwords.size(); ++i) {
        const auto text = headwords[i];
        counts.phrases += isPhrase(text);
        counts.articles += beginsWithArticle(text, language);
        const auto first = firstWord(text);
        counts.sich += language == Language::German && first == "sich" && first != text;
        counts.to += language == Language::English && first == "to" && first != text;
        counts.broken += language == Language::German && isBrokenPhrase(text);
    }
    return counts;
}

// What a reader who types `word` sees first when it is no headword as written, as the
// lookup shows it: the first base of a form the forms file gives as written ("habe",
// "haben"), else the headword it is but for its case ("Du", "du"), else the first base
// the rules find.
std::optional<std::size_t> shownFor(const std::string& word,
                                    const std::unordered_map<std::string, std::size_t>& byCase,
                                    const FormResolver* forms)
{
    const auto base = [&]() -> std::optional<std::size_t> {
        const auto form = forms ? forms->resolve(word) : Resolution{};
        if (form.kind != ResolutionKind::Form)
            return {};
        return form.bases.front().front();
    };
    if (forms && forms->listsAsWritten(word))
        return base();
    if (const auto found = byCase.find(latinLowerCase(word)); found != byCase.end())
        return found->second;
    return base();
}

JudgedScore judge(const JudgedList& judged, const WordList& headwords,
                  const std::vector<std::string_view>& firstTranslations,
                  std::vector<std::string> sourceHeadwords, const FormResolver* forms)
{
    std::sort(sourceHeadwords.begin(), sourceHeadwords.end());
    std::unordered_map<std::string_view, std::size_t> index;
    std::unordered_map<std::string, std::size_t> byCase;
    for (std::size_t i = 0; i < headwords.size(); ++i) {
        index.emplace(headwords[i], i);
        byCase.emplace(latinLowerCase(headwords[i]), i);
    }
    const auto accepted = [](const JudgedEntry& entry, std::string_view translation) {
        return std::find(entry.accepted.begin(), entry.accepted.end(), translation) !=
               entry.accepted.end();
    };
    JudgedScore score;
    for (const auto& entry : judged) {
        ++score.judged;
        if (const auto found = index.find(entry.headword); found != index.end()) {
            const auto first = firstTranslations[found->second];
            if (accepted(entry, first))
                ++score.right;
            else
                score.wrong.push_back(entry.headword + ": " + std::string(first));
            continue;
        }
        score.notInSource += !holds(sourceHeadwords, entry.headword);
        const auto shown = shownFor(entry.headword, byCase, forms);
        if (!shown)
            score.wrong.push_back(entry.headword + ": -");
        else if (accepted(entry, firstTranslations[*shown]))
            ++score.rightAsTyped;
        else
            score.wrong.push_back(entry.headword + " (" + std::string(headwords[*shown]) +
                                  "): " + std::string(firstTranslations[*shown]));
    }
    return score;
}

LanguageScorecard measureLanguage(const WordList& headwords,
                                  const std::vector<std::string_view>& firstTranslations,
                                  Language language, const ScorecardInputs& inputs)
{
    LanguageScorecard card;
    card.forms = countForms(headwords, language);
    if (inputs.breadth) {
        std::vector<std::string> fileWords;
        fileWords.reserve(headwords.size());
        for (std::size_t i = 0; i < headwords.size(); ++i)
            fileWords.emplace_back(lookupWord(headwords[i]));
        card.breadth =
            measureBreadth(foldedSorted(std::move(fileWords)), foldedSorted(inputs.sourceWords),
                           *inputs.breadth, card.missing);
    }
    if (inputs.judged) {
        // A forms file the compile wrote is sound; one that is not is measured without.
        auto forms = decodeForms(inputs.formsFile);
        const FormResolver resolver(language == Language::German ? FormLanguage::German
                                                                 : FormLanguage::English,
                                    headwords, forms.table);
        card.judged = judge(*inputs.judged, headwords, firstTranslations, inputs.sourceHeadwords,
                            forms.ok ? &resolver : nullptr);
    }
    return card;
}

std::string percent(double share)
{
    std::ostringstream text;
    text << std::fixed << std::setprecision(1) << 100.0 * share << " %";
    return text.str();
}

void printSome(std::ostream& out, const char* what, const std::vector<std::string>& items,
               std::size_t shown)
{
    if (items.empty())
        return;
    out << "    " << what;
    if (items.size() > shown)
        out << " (the first " << shown << " of " << items.size() << ")";
    out << ':';
    for (std::size_t i = 0; i < items.size() && i < shown; ++i)
        out << (i == 0 ? " " : "; ") << windows1252ToUtf8(items[i]);
    out << '\n';
}

void printLanguage(std::ostream& out, const char* name, const LanguageScorecard& card)
{
    out << "  " << name << ":\n";
    if (!card.breadth.empty()) {
        out << "    breadth:";
        for (const auto& depth : card.breadth)
            out << ' ' << depth.depth << ": " << depth.present << " of " << depth.inSource << " ("
                << percent(depth.share()) << ')' << (&depth == &card.breadth.back() ? "" : ",");
        out << '\n';
    }
    constexpr std::size_t kShown = 12;
    printSome(out, "missing", card.missing, kShown);
    const auto& forms = card.forms;
    out << "    headwords: " << forms.phrases << " phrases, " << forms.articles
        << " beginning with an article, " << forms.sich << " with \"sich\", " << forms.to
        << " with \"to\", " << forms.broken << " broken\n";
    if (card.judged) {
        const auto& judged = *card.judged;
        out << "    first translation right: " << judged.right << " of " << judged.judged << " ("
            << percent(judged.share()) << "), as typed with the forms "
            << judged.right + judged.rightAsTyped << " (" << percent(judged.asTypedShare())
            << "); of the wrong, " << judged.notInSource << " not in the source\n";
        printSome(out, "wrong", judged.wrong, kShown);
    }
}

} // namespace

bool beginsWithArticle(std::string_view headword, Language language)
{
    const auto first = firstWord(headword);
    if (first.size() == headword.size())
        return false;
    if (language == Language::English)
        return isOneOf(first, {"the", "a", "an"});
    return isOneOf(first, {"der", "die", "das", "den", "dem", "des", "ein", "eine", "einen",
                           "einem", "einer", "eines"});
}

bool isBrokenPhrase(std::string_view headword)
{
    const auto space = headword.find(' ');
    if (space == std::string_view::npos)
        return false;
    const auto preposition = headword.substr(0, space);
    const auto verb = headword.substr(space + 1);
    if (verb.find(' ') != std::string_view::npos || !isLowerCaseWord(verb) ||
        !isOneOf(preposition, {"an", "auf", "aus", "bei", "durch", "f\xFCr",
                               "\xFC"
                               "ber",
                               "gegen", "in", "mit", "nach", "um", "unter", "von", "vor"}))
        return false;
    // A participle: "gekommen", "festgehalten", "gewesen", "festhaltend". "zu" before
    // an infinitive is a form of its own ("zu vermieten").
    const bool participle =
        verb.ends_with("end") || (verb.find("ge") != std::string_view::npos &&
                                  (verb.ends_with("t") || verb.ends_with("en")));
    return participle && verb.size() > 4;
}

JudgedList readJudgedList(std::istream& in, std::string_view name)
{
    JudgedList list;
    std::unordered_set<std::string> seen;
    std::string line;
    for (std::size_t number = 1; std::getline(in, line); ++number) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty() || line.front() == '#')
            continue;
        const auto where = std::string(name) + ":" + std::to_string(number) + ": ";
        const auto tab = line.find('\t');
        if (tab == std::string::npos || tab == 0 || tab + 1 == line.size())
            throw std::runtime_error(where + "expected headword<TAB>translation|translation");
        JudgedEntry entry;
        if (!utf8ToWindows1252Exact(std::string_view(line).substr(0, tab), entry.headword))
            throw std::runtime_error(where + "the headword is not representable in Windows-1252");
        std::string_view rest = std::string_view(line).substr(tab + 1);
        while (true) {
            const auto bar = std::min(rest.find('|'), rest.size());
            std::string accepted;
            if (bar == 0 || !utf8ToWindows1252Exact(rest.substr(0, bar), accepted))
                throw std::runtime_error(where + "an empty translation, or one not representable "
                                                 "in Windows-1252");
            entry.accepted.push_back(std::move(accepted));
            if (bar == rest.size())
                break;
            rest.remove_prefix(bar + 1);
        }
        if (!seen.insert(entry.headword).second)
            throw std::runtime_error(where + "the headword is judged twice");
        list.push_back(std::move(entry));
    }
    if (in.bad())
        throw std::runtime_error("error while reading " + std::string(name));
    return list;
}

JudgedList readJudgedList(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + messages::quotedPath(path));
    return readJudgedList(in, messages::quotedPath(path));
}

Scorecard measureVocabulary(const DictionaryStore& files, const ScorecardInputs& english,
                            const ScorecardInputs& german)
{
    const auto& englishWords = files.englishWords();
    const auto& germanWords = files.germanWords();
    auto word = [](const WordList& words, std::uint16_t index) {
        return index < words.size() ? words[index] : std::string_view();
    };
    std::vector<std::string_view> germanFirst, englishFirst;
    for (std::size_t i = 0; i < englishWords.size(); ++i)
        germanFirst.push_back(word(germanWords, files.translationSlot(0)[i]));
    for (std::size_t i = 0; i < germanWords.size(); ++i)
        englishFirst.push_back(word(englishWords, files.reverseIndex()[i]));
    return {measureLanguage(englishWords, germanFirst, Language::English, english),
            measureLanguage(germanWords, englishFirst, Language::German, german)};
}

void printScorecard(std::ostream& out, const Scorecard& scorecard)
{
    out << "scorecard:\n";
    printLanguage(out, "English", scorecard.english);
    printLanguage(out, "German", scorecard.german);
}

} // namespace wb::vocab
