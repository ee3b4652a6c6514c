// Compiling word lists end to end: what is written must decode to a consistent,
// ordered vocabulary whose choices follow the list.
#include "dictionary/DictionaryCheck.h"
#include "dictionary/Search.h"
#include "tests/vocab/VocabularyTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace wb::test {
namespace {

using vocab::SourceFormat;
using Words = std::vector<std::string>;

// A small list in the ding notation with the usual clutter.
const char* const kDing =
    "# Version :: devel\n"
    "Haus {n} | H\xC3\xA4user {pl} | ein Haus bauen :: house | houses | to build a house\n"
    "Haus {n}; Zuhause {n} | nach Hause gehen :: home | to go home\n"
    "gehen {vi} | gehend | gegangen :: to go {went; gone} | going | gone\n"
    "Zug {m} (beim Rauchen) :: pull; puff\n"
    "Schleppe {f} (Kleid) :: train\n"
    "Zug {m} (Bahn) | Z\xC3\xBCge {pl} | mit dem Zug fahren | den Zug verpassen :: train | "
    "trains | to go by train | to miss the train\n"
    "Geb\xC3\xA4ude {n}; Haus {n} :: building\n"
    "\xC3\x9C"
    "bersee {f} :: overseas\n"
    "\xC3\xBC"
    "ber {prp} :: over; above; across\n"
    "Aal {m} | Aal (auf der Speisekarte) :: eel | Eel\n"
    "er/sie geht | er/sie ist/war gegangen :: he/she goes | he/she has/had gone\n"
    "Ich gehe nach Hause. :: I go home.\n";

bool wellFormed(const CompiledVocabulary& compiled)
{
    return checkDictionaryFiles(compiled.deueng, compiled.engdeu).wellFormed();
}

bool inOrder(const Words& words)
{
    return std::is_sorted(
        words.begin(), words.end(), [](const std::string& a, const std::string& b) {
            return std::pair(asciiUpperCase(a), a) < std::pair(asciiUpperCase(b), b);
        });
}

TEST(CompileDing, RoundTripsThroughTheReader)
{
    const auto compiled = compileText(kDing, SourceFormat::Ding);
    ASSERT_TRUE(wellFormed(compiled));
    const DecodedVocabulary& v = compiled.decoded;
    EXPECT_EQ(v.translationsOf("house").front(), "Haus");
    EXPECT_EQ(v.translationOf("Haus"), "house");
    EXPECT_EQ(v.translationsOf("go"), Words{"gehen"}); // the infinitive "to " is gone
    EXPECT_EQ(v.translationOf("\xFC"
                              "ber"),
              "over");
    EXPECT_EQ(compiled.summary.english.chosen, v.english.size());
    EXPECT_EQ(compiled.summary.german.chosen, v.german.size());
    EXPECT_EQ(compiled.summary.ignoredLines, 1u);
    for (const auto& headword : v.english)
        EXPECT_EQ(headword.find_first_of("{}[]()/!?"), std::string::npos) << headword;
}

TEST(CompileDing, FilesAreInDictionaryOrder)
{
    const auto v = compileText(kDing, SourceFormat::Ding).decoded;
    EXPECT_TRUE(inOrder(v.english));
    EXPECT_TRUE(inOrder(v.german));
    // Words that differ only in case both stay, upper case first.
    const auto eel = std::find(v.english.begin(), v.english.end(), "Eel");
    ASSERT_NE(eel, v.english.end());
    EXPECT_EQ(*std::next(eel), "eel");
}

TEST(CompileDing, SkippedAlternativesAreCountedByReason)
{
    const auto summary = compileText(kDing, SourceFormat::Ding).summary;
    using vocab::SkipReason;
    EXPECT_EQ(summary.english.skippedAlternatives[std::size_t(SkipReason::Slash)], 1u);
    EXPECT_EQ(summary.german.skippedAlternatives[std::size_t(SkipReason::Slash)], 1u);
    EXPECT_EQ(summary.english.skippedAlternatives[std::size_t(SkipReason::Sentence)], 1u);
    EXPECT_EQ(summary.german.skippedAlternatives[std::size_t(SkipReason::Sentence)], 1u);
}

TEST(Translations, ALineFullOfTheWordIsItsPrincipalSense)
{
    const auto v = compileText(kDing, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationOf("Zug"), "train");
    EXPECT_EQ(v.translationsOf("train").front(), "Zug");
}

TEST(Translations, OccurringTogetherMoreOftenBeatsBeingListedFirst)
{
    const auto v =
        compileText("Geb\xC3\xA4ude; Haus :: building\nHaus :: building\n", SourceFormat::Ding)
            .decoded;
    EXPECT_EQ(v.translationsOf("building"), (Words{"Haus", "Geb\xE4ude"}));
}

TEST(Translations, TheCommonWordBeforeTheOneThatMeansOnlyThis)
{
    // "Jagdhund" means a hound and nothing else, "Jäger" a hound only as a keen
    // collector; but a reader who looks up "hound" meets "Jäger" far more often.
    const char* list = "J\xC3\xA4ger {m} (Sammler) :: hound\n"
                       "J\xC3\xA4ger {m} | J\xC3\xA4ger {pl} :: hunter | hunters\n"
                       "Jagdhund {m} | Jagdhunde {pl} :: hunting dog; hunter; hound | "
                       "hunting dogs; hunters; hounds\n";
    const auto v = compileText(list, SourceFormat::Ding, kMaxRecords,
                               "hunter\t20\nhound\t5\nhunting\t10\ndog\t100\n",
                               "J\xC3\xA4ger\t20\nJagdhund\t1\n")
                       .decoded;
    EXPECT_EQ(v.translationsOf("hound"), (Words{"J\xE4ger", "Jagdhund"}));
    EXPECT_EQ(v.translationsOf("hunter").front(), "J\xE4ger");
    EXPECT_EQ(v.translationOf("J\xE4ger"), "hunter");

    // A "Gründer" is first a founder, though the one line of its own makes it a
    // floater: "founder" is the commoner word.
    const char* founder = "Gr\xC3\xBCnder {m} :: floater\n"
                          "Begr\xC3\xBCnder {m}; Gr\xC3\xBCnder {m} :: founder\n"
                          "Schwimmer {m} :: floater\n";
    const auto w = compileText(founder, SourceFormat::Ding, kMaxRecords,
                               "founder\t20\nfloater\t1\n", "Schwimmer\t10\n")
                       .decoded;
    EXPECT_EQ(w.translationOf("Gr\xFCnder"), "founder");
}

TEST(Translations, ANounMadeOfAWordSharesItsSenses)
{
    // "das Blau" is the colour blue and nothing else, yet what "blue" means first is
    // the adjective, which the list names more often.
    const char* colours = "Blau {n} (Farbe) :: blue\n"
                          "blau {adj} :: blue\n"
                          "blau {adj} (betrunken) :: drunk\n";
    EXPECT_EQ(compileText(colours, SourceFormat::Ding).decoded.translationsOf("blue"),
              (Words{"blau", "Blau"}));
    // A masculine or feminine noun is a word of its own ("der Komplex"): it comes
    // first where it is the commoner.
    const char* complex = "Komplex {m} :: complex\n"
                          "komplex {adj} :: complex\n"
                          "komplex {adj} :: complicated\n";
    EXPECT_EQ(compileText(complex, SourceFormat::Ding, kMaxRecords, "", "Komplex\t50\nkomplex\t5\n")
                  .decoded.translationsOf("complex")
                  .front(),
              "Komplex");
    // The word keeps what it shares with the headword on its own: the noun's other
    // senses do not move it behind a third word.
    const char* shake = "sch\xC3\xBCtteln {vt} :: to shake\n"
                        "Sch\xC3\xBCtteln {n} :: shake\n"
                        "Sch\xC3\xBCtteln {n} :: jolting\n"
                        "Sch\xC3\xBCtteln {n} :: vibration\n"
                        "Augenblick {m} :: shake; moment\n"
                        "Augenblick {m} :: instant\n";
    EXPECT_EQ(compileText(shake, SourceFormat::Ding).decoded.translationsOf("shake").front(),
              "sch\xFCtteln");
}

TEST(Translations, EqualFitsKeepTheListedOrder)
{
    const char* forward = "der {art} :: the\ndie {art} :: the\ndas {art} :: the\n";
    const char* backward = "das {art} :: the\ndie {art} :: the\nder {art} :: the\n";
    EXPECT_EQ(compileText(forward, SourceFormat::Ding).decoded.translationsOf("the"),
              (Words{"der", "die", "das"}));
    EXPECT_EQ(compileText(backward, SourceFormat::Ding).decoded.translationsOf("the"),
              (Words{"das", "die", "der"}));
}

TEST(Translations, AtMostThreeDistinct)
{
    const auto v = compileText("go\tfahren\ngo\tlaufen\ngo\treisen\ngo\tziehen\n"
                               "go\tgehen\ngo\tgehen\n",
                               SourceFormat::Tsv)
                       .decoded;
    const auto translations = v.translationsOf("go");
    ASSERT_EQ(translations.size(), 3u);
    EXPECT_EQ(translations.front(), "gehen");
    EXPECT_EQ(std::set(translations.begin(), translations.end()).size(), 3u);
}

// English word i has German partner i and occurs on `weight(i)` lines; no other pairs.
std::string disjointPairs(int count, int (*weight)(int))
{
    std::string text;
    for (int i = 0; i < count; ++i)
        for (int n = weight(i); n > 0; --n)
            text += "en" + std::to_string(i) + "\tde" + std::to_string(i) + "\n";
    return text;
}

TEST(Selection, KeepsTheMostCommonPairs)
{
    const auto compiled =
        compileText(disjointPairs(30, [](int i) { return 1 + i % 7; }), SourceFormat::Tsv, 12);
    ASSERT_TRUE(wellFormed(compiled));
    const auto& v = compiled.decoded;
    ASSERT_EQ(v.english.size(), 12u);
    ASSERT_EQ(v.german.size(), 12u);
    // The weights 7, 6 fill 4 + 4 places; the remaining 4 go to words of weight 5.
    for (const auto& headword : v.english) {
        const int i = std::stoi(headword.substr(2));
        EXPECT_GE(1 + i % 7, 5) << headword;
    }
    EXPECT_EQ(compiled.summary.english.rankedOut, 18u);
}

// "Hund" fills many lines of the list, "Nichte" one; with counts from real text the
// place goes to the word people use, and the summary says what ranked each.
TEST(Selection, FrequenciesFromTextOutrankMentions)
{
    const char* const list = "Hund {m} | Hunde {pl} | ein Hund bellt | Hund und Katze :: hound | "
                             "hounds | a hound barks | hound and cat\n"
                             "jdn. hetzen :: to hound sb.\n"
                             "Nichte {f} :: niece\n"
                             "Bahnsteig {m} :: platform\n";
    const auto byMentions = compileText(list, SourceFormat::Ding, 2).decoded;
    EXPECT_TRUE(byMentions.translationsOf("niece").empty());

    const auto compiled =
        compileText(list, SourceFormat::Ding, 2, "niece\t500\nplatform\t300\nhound\t20\n");
    const auto& v = compiled.decoded;
    EXPECT_EQ(v.english, (Words{"niece", "platform"}));
    // No German counts: the German words take the frequency of their translation.
    EXPECT_EQ(v.german, (Words{"Bahnsteig", "Nichte"}));
    using vocab::RankSource;
    EXPECT_EQ(compiled.summary.english.rankedBy[std::size_t(RankSource::Frequencies)], 2u);
    EXPECT_EQ(compiled.summary.german.rankedBy[std::size_t(RankSource::OtherLanguage)], 2u);

    // A word the list lacks falls back on its mentions, below every counted one.
    const auto fallback =
        compileText(list, SourceFormat::Ding, 2, "niece\t500\n", "Nichte\t9\nes\t100000\n").decoded;
    // "hound" (two lines) beats "platform" (one).
    EXPECT_EQ(fallback.english, (Words{"hound", "niece"}));
}

TEST(Selection, GreetingsAreHeadwordsWithoutTheirMark)
{
    const auto v = compileText("Hallo!; Servus! {interj} | Hallo, ihr alle da hinten! :: "
                               "Hello!; Hi! | Hello to all of you at the back!\n",
                               SourceFormat::Ding)
                       .decoded;
    EXPECT_EQ(v.english, (Words{"Hello", "Hi"}));
    EXPECT_EQ(v.german, (Words{"Hallo", "Servus"}));
    EXPECT_EQ(v.translationOf("Servus"), "Hello");
}

TEST(Selection, TiesDoNotFavourTheAlphabet)
{
    const auto v =
        compileText(disjointPairs(26, [](int) { return 1; }), SourceFormat::Tsv, 13).decoded;
    Words all;
    for (int i = 0; i < 26; ++i)
        all.push_back("en" + std::to_string(i));
    std::sort(all.begin(), all.end());
    ASSERT_EQ(v.english.size(), 13u);
    EXPECT_NE(v.english, Words(all.begin(), all.begin() + 13));
    EXPECT_NE(v.english, Words(all.begin() + 13, all.end()));
}

TEST(Selection, UnencodableHeadwordsAreReplaced)
{
    // The longest word cannot follow any other (no shared prefix); the next one takes
    // its place, and its partner goes for lack of a translation.
    const std::string text = disjointPairs(4, [](int i) { return 1 + i; }) +
                             "abcdefghijklmnopqrst\tLang\nabcdefghijklmnopqrst\tLang\n"
                             "abcdefghijklmnopqrst\tLang\nabcdefghijklmnopqrst\tLang\n"
                             "abcdefghijklmnopqrst\tLang\n";
    const auto compiled = compileText(text, SourceFormat::Tsv, 3);
    ASSERT_TRUE(wellFormed(compiled));
    EXPECT_EQ(compiled.decoded.english, (Words{"en1", "en2", "en3"}));
    EXPECT_EQ(compiled.summary.english.cannotBeEncoded, 1u);
    EXPECT_EQ(compiled.decoded.translationOf("Lang"), "");
}

TEST(Selection, RandomListsGiveConsistentFiles)
{
    // Many-to-many pairs over few words force every kind of drop and refill.
    for (std::uint32_t seed = 1; seed <= 6; ++seed) {
        std::mt19937 rng(seed);
        std::uniform_int_distribution<int> english(0, 59), german(0, 79);
        std::set<std::pair<std::string, std::string>> pairs;
        std::string text;
        for (int line = 0; line < 300; ++line) {
            const auto e = "e" + std::to_string(english(rng) * english(rng) / 60);
            const auto g = "g" + std::to_string(german(rng));
            pairs.insert({e, g});
            text += e + '\t' + g + '\n';
        }
        const std::size_t max = 5 + seed * 7;
        const auto compiled = compileText(text, SourceFormat::Tsv, max);
        SCOPED_TRACE("seed " + std::to_string(seed));
        ASSERT_TRUE(wellFormed(compiled));
        const auto& v = compiled.decoded;
        EXPECT_LE(v.english.size(), max);
        EXPECT_LE(v.german.size(), max);
        EXPECT_GT(v.german.size(), max / 2);
        for (std::size_t i = 0; i < v.english.size(); ++i)
            for (const auto& g : v.germanOf[i])
                EXPECT_TRUE(pairs.count({v.english[i], g})) << v.english[i] << " " << g;
        for (std::size_t i = 0; i < v.german.size(); ++i)
            EXPECT_TRUE(pairs.count({v.englishOf[i], v.german[i]})) << v.german[i];
    }
}

// A verb with its conjugation, one with braces only, "to be" adjectives, and a phrase
// with a placeholder inside.
const char* const kDerived =
    "gehen {vi} | gehend | gegangen | er/sie geht | ich/er/sie ging | wir/sie gingen | "
    "er/sie ist/war gegangen | ich/er/sie ginge :: to go {went; gone} | going | gone | "
    "he/she goes | I/he/she went | we/they went | he/she has/had gone | I/he/she would go\n"
    "beginnen; anfangen {vi} | beginnend; anfangend | begonnen; angefangen :: "
    "to begin {began; begun}; to start | beginning; starting | begun; started\n"
    "vor jdm./etw. Angst haben; Furcht haben {v} :: to be afraid; to be frightened\n"
    "sich \xC3\xA4ngstigen {vr} | sich \xC3\xA4ngstigend | sich ge\xC3\xA4ngstigt :: "
    "to be afraid; to be alarmed | being afraid; being alarmed | been afraid; been alarmed\n"
    "betr\xC3\xBC"
    "bt {adj} :: sorry\n"
    "jdm. leidtun {vi} :: to be sorry\n"
    "auf etw. setzen {vt} :: to bet on sth.\n"
    "setzen {vt} :: to set\n";

TEST(DerivedHeadwords, VerbFormsTranslateThePairedForm)
{
    const auto compiled = compileText(kDerived, SourceFormat::Ding);
    ASSERT_TRUE(wellFormed(compiled));
    const auto& v = compiled.decoded;
    // The paired forms first, the verb itself only for want of more.
    EXPECT_EQ(v.translationsOf("went"), (Words{"ging", "gingen", "gehen"}));
    EXPECT_EQ(v.translationsOf("goes"), Words{"geht"});
    EXPECT_EQ(v.translationOf("ging"), "went");
    EXPECT_EQ(v.translationOf("geht"), "goes");
    EXPECT_EQ(v.translationOf("gegangen"), "gone");
    for (const char* absent :
         {"has/had gone", "had gone", "would go", "ginge", "ist/war gegangen"}) {
        EXPECT_EQ(v.translationsOf(absent), Words{}) << absent;
        EXPECT_EQ(v.translationOf(absent), "") << absent;
    }
    using vocab::SkipReason;
    EXPECT_EQ(compiled.summary.english.skippedAlternatives[std::size_t(SkipReason::Conditional)],
              1u);
    EXPECT_EQ(compiled.summary.german.skippedAlternatives[std::size_t(SkipReason::Conditional)],
              1u);
}

TEST(DerivedHeadwords, FormsInBracesFallBackOnTheirVerb)
{
    const auto v = compileText(kDerived, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationsOf("began"), (Words{"beginnen", "anfangen"}));
    // The verb keeps its own translation: "beginnen" is not "began".
    EXPECT_EQ(v.translationOf("beginnen"), "begin");
    EXPECT_EQ(v.translationsOf("begun").front(), "begonnen");
}

TEST(DerivedHeadwords, ToBeGivesTheAdjectiveTheGermanSide)
{
    const auto v = compileText(kDerived, SourceFormat::Ding).decoded;
    // Both lines give "to be afraid" first; the one that conjugates it says no more.
    EXPECT_EQ(v.translationsOf("afraid"),
              (Words{"vor jdm./etw. Angst haben", "\xE4ngstigen (sich)", "Furcht haben"}));
    EXPECT_EQ(v.translationOf("vor jdm./etw. Angst haben"), "be afraid");
    // "sorry" is a headword of its own; "to be sorry" adds nothing to it.
    EXPECT_EQ(v.translationsOf("sorry"), Words{"betr\xFC"
                                               "bt"});
}

TEST(DerivedHeadwords, PlaceholdersInsideStayAndTheVerbKeepsItsOwnPlace)
{
    const auto v = compileText(kDerived, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationOf("auf etw. setzen"), "bet on");
    EXPECT_EQ(v.translationOf("setzen"), "set");
    EXPECT_EQ(std::count(v.german.begin(), v.german.end(), "auf setzen"), 0);
}

TEST(DerivedHeadwords, TheSummaryCountsThemByKind)
{
    const auto summary = compileText(kDerived, SourceFormat::Ding).summary;
    using vocab::Origin;
    using Counts = std::pair<std::size_t, std::size_t>; // candidates, chosen
    const auto count = [](const vocab::LanguageSummary& s, Origin origin) {
        return Counts(s.derivedCandidates[std::size_t(origin)],
                      s.derivedChosen[std::size_t(origin)]);
    };
    // "went" is paired in a sub-entry as well as in braces; it counts once, as a form.
    EXPECT_EQ(count(summary.english, Origin::VerbForm), Counts(2, 2));
    EXPECT_EQ(count(summary.english, Origin::IrregularForm), Counts(1, 1));
    // afraid, frightened, alarmed
    EXPECT_EQ(count(summary.english, Origin::BeAdjective), Counts(3, 3));
    EXPECT_EQ(count(summary.german, Origin::VerbForm), Counts(3, 3));
    EXPECT_EQ(count(summary.german, Origin::BeAdjective), Counts(0, 0));
}

// Headwords the list hides in its notation: a verb only in phrases with an object, a
// noun only in the plural, a word whose own translation the list left empty, and
// alternatives run together with commas, exclamation marks and slashes.
const char* const kHidden =
    "von einer Sache abh\xC3\xA4ngen {vi} :: to depend on sth. (of a thing)\n"
    "sich auf jdn. verlassen {vr} :: to count on sb.\n"
    "z\xC3\xA4hlen {vt} :: to count\n"
    "Erdbeeren {pl} (Gattung) [bot.] :: strawberries (genus)\n"
    "H\xC3\xA4user {pl} :: houses\n"
    "Haus {n} :: house\n"
    "schade {adj} | Wie schade!; So ein Pech! ::  | What a pity/shame!; How sad!\n"
    "danke {interj} | Danke! :: thanks | Thank you! Thanks!\n"
    "Treiber {m} :: driver\n" // a prefix for the phrase to build on
    "Fahrer {m} :: driver of a/the vehicle\n"
    "mindestens {adv} :: at a/the minimum, at least\n"
    "Daten herunterladen {vt} :: to download data\n"
    "kultiviert sein {vi} :: to be cultured\n"
    "kultiviert {adj} :: cultivated\n"
    "nachsinnen {vi} (\xC3\xBC"
    "ber) :: to muse (on; upon)\n"
    "\xC3\xBC"
    "ber {prp} :: over; about\n"
    "keine; keiner {pron} <kein> :: no\n"
    "nein :: no\n";

TEST(HiddenHeadwords, AVerbOnlyInPhrasesTakesTheirGermanSide)
{
    const auto v = compileText(kHidden, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationsOf("depend"), Words{"von einer Sache abh\xE4ngen"});
    EXPECT_EQ(v.translationOf("von einer Sache abh\xE4ngen"), "depend on");
    // "count" has a translation of its own; "to count on sb." adds nothing to it.
    EXPECT_EQ(v.translationsOf("count"), Words{"z\xE4hlen"});
}

TEST(HiddenHeadwords, AGermanVerbOnlyWithItsObjectStandsAlone)
{
    const auto v = compileText(kHidden, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationOf("herunterladen"), "download data");
    EXPECT_EQ(v.translationsOf("download data"), (Words{"Daten herunterladen", "herunterladen"}));
}

TEST(HiddenHeadwords, AdjectivesOfToBeAndSeinTranslateEachOther)
{
    const auto v = compileText(kHidden, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationsOf("cultured"), (Words{"kultiviert sein", "kultiviert"}));
    // "kultiviert" has a translation of its own, which "to be cultured" leaves alone.
    EXPECT_EQ(v.translationOf("kultiviert"), "cultivated");
}

TEST(HiddenHeadwords, ANounOnlyInThePluralGetsItsSingular)
{
    const auto v = compileText(kHidden, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationsOf("strawberry"), Words{"Erdbeeren"});
    EXPECT_EQ(v.translationOf("Erdbeeren"), "strawberries");
    EXPECT_EQ(v.translationsOf("house"), Words{"Haus"});
}

TEST(HiddenHeadwords, AnEmptySideIsFilledFromThePhrasesAfterIt)
{
    const auto v = compileText(kHidden, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationOf("schade"), "What a pity");
    EXPECT_EQ(v.translationOf("So ein Pech"), "What a pity");
    const auto pity = v.translationsOf("What a pity");
    ASSERT_EQ(pity.size(), 3u);
    EXPECT_EQ(pity.back(), "schade"); // after the phrases that translate it directly
}

TEST(HiddenHeadwords, RunTogetherAlternativesComeApart)
{
    const auto v = compileText(kHidden, SourceFormat::Ding).decoded;
    // "Thanks!" and "Danke!" are the lower-case words the line also gives.
    EXPECT_EQ(v.translationsOf("thanks"), Words{"danke"});
    EXPECT_EQ(v.translationsOf("Thank you"), Words{"danke"});
    EXPECT_EQ(v.translationOf("Fahrer"), "driver of a vehicle");
    EXPECT_EQ(v.translationsOf("at least"), Words{"mindestens"});
    EXPECT_EQ(v.translationsOf("at a minimum"), Words{"mindestens"});
}

TEST(HiddenHeadwords, APrepositionInBracketsTakesTheOtherSidesOne)
{
    const auto v = compileText(kHidden, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationsOf("upon"), Words{"\xFC"
                                              "ber"});
    // "über" has translations of its own, which the brackets leave alone.
    EXPECT_EQ(v.translationOf("\xFC"
                              "ber"),
              "over");
    EXPECT_EQ(v.translationsOf("muse"), Words{"nachsinnen"});
}

TEST(HiddenHeadwords, ASearchWordInAngleBracketsTakesTheEntrysTranslation)
{
    const auto v = compileText(kHidden, SourceFormat::Ding).decoded;
    EXPECT_EQ(v.translationOf("kein"), "no");
    // The words the list pairs with it directly keep the places.
    EXPECT_EQ(v.translationsOf("no"), (Words{"keine", "nein", "keiner"}));
}

TEST(HiddenHeadwords, TheSummaryCountsThemByKind)
{
    const auto summary = compileText(kHidden, SourceFormat::Ding).summary;
    using vocab::Origin;
    EXPECT_EQ(summary.english.derivedCandidates[std::size_t(Origin::PhraseVerb)], 1u);
    EXPECT_EQ(summary.english.derivedCandidates[std::size_t(Origin::Singular)], 1u);
    EXPECT_EQ(summary.german.derivedCandidates[std::size_t(Origin::Phrases)], 1u);
    EXPECT_EQ(summary.german.derivedChosen[std::size_t(Origin::Phrases)], 1u);
    EXPECT_EQ(summary.german.derivedCandidates[std::size_t(Origin::PhraseVerb)], 1u);
    EXPECT_EQ(summary.english.derivedCandidates[std::size_t(Origin::BeAdjective)], 1u);
    EXPECT_EQ(summary.english.derivedCandidates[std::size_t(Origin::Preposition)], 2u);
    EXPECT_EQ(summary.german.derivedCandidates[std::size_t(Origin::SearchWord)], 1u);
}

// "overthrew" is rare in text, but a reader who meets it cannot look up "overthrow"
// without knowing it is its past.
TEST(Selection, AFormInBracesIsAsCommonAsItsVerb)
{
    const char* const list = "st\xC3\xBCrzen {vt} :: to overthrow {overthrew; overthrown}\n"
                             "Haus {n} :: house\n";
    const auto v =
        compileText(list, SourceFormat::Ding, 3, "overthrow\t50\noverthrew\t1\nhouse\t10\n")
            .decoded;
    EXPECT_EQ(v.english, (Words{"overthrew", "overthrow", "overthrown"}));
}

// "Geschwister" is what German says where English says "siblings" and "a sibling".
TEST(Selection, AGermanPluralCountsTheEnglishSingularToo)
{
    const char* const list = "Geschwister {pl} :: siblings\n"
                             "Nichte {f} :: niece\n"
                             "Kusine {f} :: niece\n";
    const auto v =
        compileText(list, SourceFormat::Ding, 2, "niece\t300\nsiblings\t120\nsibling\t100\n")
            .decoded;
    EXPECT_EQ(v.english, (Words{"niece", "siblings"}));
    // Half of niece's count for Nichte, a quarter for its synonym, half of both
    // numbers of "sibling" for Geschwister.
    EXPECT_EQ(v.german, (Words{"Geschwister", "Nichte"}));
}

TEST(Summary, CountsTheFrequentWordsLeftOut)
{
    const char* const list = "Haus {n} :: house\n"
                             "Hund {m} :: dog\n"
                             "Gutenacht\xE2\x80\xA6 :: goodnight\n";
    const auto compiled =
        compileText(list, SourceFormat::Ding, 2, "goodnight\t30\nhouse\t20\ndog\t10\n");
    EXPECT_EQ(compiled.decoded.english, Words{"house"});
    // "goodnight" has no translation, so no file could hold it.
    EXPECT_EQ(compiled.summary.english.frequentListed, 2u);
    EXPECT_EQ(compiled.summary.english.frequentLeftOut, 1u);
    // Without a German frequency list there is nothing to measure German by.
    EXPECT_EQ(compiled.summary.german.frequentListed, 0u);
}

TEST(DerivedHeadwords, CompeteForThePlacesByHowCommonTheyAre)
{
    // "goes" and "geht" occur only as forms, "go" and "gehen" as the entry's headwords.
    const char* list = "gehen {vi} | er/sie geht :: to go | he/she goes\n"
                       "Haus {n} :: house\n"
                       "Sie geht. :: She goes.\n";
    // Without frequency lists the headwords the entries give come first.
    const auto plain = compileText(list, SourceFormat::Ding, 2).decoded;
    EXPECT_EQ(plain.english, (Words{"go", "house"}));
    EXPECT_EQ(plain.german, (Words{"gehen", "Haus"}));
    // Counted more often than the verb, the forms take its place.
    const auto counted = compileText(list, SourceFormat::Ding, 2, "goes\t100\ngo\t10\nhouse\t50\n",
                                     "geht\t100\ngehen\t10\nHaus\t50\n")
                             .decoded;
    EXPECT_EQ(counted.english, (Words{"goes", "house"}));
    EXPECT_EQ(counted.german, (Words{"geht", "Haus"}));
}

// What the reader refuses before any parser sees it, and what it lets through.
TEST(SourceReading, ByteOrderMarkControlBytesAndLongLines)
{
    const std::string bom = "\xEF\xBB\xBF";
    for (const auto format : {SourceFormat::Tsv, SourceFormat::Ding}) {
        SCOPED_TRACE(format == SourceFormat::Tsv ? "tsv" : "ding");
        const auto pair = [format](const std::string& english, const std::string& german) {
            return format == SourceFormat::Tsv ? english + "\t" + german + "\n"
                                               : german + " :: " + english + "\n";
        };
        // The mark before the first entry is no part of it; a line over 64 KiB is
        // skipped whole, even with a newline only far past the bound.
        std::string text = bom + pair("house", "Haus") + pair("tree", "Baum");
        for (const char control : {'\0', '\x0B', '\x0C', '\r', '\x1B', '\x7F', '\n'})
            text += pair(std::string("ev") + control + "il", "B\xC3\xB6se");
        text += pair(std::string(vocab::kMaxLineBytes, 'x'), "Lang");
        text += pair("long", std::string(3 * vocab::kMaxLineBytes, 'y'));
        // A final CR is a line end, not a control byte; a tab is one only in ding.
        text += "box\tKiste\r\n";
        const auto compiled = compileText(text, format);
        EXPECT_EQ(compiled.decoded.translationsOf("house"), Words{"Haus"});
        EXPECT_EQ(compiled.decoded.translationsOf("tree"), Words{"Baum"});
        for (const auto& word : compiled.decoded.english)
            for (const char c : word)
                EXPECT_FALSE(static_cast<unsigned char>(c) < 0x20 || c == 0x7F) << word;
        EXPECT_EQ(compiled.summary.refused.tooLong, 2u);
        // "ev\nil" is two lines, "ev" and "il\tB\xC3\xB6se", neither with a control byte.
        EXPECT_EQ(compiled.summary.refused.controlCharacters,
                  format == SourceFormat::Tsv ? 6u : 7u);
        EXPECT_EQ(compiled.decoded.translationsOf("box").empty(), format == SourceFormat::Ding);
    }
    // A line just at the bound is kept.
    const auto atBound = compileText(std::string(vocab::kMaxLineBytes - 4, 'a') + "\tAbc\nb\tB\n",
                                     SourceFormat::Tsv);
    EXPECT_EQ(atBound.summary.refused.tooLong, 0u);
}

TEST(SourceReading, AnEndlessSourceIsRefused)
{
    // Like /dev/zero: no line end ever comes, and the reader must stop by itself.
    struct Endless : std::streambuf {
        std::vector<char> zeros = std::vector<char>(1 << 20, '\0');
        int_type underflow() override
        {
            setg(zeros.data(), zeros.data(), zeros.data() + zeros.size());
            return 0;
        }
    } endless;
    std::istream in(&endless);
    vocab::RefusedLines refused;
    EXPECT_THROW(vocab::readCandidates(in, SourceFormat::Tsv, refused), std::runtime_error);
}

TEST(Determinism, SameInputSameBytes)
{
    std::mt19937 rng(11);
    std::uniform_int_distribution<int> word(0, 399);
    std::string text;
    for (int line = 0; line < 2000; ++line)
        text += "w" + std::to_string(word(rng)) + "\tW" + std::to_string(word(rng)) + "\n";
    const auto first = compileText(text, SourceFormat::Tsv, 150);
    const auto second = compileText(text, SourceFormat::Tsv, 150);
    EXPECT_EQ(first.engdeu, second.engdeu);
    EXPECT_EQ(first.deueng, second.deueng);
    EXPECT_EQ(first.decoded.english.size(), 150u);
}

} // namespace
} // namespace wb::test
