#include "vocabulary/Candidates.h"

#include <algorithm>
#include <cmath>

namespace wb::vocab {
namespace {

// A translation's pairing with a headword sums, over the sub-entries the two share,
// the weight of each one's place in its list of alternatives (the first is the main
// word: 1, 1/2, 1/3, ...) times the headword's emphasis in that line. A line that
// uses the headword in many phrases is about its principal sense: the railway train
// fills a long line with "Zug", the draught of air a short one. Integer units keep
// the sums exact.
constexpr std::uint64_t kPlaceUnit = 27720; // divides evenly by every place up to 12

std::uint64_t placeWeight(std::size_t position)
{
    return kPlaceUnit / (position + 1);
}

// The square root of how often the line's side mentions the headword, in thousandths.
std::uint64_t emphasis(std::uint32_t occurrences)
{
    return std::uint64_t(std::lround(1000.0 * std::sqrt(double(std::max(occurrences, 1u)))));
}

// Of two translations the list pairs about equally strongly with a headword, the
// common word is the one a reader expects: "Zug" gives "train" before "pull". The
// cube root keeps commonness from outweighing a clearly stronger pairing.
double fit(std::uint64_t pairing, double commonness)
{
    return double(pairing) * std::cbrt(1.0 + commonness);
}

std::uint64_t listingPosition(std::uint32_t line, std::size_t entry, std::size_t position)
{
    return (std::uint64_t(line) << 24) | (std::min<std::uint64_t>(entry, 4095) << 12) |
           std::min<std::uint64_t>(position, 4095);
}

} // namespace

void Candidates::addLine(const SourceLine& line)
{
    ++m_line;
    if (line.unpaired)
        ++m_unpairedLines;
    const LineWords germanWords(line.germanText);
    const LineWords englishWords(line.englishText);
    m_german.mentions.addLine(germanWords);
    m_english.mentions.addLine(englishWords);
    for (std::size_t k = 0; k < line.entries.size(); ++k) {
        // The German side tells whether a leading "to " on the English side is the
        // infinitive marker, so it is cleaned first.
        const auto german = addAlternatives(Language::German, line.entries[k].german, k, false,
                                            germanWords, line.specialist);
        const auto english = addAlternatives(Language::English, line.entries[k].english, k,
                                             german.verb, englishWords, line.specialist);
        addPairs(german, english, k);
    }
}

Candidates::AddedAlternatives Candidates::addAlternatives(Language language,
                                                          std::span<const std::string_view> raw,
                                                          std::size_t entry, bool verb,
                                                          const LineWords& words, bool specialist)
{
    AddedAlternatives added;
    for (auto alternative : raw) {
        auto cleaned = cleanHeadword(alternative, language, verb);
        if (language == Language::German && isGermanVerb(alternative, cleaned))
            added.verb = true;
        if (cleaned.skipped) {
            ++side(language).skipped[std::size_t(*cleaned.skipped)];
            continue;
        }
        const auto occurrences = words.occurrences(cleaned.headword);
        const HeadwordId id = intern(language, std::move(cleaned.headword), entry == 0, specialist);
        if (std::find(added.ids.begin(), added.ids.end(), id) == added.ids.end()) {
            added.ids.push_back(id);
            added.emphasis.push_back(emphasis(occurrences));
        }
    }
    return added;
}

HeadwordId Candidates::intern(Language language, std::string&& text, bool main, bool specialist)
{
    Side& words = side(language);
    auto found = words.ids.find(std::string_view(text));
    if (found == words.ids.end()) {
        found = words.ids.emplace(text, HeadwordId(words.headwords.size())).first;
        words.headwords.push_back({std::move(text), 0, 0, false, 0});
    }
    Headword& headword = words.headwords[found->second];
    if (headword.lastLine != m_line) {
        headword.lastLine = m_line;
        ++headword.lines;
        if (!specialist)
            ++headword.generalLines;
    }
    headword.main = headword.main || main;
    return found->second;
}

void Candidates::addPairs(const AddedAlternatives& german, const AddedAlternatives& english,
                          std::size_t entry)
{
    if (german.ids.empty() || english.ids.empty())
        return;
    for (std::size_t g = 0; g < german.ids.size(); ++g) {
        for (std::size_t e = 0; e < english.ids.size(); ++e) {
            const std::uint64_t places = placeWeight(g) * placeWeight(e);
            m_occurrences.push_back({german.ids[g], english.ids[e], places * english.emphasis[e],
                                     places * german.emphasis[g], listingPosition(m_line, entry, g),
                                     listingPosition(m_line, entry, e)});
        }
    }
}

void Candidates::finish()
{
    m_german.commonness = vocab::commonness(m_german.headwords, m_german.mentions);
    m_english.commonness = vocab::commonness(m_english.headwords, m_english.mentions);
    buildLists(m_english, m_german, m_occurrences, Language::English);
    buildLists(m_german, m_english, m_occurrences, Language::German);
    m_occurrences.clear();
    m_occurrences.shrink_to_fit();
    m_german.ids = {};
    m_english.ids = {};
}

void Candidates::buildLists(Side& side, const Side& otherSide, std::vector<Occurrence>& occurrences,
                            Language language)
{
    // Seen from `language`: the headword is `self`, its translation `other`, and it
    // collects the other side's share and listing position.
    const bool german = language == Language::German;
    auto self = [german](const Occurrence& o) { return german ? o.german : o.english; };
    auto other = [german](const Occurrence& o) { return german ? o.english : o.german; };
    std::sort(occurrences.begin(), occurrences.end(),
              [&](const Occurrence& a, const Occurrence& b) {
                  return std::pair(self(a), other(a)) < std::pair(self(b), other(b));
              });

    side.offsets.assign(side.headwords.size() + 1, 0);
    side.translations.clear();
    for (std::size_t i = 0; i < occurrences.size(); ++i) {
        const Occurrence& o = occurrences[i];
        const std::uint64_t share = german ? o.englishAsTranslation : o.germanAsTranslation;
        const std::uint64_t first = german ? o.englishFirst : o.germanFirst;
        if (i > 0 && self(occurrences[i - 1]) == self(o) && other(occurrences[i - 1]) == other(o)) {
            Translation& last = side.translations.back();
            last.pairing += share;
            last.first = std::min(last.first, first);
        } else {
            side.translations.push_back({other(o), share, 0, first});
            ++side.offsets[self(o) + 1];
        }
    }
    for (std::size_t i = 1; i < side.offsets.size(); ++i)
        side.offsets[i] += side.offsets[i - 1];
    for (Translation& t : side.translations)
        t.fit = fit(t.pairing, otherSide.commonness[t.other]);
    for (std::size_t i = 0; i + 1 < side.offsets.size(); ++i)
        std::sort(side.translations.begin() + side.offsets[i],
                  side.translations.begin() + side.offsets[i + 1],
                  [](const Translation& a, const Translation& b) {
                      return a.fit != b.fit ? a.fit > b.fit : a.first < b.first;
                  });
}

std::span<const Translation> Candidates::translations(Language language, HeadwordId id) const
{
    const Side& words = side(language);
    return std::span(words.translations)
        .subspan(words.offsets[id], words.offsets[id + 1] - words.offsets[id]);
}

} // namespace wb::vocab
