// One case per rule of the ranking: which headwords a compile keeps and which
// translation comes first. Each case is built so that it fails when its rule is
// switched off (named beside it), whatever the other rules do.
#include "tests/vocab/VocabularyTestSupport.h"
#include "vocabulary/Commonness.h"
#include "vocabulary/Ranking.h"
#include "vocabulary/TranslationRanking.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace wb::test {
namespace {

using vocab::SourceFormat;

struct FirstTranslation {
    const char* name;
    const char* ding;
    const char* englishFrequencies;
    const char* germanFrequencies;
    bool english; // the headword is English
    const char* headword;
    const char* first;
};

void PrintTo(const FirstTranslation& c, std::ostream* os)
{
    *os << c.name;
}

class MainSense : public testing::TestWithParam<FirstTranslation> {};

TEST_P(MainSense, ComesFirst)
{
    const auto& c = GetParam();
    const auto compiled = compileText(c.ding, SourceFormat::Ding, kMaxRecords, c.englishFrequencies,
                                      c.germanFrequencies);
    const auto& v = compiled.decoded;
    if (c.english) {
        const auto translations = v.translationsOf(c.headword);
        ASSERT_FALSE(translations.empty());
        EXPECT_EQ(translations.front(), c.first);
    } else {
        EXPECT_EQ(v.translationOf(c.headword), c.first);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MainSense,
    testing::Values(
        // kCommonnessWeight: the two pair "call" equally; only commonness tells them apart.
        FirstTranslation{"CommonWordBeforeExclusiveOne",
                         "Kaufoption {f} :: call\nrufen {vt} :: to call\n", "call\t1000\n",
                         "rufen\t1000\nKaufoption\t1\n", true, "call", "rufen"},
        // kSenseShareWeight: "und" is commoner than "dann", but nearly always means "and"
        // ("then" is commoner than both, so no cap applies).
        FirstTranslation{
            "TranslationMostlyMeaningSomethingElseComesLater",
            "dann {adv} :: then\nund {conj} :: then\n"
            "und {conj} :: and\nund {conj} :: and\nund {conj} :: and\nund {conj} :: and\n"
            "und {conj} :: and\nund {conj} :: and\nund {conj} :: and\nund {conj} :: and\n"
            "und {conj} :: and\nund {conj} :: and\nund {conj} :: and\nund {conj} :: and\n"
            "und {conj} :: and\nund {conj} :: and\nund {conj} :: and\nund {conj} :: and\n"
            "und {conj} :: and\nund {conj} :: and\nund {conj} :: and\nund {conj} :: and\n",
            "then\t100000\nand\t10000\n", "und\t10000\ndann\t5000\n", true, "then", "dann"},
        // The headword's own commonness caps the translation's: both pair "then" alone
        // and equally, and "then" is rarer than either.
        FirstTranslation{"TranslationNoCommonerThanTheHeadword",
                         "dann {adv} :: then\nund {conj} :: then\n", "then\t100\nthe\t1000000\n",
                         "und\t10000\ndann\t500\nder\t1000000\n", true, "then", "dann"},
        // kGeneralLineWeight: equally common, equally placed; one line is a subject's.
        FirstTranslation{"GeneralLineBeforeSubjectLine",
                         "Laufwerk {n} [comp.] :: drive\nfahren {vi} :: to drive\n", "drive\t100\n",
                         "Laufwerk\t100\nfahren\t100\n", true, "drive", "fahren"},
        // kTechnicalFields: the list labels everyday words with fields too; "[zool.]"
        // is none of the technical ones, so the dog keeps its weight.
        FirstTranslation{"EverydayFieldIsNoTechnicalOne",
                         "Hund {m} [zool.] :: dog\nHund {m} :: canine\n", "dog\t100\ncanine\t100\n",
                         "Hund\t100\n", false, "Hund", "dog"},
        // kTechnicalFields, the labels of words going out of use: equally common and
        // placed, the dated word listed first.
        FirstTranslation{"DatedLineWeighsLikeASubjectLine",
                         "Fernsprecher {m} [veraltet] :: telephone\nTelefon {n} :: telephone\n",
                         "telephone\t100\n", "Fernsprecher\t100\nTelefon\t100\n", true, "telephone",
                         "Telefon"},
        // wordBeforeItsNoun, the participle: "Gehen" heads its own line, "gehend" is a
        // form in the verb's, yet "going" is mostly read as the verb.
        FirstTranslation{"ParticipleBeforeTheNounOfItsVerb",
                         "gehen {vi} | gehend | gegangen :: to go | going | gone\n"
                         "Gehen {n} :: going\nfunktionierend {adj} :: going\n",
                         "go\t100\ngoing\t100\n",
                         "gehen\t100\nGehen\t100\ngehend\t100\nfunktionierend\t1\n", true, "going",
                         "gehend"},
        // ... unless the headword's translations are mostly nouns: a meeting is one.
        FirstTranslation{"NounOfAVerbStaysFirstForAMostlyNounHeadword",
                         "treffen {vt} | treffend | getroffen :: to meet | meeting | met\n"
                         "Treffen {n} :: meeting\nSitzung {f} :: meeting\n",
                         "meet\t100\nmeeting\t100\n",
                         "treffen\t100\nTreffen\t100\ntreffend\t100\nSitzung\t10\n", true,
                         "meeting", "Treffen"},
        // kTranslationPhraseFactor: the phrase comes first in the line and its words
        // are commoner than "get", yet "get" is how one says it.
        FirstTranslation{"SingleWordBeforePhraseOfCommonWords",
                         "kriegen {vt} :: to come by; to get\n", "come\t1000\nby\t1000\nget\t100\n",
                         "kriegen\t1000\n", false, "kriegen", "get"},
        // kHeadEntryWeight: the form is commoner, but it is the line's headword that
        // "can" translates.
        FirstTranslation{"HeadwordBeforeItsForm",
                         "k\xC3\xB6nnen {v} | er/sie kann :: can | he/she can\n", "can\t1000\n",
                         "kann\t1000\nk\xC3\xB6nnen\t500\n", true, "can", "k\xF6nnen"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Kept {
    const char* name;
    const char* ding;
    const char* englishFrequencies;
    const char* germanFrequencies;
    std::size_t maxRecords;
    const char* kept;    // English
    const char* leftOut; // English, or empty
};

void PrintTo(const Kept& c, std::ostream* os)
{
    *os << c.name;
}

class Places : public testing::TestWithParam<Kept> {};

TEST_P(Places, GoToTheWordsReadersLookUp)
{
    const auto& c = GetParam();
    const auto compiled = compileText(c.ding, SourceFormat::Ding, c.maxRecords,
                                      c.englishFrequencies, c.germanFrequencies);
    const auto& english = compiled.decoded.english;
    auto has = [&](const std::string& word) {
        return std::find(english.begin(), english.end(), word) != english.end();
    };
    EXPECT_TRUE(has(c.kept)) << "kept: " << testing::PrintToString(english);
    if (*c.leftOut) {
        EXPECT_FALSE(has(c.leftOut));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Places,
    testing::Values(
        // RankTier::Counted before Evidence: the phrase's words are far commoner.
        Kept{"CountedWordBeforePhrase",
             "nach Hause gehen :: to go home\nlandwirtschaftlich {adj} :: agricultural\n",
             "go\t10000\nhome\t10000\nagricultural\t1\n", "", 1, "agricultural", "go home"},
        // A phrase's own evidence: the lines that give it whole, not its words.
        Kept{"PhraseByTheLinesThatGiveIt",
             "Eis {n} :: ice cream\nSpeiseeis {n} :: ice cream\nnach Hause gehen :: to go home\n",
             "go\t10000\nhome\t10000\nice\t1\ncream\t1\n", "", 1, "ice cream", "go home"},
        // kLiftShare: "zum" is common and needs "to the", a phrase.
        Kept{"MainTranslationOfACommonWord",
             "zum {prp} :: to the\nBaum {m} :: tree\nHaus {n} :: house\n",
             "tree\t10\nhouse\t10\nto\t1000\nthe\t1000\n", "zum\t1000\nBaum\t10\nHaus\t10\n", 2,
             "to the", ""},
        // kLiftShare: lifted, "to the" takes half of what "zum" is counted, which is
        // less than "house" has; in full it would take house's place.
        Kept{"MainTranslationTakesHalfTheWordsCount",
             "zum {prp} :: to the\nBaum {m} :: tree\nBaum {m} :: house\n",
             "tree\t700\nhouse\t600\nto\t1\nthe\t1\n", "zum\t1000\nBaum\t1000\n", 2, "house",
             "to the"},
        // kMainSenseShare: "Kuli" is counted rarely but means the common "ballpoint",
        // and takes half of its count: less than "Gebaeude" has, so of the four German
        // words for three places Kuli is left out, and with it its "ballpoint".
        Kept{"WordTakesHalfOfItsMainSense",
             "Kuli {m} :: ballpoint\nHaus {n} :: house\nBaum {m} :: tree\nGebaeude {n} :: house\n",
             "ballpoint\t500\nhouse\t250\ntree\t250\n",
             "Baum\t400\nHaus\t300\nGebaeude\t299\nKuli\t1\n", 3, "house", "ballpoint"}),
    [](const auto& info) { return std::string(info.param.name); });

// Estimated ranks below Counted: a count of the word itself is surer than one
// borrowed from its translation.
TEST(RankKey, TiersBeforeScores)
{
    vocab::Headword word{"Quatsch"}, phrase{"dummes Zeug"};
    phrase.entryLines = 50;
    const auto counted = vocab::ownRankKey(word, vocab::RankSource::Frequencies, 0.1);
    const auto estimated = vocab::ownRankKey(word, vocab::RankSource::OtherLanguage, 100);
    const auto evidence = vocab::ownRankKey(phrase, vocab::RankSource::Frequencies, 100);
    EXPECT_TRUE(vocab::ranksBefore(counted, estimated));
    EXPECT_TRUE(vocab::ranksBefore(estimated, evidence));
    EXPECT_FALSE(vocab::ranksBefore(estimated, counted));
    // "freuen (sich)" is one word to look up.
    EXPECT_EQ(
        vocab::ownRankKey(vocab::Headword{"freuen (sich)"}, vocab::RankSource::Frequencies, 1).tier,
        vocab::RankTier::Counted);
}

// A German word its own list counts stays counted when its translation's count
// raises it.
TEST(RankKey, OwnCountStaysTheSource)
{
    const auto compiled = compileText("Quatsch {m} :: nonsense\n", SourceFormat::Ding, kMaxRecords,
                                      "nonsense\t1000\n", "Quatsch\t1\n");
    const auto& by = compiled.summary.german.rankedBy;
    EXPECT_EQ(by[std::size_t(vocab::RankSource::Frequencies)], 1u);
    EXPECT_EQ(by[std::size_t(vocab::RankSource::OtherLanguage)], 0u);
}

// Each pair differs only in what its rule looks at; the first must score higher.
struct MentionPair {
    const char* name;
    vocab::Headword higher;
    vocab::Headword lower;
};

void PrintTo(const MentionPair& c, std::ostream* os)
{
    *os << c.name;
}

vocab::Headword listed(std::string text, bool main = true, std::uint32_t generalLines = 3)
{
    vocab::Headword headword{std::move(text)};
    headword.lines = 3;
    headword.generalLines = generalLines;
    headword.main = main;
    return headword;
}

class MentionScore : public testing::TestWithParam<MentionPair> {};

TEST_P(MentionScore, LowersTheRarerKind)
{
    const auto& c = GetParam();
    EXPECT_GT(vocab::mentionScore(c.higher, 3), vocab::mentionScore(c.lower, 3));
}

INSTANTIATE_TEST_SUITE_P(
    Rules, MentionScore,
    testing::Values(
        // kMentionPhrasePenalty: the same length, one a phrase.
        MentionPair{"WordBeforePhrase", listed("peartrees"), listed("pear tree")},
        // kMentionFreeLength, kMentionLengthStep: both past the free length.
        MentionPair{"ShorterBeforeLonger", listed("abcdefghijklm"),
                    listed("abcdefghijklmnopqrstuvwxyz")},
        // kLaterEntryFactor: one is a line's headword, the other only a form in it.
        MentionPair{"HeadwordBeforeLaterEntry", listed("pears"), listed("pears", false)},
        // kSpecialistOnlyFactor: one is used in some general line.
        MentionPair{"GeneralBeforeSpecialistOnly", listed("pears"), listed("pears", true, 0)}),
    [](const auto& info) { return std::string(info.param.name); });

// kDerivedCommonnessWeight: a derived pairing carrying twice the share loses to a
// listed one as common, since how common it is counts only a little.
TEST(TranslationFit, DerivedPairingCountsCommonnessLess)
{
    EXPECT_LT(vocab::translationFit(vocab::Origin::PhraseVerb, 0.5, 1000, 1, 1000),
              vocab::translationFit(vocab::Origin::Listed, 0.25, 1000, 1, 1000));
}

TEST(TranslationFit, TheAdjectiveOfToBeFollowsTheListAlone)
{
    EXPECT_EQ(vocab::translationFit(vocab::Origin::BeAdjective, 0.25, 1000, 1, 1000), 0.25);
    EXPECT_GT(vocab::translationFit(vocab::Origin::Listed, 0.25, 1000, 1, 1000), 0.25);
    // The same word meaning this more often fits better.
    EXPECT_GT(vocab::translationFit(vocab::Origin::Listed, 0.25, 1000, 0.9, 1000),
              vocab::translationFit(vocab::Origin::Listed, 0.25, 1000, 0.1, 1000));
}

// The form a reader types, end to end.
TEST(ReadersForm, NounsReflexiveVerbsAndExclamations)
{
    const auto compiled = compileText(
        "Polizei {f}; die Polizei :: police; the police\n"
        "sich freuen {vr} :: to be glad\n"
        "Hallo! :: Hello!\n"
        "jdm. hallo sagen :: to say hello to sb.\n"
        "Achtung! :: Look out!\n"
        "auf etw. kommen {vi} | auf kommend | auf gekommen :: to come upon sth. | coming upon | "
        "come upon\n",
        SourceFormat::Ding);
    const auto& v = compiled.decoded;
    using Words = std::vector<std::string>;
    EXPECT_EQ(v.translationsOf("police"), Words{"Polizei"});
    EXPECT_EQ(v.translationOf("freuen (sich)"), "be glad");
    EXPECT_EQ(v.translationsOf("hello"), Words{"hallo"});
    EXPECT_TRUE(v.translationsOf("Hello").empty());
    EXPECT_EQ(v.translationOf("Achtung"), "Look out");
    for (const auto& german : v.german) {
        EXPECT_FALSE(german.starts_with("die ")) << german;
        EXPECT_FALSE(german.starts_with("sich ")) << german;
        EXPECT_NE(german, "auf gekommen");
        EXPECT_NE(german, "auf kommend");
    }
}

} // namespace
} // namespace wb::test
