// How alternatives of the word list become headwords. Inputs are UTF-8 as in the
// list; headwords come out in Windows-1252 (so "\xFC" is ü).
#include "vocabulary/HeadwordCleaner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb::vocab {
namespace {

struct Clean {
    const char* name;
    const char* alternative;
    Language language;
    bool verb;
    const char* headword;
};

void PrintTo(const Clean& c, std::ostream* os)
{
    *os << c.name;
}

class Cleaning : public testing::TestWithParam<Clean> {};

TEST_P(Cleaning, GivesTheHeadword)
{
    const Clean& c = GetParam();
    const auto result = cleanHeadword(c.alternative, c.language, c.verb);
    ASSERT_FALSE(result.skipped) << describe(*result.skipped);
    EXPECT_EQ(result.headword, c.headword);
}

constexpr auto DE = Language::German;
constexpr auto EN = Language::English;

INSTANTIATE_TEST_SUITE_P(
    Rules, Cleaning,
    testing::Values(
        Clean{"GrammarAndFieldLabels", "Haus {n} [arch.]", DE, false, "Haus"},
        Clean{"RemarksInParentheses", "(feierlicher) Umzug {m} (Bahn)", DE, false, "Umzug"},
        Clean{"NestedBrackets", "Zug (am (alten) Turnger\xC3\xA4t)", DE, false, "Zug"},
        Clean{"AngleBracketsHoldOldSpellings", "last <laste>", EN, false, "last"},
        Clean{"SeparatorsInsideAnnotations", "go {went; gone}", EN, true, "go"},
        Clean{"AbbreviationBetweenSlashes", "Bahnhof {m} /Bhf./", DE, false, "Bahnhof"},
        Clean{"GermanPlaceholders", "jdm. etw. geben", DE, false, "geben"},
        Clean{"CombinedPlaceholdersFirst", "jdn./etw. abwerben", DE, false, "abwerben"},
        Clean{"EnglishPlaceholdersAndVerbMarker", "to give sb. sth.", EN, true, "give"},
        Clean{"TrailingObjectOfAPhrasalVerb", "to look after sb.", EN, true, "look after"},
        // A placeholder between two words stays, or the words would run together.
        Clean{"PlaceholderInside", "auf etw. setzen {vt}", DE, false, "auf etw. setzen"},
        Clean{"CombinedPlaceholderInside", "sich um jdn./etw. k\xC3\xBCmmern", DE, false,
              "um jdn./etw. k\xFCmmern (sich)"},
        Clean{"LeadingPlaceholderGoesInsideStays", "jdn. an etw. erinnern", DE, false,
              "an etw. erinnern"},
        Clean{"InsideKeepsTheTrailingOneToo", "to remind sb. of sth.", EN, true,
              "remind sb. of sth."},
        Clean{"TypographicApostropheInPlaceholder", "to take sb.\xE2\x80\x99s side", EN, true,
              "take sb.'s side"},
        Clean{"OptionalPlaceholderFirst", "(jdm.) etw. geben", DE, false, "geben"},
        Clean{"OptionalPlaceholderInside", "an (etw.) teilnehmen", DE, false,
              "an (etw.) teilnehmen"},
        Clean{"ToStaysWithoutAVerb", "to and fro", EN, false, "to and fro"},
        Clean{"ToAloneStays", "to", EN, true, "to"},
        Clean{"TypographicQuotesAndDashes",
              "\xE2\x80\x9E"
              "Tor\xE2\x80\x9C \xE2\x80\x93 Ecke",
              DE, false, "\"Tor\" - Ecke"},
        Clean{"WhitespaceCollapsed", "  ice \t  cream  ", EN, false, "ice cream"},
        Clean{"AbbreviationWithFullStop", "Dr.", EN, false, "Dr."},
        Clean{"AbbreviationWithSpaces", "per cent [Br.] / % /", EN, false, "per cent"},
        Clean{"AbbreviationWithASeparator", "century /c; cent./", EN, false, "century"},
        Clean{"GreetingLosesItsMark", "Hallo! {interj}", DE, false, "Hallo"},
        Clean{"InterjectionLosesItsMark", "Sorry!", EN, false, "Sorry"},
        Clean{"ShortExclamationLosesItsMark", "Thank you!", EN, false, "Thank you"},
        Clean{"ExclamationOfThreeWords", "That\xE2\x80\x99s too bad!", EN, false, "That's too bad"},
        // A slash inside a phrase offers other words for one of its words.
        Clean{"SlashInAPhraseTakesTheFirstWord", "driver of a/the vehicle", EN, false,
              "driver of a vehicle"},
        Clean{"SlashInAGermanPhrase",
              "jdn. von einer Sachlage/Notwendigkeit \xC3\xBC"
              "berzeugen {vt}",
              DE, false,
              "von einer Sachlage \xFC"
              "berzeugen"},
        Clean{"SlashBeforeTheExclamationMark", "What a pity/shame!", EN, false, "What a pity"},
        Clean{"PronounsOfAPhrase", "at the end of his/her tether", EN, false,
              "at the end of his tether"},
        Clean{"ConjunctionAsHeadword", "oder {conj}", DE, false, "oder"},
        // The form a reader types: the noun without its article, the verb before "sich".
        Clean{"ArticleBeforeANoun", "die Polizei {f}", DE, false, "Polizei"},
        Clean{"ArticleBeforeANounPhrase",
              "die \xC3\xB6"
              "ffentliche Sicherheit",
              DE, false,
              "\xF6"
              "ffentliche Sicherheit"},
        Clean{"ArticleOfAnIdiomStays",
              "den L\xC3\xB6"
              "ffel abgeben",
              DE, true,
              "den L\xF6"
              "ffel abgeben"},
        Clean{"ArticleOfAFixedPhraseStays", "das hei\xC3\x9Ft", DE, false, "das hei\xDFt"},
        Clean{"IndefiniteArticleOfAQuantityStays", "ein paar", DE, false, "ein paar"},
        Clean{"EnglishArticleBeforeANoun", "the police", EN, false, "police"},
        Clean{"EnglishIndefiniteArticle", "a bomb", EN, false, "bomb"},
        Clean{"EnglishArticleBeforeAName", "the United States", EN, false, "United States"},
        Clean{"ArticleOfAQuantityStays", "a lot", EN, false, "a lot"},
        Clean{"ArticleOfAPhraseStays", "the other day", EN, false, "the other day"},
        Clean{"ReflexiveVerb", "sich freuen {vr}", DE, false, "freuen (sich)"},
        Clean{"ReflexiveVerbWithAnObject", "sich Sorgen machen", DE, false, "Sorgen machen (sich)"},
        // isParticiple: the participles are written without the pronoun.
        Clean{"ReflexivePastParticiple", "sich am\xC3\xBCsiert", DE, false, "am\xFCsiert"},
        Clean{"ReflexivePresentParticiple", "sich k\xC3\xBCmmernd", DE, false, "k\xFCmmernd"},
        Clean{"ReflexiveVerbEndingInErn", "sich k\xC3\xBCmmern", DE, false, "k\xFCmmern (sich)"},
        Clean{"SichAloneStays", "sich {pron}", DE, false, "sich"},
        Clean{"SichAmongOptions", "sich/einander entsprechend", DE, false, "entsprechend"},
        Clean{"LongGermanHeadwordsAreFine", "Donaudampfschifffahrtsgesellschaftskapit\xC3\xA4n", DE,
              false, "Donaudampfschifffahrtsgesellschaftskapit\xE4n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct Skip {
    const char* name;
    const char* alternative;
    Language language;
    SkipReason reason;
};

void PrintTo(const Skip& s, std::ostream* os)
{
    *os << s.name;
}

class Skipping : public testing::TestWithParam<Skip> {};

TEST_P(Skipping, SaysWhy)
{
    const Skip& s = GetParam();
    const auto result = cleanHeadword(s.alternative, s.language, true);
    ASSERT_TRUE(result.skipped) << "became '" << result.headword << "'";
    EXPECT_EQ(*result.skipped, s.reason) << describe(*result.skipped);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Skipping,
    testing::Values(
        Skip{"OnlyAnnotations", "{f} [techn.]", DE, SkipReason::Empty},
        Skip{"RemarkThatStoodForTheObject", "in (einen Ort) eintreten", DE, SkipReason::LostObject},
        Skip{"OnlyPlaceholders", "jdn./etw.", DE, SkipReason::Empty},
        Skip{"ConjunctionBetweenRemarks", "(Anthelia spp.) oder (Cespitularia spp.)", DE,
             SkipReason::Empty},
        Skip{"UnclosedBracket", "Haus (alt", DE, SkipReason::Malformed},
        Skip{"StrayClosingBracket", "Haus) alt", DE, SkipReason::Malformed},
        Skip{"ExclamationSentence", "Geh auf dein Zimmer!", DE, SkipReason::Sentence},
        Skip{"StatementWithFullStop", "I go home.", EN, SkipReason::Sentence},
        Skip{"ExclamationOfFourWords", "Das ist aber schade!", DE, SkipReason::Sentence},
        Skip{"DoubleExclamation", "Hilfe!!", DE, SkipReason::Sentence},
        Skip{"UnclosedAbbreviation", "Prozent / %", DE, SkipReason::Slash},
        Skip{"Clause", "die Frau, der das Lokal geh\xC3\xB6rt", DE, SkipReason::Sentence},
        Skip{"SlashInAWordAlone", "he/she", EN, SkipReason::Slash},
        Skip{"SlashInsideAWord", "welche/r/s", DE, SkipReason::Slash},
        Skip{"SlashBeforeAnEndingInAPhrase", "jede/r von uns", DE, SkipReason::Slash},
        Skip{"SlashBetweenUnits", "50 km/h", DE, SkipReason::Slash},
        Skip{"SlashBetweenFigures", "open 24/7", EN, SkipReason::Slash},
        Skip{"SlashBetweenAbbreviations", "TCP/IP protocol", EN, SkipReason::Slash},
        Skip{"ThreeDots", "in four days ...", EN, SkipReason::Ellipsis},
        Skip{"EllipsisCharacter", "abgek\xC3\xBCrzt \xE2\x80\xA6", DE, SkipReason::Ellipsis},
        Skip{"GreekLetter", "\xCE\xB1-Teilchen", DE, SkipReason::NotWindows1252},
        Skip{"EnglishBeyondThirtyBytes", "abcdefghijklmnopqrstuvwxyz abcd", EN,
             SkipReason::TooLong},
        Skip{"KeptPlaceholdersCountTowardsTheLimit", "to give sth. back to sb. in return", EN,
             SkipReason::TooLong},
        Skip{"SentenceEndingInAnAbbreviation", "It happened in the U.S.", EN,
             SkipReason::Sentence}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cleaning, EnglishLimitIsWhatTheFrontCodingCanReach)
{
    const std::string thirty(30, 'x');
    EXPECT_FALSE(cleanHeadword(thirty, EN, false).skipped);
    EXPECT_TRUE(cleanHeadword(thirty + "x", EN, false).skipped);
    EXPECT_FALSE(cleanHeadword(thirty + "x", DE, false).skipped);
    EXPECT_FALSE(cleanHeadword(std::string(270, 'x'), DE, false).skipped);
    EXPECT_TRUE(cleanHeadword(std::string(271, 'x'), DE, false).skipped);
}

using Parts = std::vector<std::string_view>;

TEST(RunTogether, ExclamationsOneAfterTheOther)
{
    EXPECT_EQ(separateAlternatives("Thank you! Thanks!", EN), (Parts{"Thank you!", "Thanks!"}));
    EXPECT_EQ(separateAlternatives("Hilfe! Feuer! {interj}", DE),
              (Parts{"Hilfe!", "Feuer! {interj}"}));
    // Only where the whole is exclamations.
    EXPECT_EQ(separateAlternatives("Stop! You are hurting me.", EN),
              (Parts{"Stop! You are hurting me."}));
    EXPECT_EQ(separateAlternatives("Pass auf! (Warnung) ruft er", DE),
              (Parts{"Pass auf! (Warnung) ruft er"}));
}

TEST(RunTogether, ShortEnglishPhrasesPartedByCommas)
{
    EXPECT_EQ(separateAlternatives("at a/the minimum, at least", EN),
              (Parts{"at a/the minimum", "at least"}));
    EXPECT_EQ(separateAlternatives("wild strawberry, woodland strawberry, Alpine strawberry", EN),
              (Parts{"wild strawberry", "woodland strawberry", "Alpine strawberry"}));
    EXPECT_EQ(separateAlternatives("no less than, not less than [formal]", EN),
              (Parts{"no less than", "not less than [formal]"}));
}

TEST(RunTogether, CommasThatPartNoAlternatives)
{
    auto alone = [](std::string_view text, Language language) {
        return separateAlternatives(text, language) == Parts{text};
    };
    EXPECT_TRUE(alone("die Frau, der das Lokal geh\xC3\xB6rt", DE)); // a German clause
    EXPECT_TRUE(alone("bei, mit", DE));
    EXPECT_TRUE(alone("David, the slayer of Goliath", EN)); // an apposition
    EXPECT_TRUE(alone("small, round cakes", EN));           // a list of adjectives
    EXPECT_TRUE(alone("If so, we go.", EN));                // a sentence
    EXPECT_TRUE(alone("Well, well, what a surprise!", EN));
    EXPECT_TRUE(alone("lead (in, on sth.) role", EN)); // inside a remark
    EXPECT_TRUE(alone("house", EN));
    EXPECT_TRUE(alone("", EN));
}

TEST(GermanVerbs, MarkerOrInfinitive)
{
    auto verb = [](const char* alternative) {
        return isGermanVerb(alternative, cleanHeadword(alternative, DE, false));
    };
    EXPECT_TRUE(verb("gehen {vi}"));
    EXPECT_TRUE(verb("etw. tun {vt}"));
    EXPECT_TRUE(verb("sich freuen {vr}"));
    EXPECT_TRUE(verb("aufs Ganze gehen"));
    EXPECT_TRUE(verb("\xC3\xA4ndern"));
    EXPECT_FALSE(verb("Haus {n}"));
    EXPECT_FALSE(verb("Garten")); // a noun ending in n
    EXPECT_FALSE(verb("nach links"));
    EXPECT_FALSE(verb("Stil {vulg.}")); // "{v" must be the whole marker
}

// "auf etw. kommen | auf kommend | auf gekommen": the forms lost their object.
TEST(LostObject, APrepositionWhoseObjectTheHeadSubEntryNames)
{
    const std::vector<std::string_view> head = {"auf etw. kommen", "auf/hinter etw. stoßen",
                                                "etw. finden"};
    EXPECT_TRUE(lostItsObject("auf gekommen", head));
    EXPECT_TRUE(lostItsObject("hinter gesto\xDF"
                              "en",
                              head));
    EXPECT_FALSE(lostItsObject("gefunden", head));               // one word
    EXPECT_FALSE(lostItsObject("auf Anhieb", head));             // a noun is an object
    EXPECT_FALSE(lostItsObject("auf einmal", {{"auf einmal"}})); // no placeholder after it
    EXPECT_FALSE(lostItsObject("an sich", head));                // another preposition
}

} // namespace
} // namespace wb::vocab
