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

constexpr auto kGerman = Language::German;
constexpr auto kEnglish = Language::English;

INSTANTIATE_TEST_SUITE_P(
    Rules, Cleaning,
    testing::Values(
        Clean{"GrammarAndFieldLabels", "Haus {n} [arch.]", kGerman, false, "Haus"},
        Clean{"RemarksInParentheses", "(feierlicher) Umzug {m} (Bahn)", kGerman, false, "Umzug"},
        Clean{"NestedBrackets", "Zug (am (alten) Turnger\xC3\xA4t)", kGerman, false, "Zug"},
        Clean{"AngleBracketsHoldOldSpellings", "last <laste>", kEnglish, false, "last"},
        Clean{"SeparatorsInsideAnnotations", "go {went; gone}", kEnglish, true, "go"},
        Clean{"AbbreviationBetweenSlashes", "Bahnhof {m} /Bhf./", kGerman, false, "Bahnhof"},
        Clean{"GermanPlaceholders", "jdm. etw. geben", kGerman, false, "geben"},
        Clean{"CombinedPlaceholdersFirst", "jdn./etw. abwerben", kGerman, false, "abwerben"},
        Clean{"EnglishPlaceholdersAndVerbMarker", "to give sb. sth.", kEnglish, true, "give"},
        Clean{"TrailingObjectOfAPhrasalVerb", "to look after sb.", kEnglish, true, "look after"},
        // A placeholder between two words stays, or the words would run together.
        Clean{"PlaceholderInside", "auf etw. setzen {vt}", kGerman, false, "auf etw. setzen"},
        Clean{"CombinedPlaceholderInside", "sich um jdn./etw. k\xC3\xBCmmern", kGerman, false,
              "um jdn./etw. k\xFCmmern (sich)"},
        Clean{"LeadingPlaceholderGoesInsideStays", "jdn. an etw. erinnern", kGerman, false,
              "an etw. erinnern"},
        Clean{"InsideKeepsTheTrailingOneToo", "to remind sb. of sth.", kEnglish, true,
              "remind sb. of sth."},
        Clean{"TypographicApostropheInPlaceholder", "to take sb.\xE2\x80\x99s side", kEnglish, true,
              "take sb.'s side"},
        Clean{"OptionalPlaceholderFirst", "(jdm.) etw. geben", kGerman, false, "geben"},
        Clean{"OptionalPlaceholderInside", "an (etw.) teilnehmen", kGerman, false,
              "an (etw.) teilnehmen"},
        Clean{"ToStaysWithoutAVerb", "to and fro", kEnglish, false, "to and fro"},
        Clean{"ToAloneStays", "to", kEnglish, true, "to"},
        Clean{"TypographicQuotesAndDashes",
              "\xE2\x80\x9E"
              "Tor\xE2\x80\x9C \xE2\x80\x93 Ecke",
              kGerman, false, "\"Tor\" - Ecke"},
        Clean{"WhitespaceCollapsed", "  ice \t  cream  ", kEnglish, false, "ice cream"},
        Clean{"AbbreviationWithFullStop", "Dr.", kEnglish, false, "Dr."},
        Clean{"AbbreviationWithSpaces", "per cent [Br.] / % /", kEnglish, false, "per cent"},
        Clean{"AbbreviationWithASeparator", "century /c; cent./", kEnglish, false, "century"},
        Clean{"GreetingLosesItsMark", "Hallo! {interj}", kGerman, false, "Hallo"},
        Clean{"InterjectionLosesItsMark", "Sorry!", kEnglish, false, "Sorry"},
        Clean{"ShortExclamationLosesItsMark", "Thank you!", kEnglish, false, "Thank you"},
        Clean{"ExclamationOfThreeWords", "That\xE2\x80\x99s too bad!", kEnglish, false,
              "That's too bad"},
        // A slash inside a phrase offers other words for one of its words.
        Clean{"SlashInAPhraseTakesTheFirstWord", "driver of a/the vehicle", kEnglish, false,
              "driver of a vehicle"},
        Clean{"SlashInAGermanPhrase",
              "jdn. von einer Sachlage/Notwendigkeit \xC3\xBC"
              "berzeugen {vt}",
              kGerman, false,
              "von einer Sachlage \xFC"
              "berzeugen"},
        Clean{"SlashBeforeTheExclamationMark", "What a pity/shame!", kEnglish, false,
              "What a pity"},
        Clean{"PronounsOfAPhrase", "at the end of his/her tether", kEnglish, false,
              "at the end of his tether"},
        Clean{"ConjunctionAsHeadword", "oder {conj}", kGerman, false, "oder"},
        // The form a reader types: the noun without its article, the verb before "sich".
        Clean{"ArticleBeforeANoun", "die Polizei {f}", kGerman, false, "Polizei"},
        Clean{"ArticleBeforeANounPhrase",
              "die \xC3\xB6"
              "ffentliche Sicherheit",
              kGerman, false,
              "\xF6"
              "ffentliche Sicherheit"},
        Clean{"ArticleOfAnIdiomStays",
              "den L\xC3\xB6"
              "ffel abgeben",
              kGerman, true,
              "den L\xF6"
              "ffel abgeben"},
        Clean{"ArticleOfAFixedPhraseStays", "das hei\xC3\x9Ft", kGerman, false, "das hei\xDFt"},
        Clean{"IndefiniteArticleOfAQuantityStays", "ein paar", kGerman, false, "ein paar"},
        Clean{"EnglishArticleBeforeANoun", "the police", kEnglish, false, "police"},
        Clean{"EnglishIndefiniteArticle", "a bomb", kEnglish, false, "bomb"},
        Clean{"EnglishArticleBeforeAName", "the United States", kEnglish, false, "United States"},
        Clean{"ArticleOfAQuantityStays", "a lot", kEnglish, false, "a lot"},
        Clean{"ArticleOfAPhraseStays", "the other day", kEnglish, false, "the other day"},
        Clean{"ReflexiveVerb", "sich freuen {vr}", kGerman, false, "freuen (sich)"},
        Clean{"ReflexiveVerbWithAnObject", "sich Sorgen machen", kGerman, false,
              "Sorgen machen (sich)"},
        // isParticiple: the participles are written without the pronoun.
        Clean{"ReflexivePastParticiple", "sich am\xC3\xBCsiert", kGerman, false, "am\xFCsiert"},
        Clean{"ReflexivePresentParticiple", "sich k\xC3\xBCmmernd", kGerman, false, "k\xFCmmernd"},
        Clean{"ReflexiveVerbEndingInErn", "sich k\xC3\xBCmmern", kGerman, false,
              "k\xFCmmern (sich)"},
        Clean{"SichAloneStays", "sich {pron}", kGerman, false, "sich"},
        Clean{"SichAmongOptions", "sich/einander entsprechend", kGerman, false, "entsprechend"},
        Clean{"LongGermanHeadwordsAreFine", "Donaudampfschifffahrtsgesellschaftskapit\xC3\xA4n",
              kGerman, false, "Donaudampfschifffahrtsgesellschaftskapit\xE4n"}),
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
        Skip{"OnlyAnnotations", "{f} [techn.]", kGerman, SkipReason::Empty},
        Skip{"RemarkThatStoodForTheObject", "in (einen Ort) eintreten", kGerman,
             SkipReason::LostObject},
        Skip{"OnlyPlaceholders", "jdn./etw.", kGerman, SkipReason::Empty},
        Skip{"ConjunctionBetweenRemarks", "(Anthelia spp.) oder (Cespitularia spp.)", kGerman,
             SkipReason::Empty},
        Skip{"UnclosedBracket", "Haus (alt", kGerman, SkipReason::Malformed},
        Skip{"StrayClosingBracket", "Haus) alt", kGerman, SkipReason::Malformed},
        Skip{"ExclamationSentence", "Geh auf dein Zimmer!", kGerman, SkipReason::Sentence},
        Skip{"StatementWithFullStop", "I go home.", kEnglish, SkipReason::Sentence},
        Skip{"ExclamationOfFourWords", "Das ist aber schade!", kGerman, SkipReason::Sentence},
        Skip{"DoubleExclamation", "Hilfe!!", kGerman, SkipReason::Sentence},
        Skip{"UnclosedAbbreviation", "Prozent / %", kGerman, SkipReason::Slash},
        Skip{"Clause", "die Frau, der das Lokal geh\xC3\xB6rt", kGerman, SkipReason::Sentence},
        Skip{"SlashInAWordAlone", "he/she", kEnglish, SkipReason::Slash},
        Skip{"SlashInsideAWord", "welche/r/s", kGerman, SkipReason::Slash},
        Skip{"SlashBeforeAnEndingInAPhrase", "jede/r von uns", kGerman, SkipReason::Slash},
        Skip{"SlashBetweenUnits", "50 km/h", kGerman, SkipReason::Slash},
        Skip{"SlashBetweenFigures", "open 24/7", kEnglish, SkipReason::Slash},
        Skip{"SlashBetweenAbbreviations", "TCP/IP protocol", kEnglish, SkipReason::Slash},
        Skip{"ThreeDots", "in four days ...", kEnglish, SkipReason::Ellipsis},
        Skip{"EllipsisCharacter", "abgek\xC3\xBCrzt \xE2\x80\xA6", kGerman, SkipReason::Ellipsis},
        Skip{"GreekLetter", "\xCE\xB1-Teilchen", kGerman, SkipReason::NotWindows1252},
        Skip{"EnglishBeyondThirtyBytes", "abcdefghijklmnopqrstuvwxyz abcd", kEnglish,
             SkipReason::TooLong},
        Skip{"KeptPlaceholdersCountTowardsTheLimit", "to give sth. back to sb. in return", kEnglish,
             SkipReason::TooLong},
        Skip{"SentenceEndingInAnAbbreviation", "It happened in the U.S.", kEnglish,
             SkipReason::Sentence}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Cleaning, EnglishLimitIsWhatTheFrontCodingCanReach)
{
    const std::string thirty(30, 'x');
    EXPECT_FALSE(cleanHeadword(thirty, kEnglish, false).skipped);
    EXPECT_TRUE(cleanHeadword(thirty + "x", kEnglish, false).skipped);
    EXPECT_FALSE(cleanHeadword(thirty + "x", kGerman, false).skipped);
    EXPECT_FALSE(cleanHeadword(std::string(270, 'x'), kGerman, false).skipped);
    EXPECT_TRUE(cleanHeadword(std::string(271, 'x'), kGerman, false).skipped);
}

