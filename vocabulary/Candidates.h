#pragma once
// Everything the word list offers: the distinct clean headwords of each language
// (with those it gives only inside other entries, see DerivedHeadwords), how often the
// list uses them, and which headwords translate which, each with how well it fits. It
// collects line by line and keeps no line text. Scoring, the translation ranking,
// Ranking and Selection fill in and choose among what it holds.
#include "vocabulary/Commonness.h"
#include "vocabulary/DerivedHeadwords.h"
#include "vocabulary/HeadwordCleaner.h"
#include "vocabulary/HeadwordIndex.h"
#include "vocabulary/MentionCounter.h"
#include "vocabulary/SourceLine.h"
#include "vocabulary/StringHash.h"

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace wb::vocab {

// A translation of a headword, from its point of view.
// The origin sits beside the index, where it costs no room: there are as many of these
// as pairs in the list (1.6 million for Debian's).
struct Translation {
    HeadwordId other = 0;
    // Of the translation's senses (Candidates::senses), those it shares with the headword.
    float senses = 0;
    std::uint64_t pairing = 0;      // how strongly the list pairs the two (PairingWeights.h)
    std::uint64_t first = 0;        // where it was first listed: line, sub-entry, position
    float fit = 0;                  // how likely a reader means it (TranslationRanking.h)
    Origin origin = Origin::Listed; // the most direct of the ways the list pairs the two
};

class Candidates {
public:
    // Collecting, line by line; finishReading() after the last line builds the
    // translation lists, each in the order the list pairs them.
    void addLine(const SourceLine& line);
    void countIgnoredLine() { ++m_ignoredLines; }
    void countMalformedLine() { ++m_malformedLines; }
    void finishReading();

    const std::vector<Headword>& headwords(Language language) const
    {
        return side(language).headwords;
    }
    // How many lines mention each word, until the commonness is scored.
    const MentionCounter& mentions(Language language) const { return side(language).mentions; }
    // The forms the list gives only in braces, each with its verb ("overthrew", "overthrow").
    const std::vector<std::pair<HeadwordId, HeadwordId>>& irregularForms() const
    {
        return m_irregularForms;
    }
    void releaseMentions();

    // Scoring (see Scoring.h): by headword, empty until set.
    const std::vector<double>& commonness(Language language) const
    {
        return side(language).commonness;
    }
    RankSource rankSource(Language language, HeadwordId id) const
    {
        return side(language).sources[id];
    }
    void setCommonness(Language language, CommonnessScores&& scores);
    // Makes the headword as common as `value` when that is more than it was.
    void raiseCommonness(Language language, HeadwordId id, double value, RankSource source);

    // Each headword's weight over the sub-entries that pair it directly: how many
    // senses the list gives it, and how prominently.
    const std::vector<float>& senses(Language language) const { return side(language).senses; }
    // The headword's translations; once ranked (see TranslationRanking.h) the most
    // fitting first.
    std::span<const Translation> translations(Language language, HeadwordId id) const;
    std::span<Translation> translationsToRank(Language language, HeadwordId id);
    // What the headword's place rests on: Listed when the list pairs it directly (or
    // not at all), otherwise the most direct way it was derived.
    Origin origin(Language language, HeadwordId id) const;

    std::uint32_t skipped(Language language, SkipReason reason) const
    {
        return side(language).skipped[std::size_t(reason)];
    }
    std::uint32_t entryLines() const { return m_line; }
    std::uint32_t ignoredLines() const { return m_ignoredLines; }
    std::uint32_t malformedLines() const { return m_malformedLines; }
    std::uint32_t unpairedLines() const { return m_unpairedLines; }

private:
    struct Side {
        std::vector<Headword> headwords;
        HeadwordIndex ids; // while reading
        MentionCounter mentions;
        // Per headword: its weight summed over the sub-entries that pair it directly,
        // the whole of its senses.
        std::vector<float> senses;
        std::vector<double> commonness;
        std::vector<RankSource> sources;
        std::array<std::uint32_t, kSkipReasonCount> skipped{};
        std::vector<std::uint32_t>
            offsets; // translations of headword i: [offsets[i], offsets[i+1])
        std::vector<Translation> translations;
    };
    // One pair of headwords standing in the same sub-entry, with what it adds to the
    // fit of each as a translation of the other.
    struct Occurrence {
        HeadwordId german, english;
        std::uint64_t germanAsTranslation, englishAsTranslation;
        std::uint64_t germanFirst, englishFirst;
        Origin origin;
        bool germanDerived;  // the derivation, if any, made the German headword
        std::uint8_t weight; // of the line and the sub-entry (PairingWeights.h)
    };
    struct AddedAlternatives {
        std::vector<HeadwordId> ids;         // distinct, in listed order
        std::vector<std::uint64_t> emphasis; // per id, see emphasis() in PairingWeights.h
        bool verb = false;
        std::vector<std::size_t> places; // per id, its place among the sub-entry's
        std::vector<bool> technical;     // per id, if given: labelled with a technical field
    };

    Side& side(Language language) { return language == Language::German ? m_german : m_english; }
    const Side& side(Language language) const
    {
        return language == Language::German ? m_german : m_english;
    }
    // The German and English alternatives it added; none for a conjugation.
    std::array<AddedAlternatives, 2> addEntry(const SourceEntry& entry, std::size_t k,
                                              const LineWords& germanWords,
                                              const LineWords& englishWords, bool specialist);
    void addConjugation(std::span<const std::string_view> germanAlternatives,
                        std::span<const std::string_view> englishAlternatives, std::size_t k,
                        const LineWords& germanWords, const LineWords& englishWords,
                        bool specialist);
    void addSingulars(const AddedAlternatives& english, const AddedAlternatives& german,
                      std::size_t entry, const LineWords& words, bool specialist);
    static std::vector<std::string_view> separated(std::span<const std::string_view> raw,
                                                   Language language);
    AddedAlternatives addAlternatives(Language language, std::span<const std::string_view> raw,
                                      std::size_t entry, bool verb, const LineWords& words,
                                      bool specialist, bool conjugation = false);
    void addEnglishDerivations(std::span<const std::string_view> raw,
                               const AddedAlternatives& german, const AddedAlternatives& english,
                               std::size_t entry, const LineWords& words, bool specialist);
    // The derived headword, when it is one word.
    std::optional<HeadwordId> addDerived(std::string&& headword, Origin origin, std::size_t place,
                                         const AddedAlternatives& german, std::size_t entry,
                                         const LineWords& words, bool specialist);
    void addGermanAdjectives(HeadwordId english, std::size_t place, const AddedAlternatives& german,
                             std::size_t entry, bool specialist);
    HeadwordId intern(Language language, std::string&& text, bool main, bool specialist,
                      bool alternative = true);
    void addPairs(const AddedAlternatives& german, const AddedAlternatives& english,
                  std::size_t entry, Origin origin, bool germanDerived = false);
    void addGermanPhraseVerbs(const AddedAlternatives& german, const AddedAlternatives& english,
                              std::size_t entry, bool specialist);
    void addPrepositions(std::span<const std::string_view> germanRaw,
                         std::span<const std::string_view> englishRaw, std::size_t entry,
                         bool specialist);
    AddedAlternatives governed(Language language, std::span<const std::string_view> raw,
                               bool specialist);
    void addSearchWords(std::span<const std::string_view> germanRaw,
                        std::span<const std::string_view> englishRaw,
                        const AddedAlternatives& german, const AddedAlternatives& english,
                        std::size_t entry, bool specialist);
    static void buildLists(Side& side, std::deque<Occurrence>& occurrences, Language language);
    void respellExclamations(Side& side);

    Side m_german;
    Side m_english;
    // A deque grows by blocks: a vector of these would double (to 50 MB on Debian's
    // list) and hold both copies while it moves.
    std::deque<Occurrence> m_occurrences;
    std::vector<std::pair<HeadwordId, HeadwordId>> m_irregularForms; // form, its verb
    std::span<const std::string_view> m_lineHeadwords; // German, of the line being read
    std::uint32_t m_line = 0;
    std::uint32_t m_ignoredLines = 0;
    std::uint32_t m_malformedLines = 0;
    std::uint32_t m_unpairedLines = 0;
};

} // namespace wb::vocab