using Parts = std::vector<std::string_view>;

TEST(RunTogether, ExclamationsOneAfterTheOther)
{
    EXPECT_EQ(separateAlternatives("Thank you! Thanks!", kEnglish),
              (Parts{"Thank you!", "Thanks!"}));
    EXPECT_EQ(separateAlternatives("Hilfe! Feuer! {interj}", kGerman),
              (Parts{"Hilfe!", "Feuer! {interj}"}));
    // Only where the whole is exclamations.
    EXPECT_EQ(separateAlternatives("Stop! You are hurting me.", kEnglish),
              (Parts{"Stop! You are hurting me."}));
    EXPECT_EQ(separateAlternatives("Pass auf! (Warnung) ruft er", kGerman),
              (Parts{"Pass auf! (Warnung) ruft er"}));
}

TEST(RunTogether, ShortEnglishPhrasesPartedByCommas)
{
    EXPECT_EQ(separateAlternatives("at a/the minimum, at least", kEnglish),
              (Parts{"at a/the minimum", "at least"}));
    EXPECT_EQ(
        separateAlternatives("wild strawberry, woodland strawberry, Alpine strawberry", kEnglish),
        (Parts{"wild strawberry", "woodland strawberry", "Alpine strawberry"}));
    EXPECT_EQ(separateAlternatives("no less than, not less than [formal]", kEnglish),
              (Parts{"no less than", "not less than [formal]"}));
}

TEST(RunTogether, CommasThatPartNoAlternatives)
{
    auto alone = [](std::string_view text, Language language) {
        return separateAlternatives(text, language) == Parts{text};
    };
    EXPECT_TRUE(alone("die Frau, der das Lokal geh\xC3\xB6rt", kGerman)); // a German clause
    EXPECT_TRUE(alone("bei, mit", kGerman));
    EXPECT_TRUE(alone("David, the slayer of Goliath", kEnglish)); // an apposition
    EXPECT_TRUE(alone("small, round cakes", kEnglish));           // a list of adjectives
    EXPECT_TRUE(alone("If so, we go.", kEnglish));                // a sentence
    EXPECT_TRUE(alone("Well, well, what a surprise!", kEnglish));
    EXPECT_TRUE(alone("lead (in, on sth.) role", kEnglish)); // inside a remark
    EXPECT_TRUE(alone("house", kEnglish));
    EXPECT_TRUE(alone("", kEnglish));
}

TEST(GermanVerbs, MarkerOrInfinitive)
{
    auto verb = [](const char* alternative) {
        return isGermanVerb(alternative, cleanHeadword(alternative, kGerman, false));
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
