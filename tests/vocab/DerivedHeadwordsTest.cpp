// Reading the notation that hides headwords inside other entries: pronouns before the
// forms of a verb, irregular forms in braces, "to be" before an adjective.
#include "vocabulary/DerivedHeadwords.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace wb::vocab {
namespace {

constexpr auto DE = Language::German;
constexpr auto EN = Language::English;
using Forms = std::vector<std::string_view>;

TEST(Pronouns, AreRemovedBeforeTheForm)
{
    EXPECT_EQ(withoutPronoun("I/he/she went", EN), "went");
    EXPECT_EQ(withoutPronoun("I/he/she/it ate", EN), "ate");
    EXPECT_EQ(withoutPronoun("he/she goes out", EN), "goes out");
    EXPECT_EQ(withoutPronoun("we/they went", EN), "went");
    EXPECT_EQ(withoutPronoun("ich/er/sie ging", DE), "ging");
    EXPECT_EQ(withoutPronoun("er/sie/es kommt", DE), "kommt");
    EXPECT_EQ(withoutPronoun("wir/sie gingen", DE), "gingen");
    // The slash of "has/had" is left for the compiler to refuse.
    EXPECT_EQ(withoutPronoun("he/she has/had gone", EN), "has/had gone");
}

TEST(Pronouns, OnlyTheGroupsOfTheSidesOwnLanguage)
{
    EXPECT_FALSE(withoutPronoun("ich/er/sie ging", EN));
    EXPECT_FALSE(withoutPronoun("he/she goes", DE));
    EXPECT_FALSE(withoutPronoun("I go home.", EN)); // a lone pronoun begins a sentence
    EXPECT_FALSE(withoutPronoun("he/she", EN));     // nothing after it
    EXPECT_FALSE(withoutPronoun("welche/r/s", DE));
    EXPECT_FALSE(withoutPronoun("ersie geht", DE));
}

TEST(Pronouns, ConditionalIsNoFormOfItsOwn)
{
    EXPECT_TRUE(isConditional("would go"));
    EXPECT_FALSE(isConditional("went"));
    EXPECT_FALSE(isConditional("wouldn't"));
}

TEST(IrregularForms, PastAndParticipleFromTheBraces)
{
    EXPECT_EQ(irregularForms("to go {went; gone}"), (Forms{"went", "gone"}));
    EXPECT_EQ(irregularForms("to know sth. {knew; known}"), (Forms{"knew", "known"}));
    EXPECT_EQ(irregularForms("to leave {left; left}"), (Forms{"left"}));
    EXPECT_EQ(irregularForms("to sink {sank, sunk; sunk}"), (Forms{"sank", "sunk"}));
    EXPECT_EQ(irregularForms("to get {got; got/gotten [Am.]}"), (Forms{"got", "gotten"}));
    EXPECT_EQ(irregularForms("to smell {smelled / smelt [Br.]; smelled / smelt [Br.]}"),
              (Forms{"smelled", "smelt"}));
}

TEST(IrregularForms, OutdatedFormsAndRemarksStayOut)
{
    EXPECT_EQ(irregularForms("to dare {dared, durst [obs.]; dared}"), (Forms{"dared"}));
    EXPECT_EQ(irregularForms("to swing {swung (swang [obs.]); swung}"), (Forms{"swung"}));
    EXPECT_EQ(irregularForms("to bore {bored; bored} (annoy)"), (Forms{"bored"}));
}

TEST(IrregularForms, OtherBracesHoldNone)
{
    EXPECT_TRUE(irregularForms("to walk").empty());
    EXPECT_TRUE(irregularForms("train {n}").empty());
    EXPECT_TRUE(irregularForms("to go (of a machine; of a clock)").empty());
    EXPECT_TRUE(irregularForms("to go {went; gone").empty());
}

TEST(BeAdjective, TheSingleWordAfterToBe)
{
    EXPECT_EQ(beComplement("to be afraid", "be afraid"), "afraid");
    EXPECT_EQ(beComplement("to be glad (of sth.)", "be glad"), "glad");
    EXPECT_EQ(beComplement("to be asleep", "to be asleep"), "asleep"); // no verb marker
    EXPECT_FALSE(beComplement("to be half asleep", "be half asleep"));
    EXPECT_FALSE(beComplement("to be afraid of sth.", "be afraid of"));
    EXPECT_FALSE(beComplement("to believe", "believe"));
    EXPECT_FALSE(beComplement("being afraid", "being afraid"));
    EXPECT_FALSE(beComplement("to be", "be"));
}

TEST(PhraseVerb, TheVerbBeforeAPrepositionAndItsObject)
{
    EXPECT_EQ(phraseVerb("to depend on sth. (of a thing)", "depend on"), "depend");
    EXPECT_EQ(phraseVerb("to depend on sb.", "depend on"), "depend");
    EXPECT_EQ(phraseVerb("to look after sb./sth.", "look after"), "look");
    EXPECT_FALSE(phraseVerb("to make sense", "make sense")); // no object: an idiom
    EXPECT_FALSE(phraseVerb("to entirely depend on sth.", "entirely depend on"));
    EXPECT_FALSE(phraseVerb("to remind sb. of sth.", "remind sb. of sth."));
    EXPECT_FALSE(phraseVerb("depend on sth.", "depend on")); // no infinitive
    EXPECT_FALSE(phraseVerb("to depend", "depend"));
}

TEST(PhraseVerb, TheGermanVerbAfterItsObjectNoun)
{
    EXPECT_EQ(germanPhraseVerb("Daten herunterladen"), "herunterladen");
    EXPECT_EQ(germanPhraseVerb("\xC4rger machen"), "machen");
    EXPECT_FALSE(germanPhraseVerb("herunterladen"));
    EXPECT_FALSE(germanPhraseVerb("nach Hause gehen"));   // three words
    EXPECT_FALSE(germanPhraseVerb("schnell laufen"));     // an adverb, no object
    EXPECT_FALSE(germanPhraseVerb("Daten Verarbeitung")); // no infinitive
    EXPECT_FALSE(germanPhraseVerb("Jahr 2000"));
    EXPECT_FALSE(germanPhraseVerb("Etw. tun"));
}

TEST(Preposition, EveryWordInTheClosingBracketsMustBeOne)
{
    using V = std::vector<std::string_view>;
    EXPECT_EQ(governedPrepositions("to prey (on; upon)", Language::English), (V{"on", "upon"}));
    EXPECT_EQ(governedPrepositions("Beute machen (auf)", Language::German), V{"auf"});
    EXPECT_EQ(governedPrepositions("nachdenken (\xC3\xBC"
                                   "ber)",
                                   Language::German),
              V{"\xC3\xBC"
                "ber"});
    EXPECT_TRUE(governedPrepositions("to prey (auf)", Language::English).empty());
    EXPECT_TRUE(governedPrepositions("policy (insurance business)", Language::English).empty());
    EXPECT_TRUE(governedPrepositions("to remark (on; later)", Language::English).empty());
    EXPECT_TRUE(governedPrepositions("(on) the way", Language::English).empty());
    EXPECT_TRUE(governedPrepositions("(on)", Language::English).empty());
}

TEST(SearchWord, TheSingleWordsInAngleBrackets)
{
    using V = std::vector<std::string_view>;
    EXPECT_EQ(searchWords("keines {pron} <kein>"), V{"kein"});
    EXPECT_EQ(searchWords("Kalmare {pl} <Kalmar> <Tintenfisch>"), (V{"Kalmar", "Tintenfisch"}));
    EXPECT_EQ(searchWords("voll {adj} <voller> <am vollsten>"), V{"voller"});
    EXPECT_EQ(searchWords("to deal {dealt} <delt; dealed>"), (V{"delt", "dealed"}));
    EXPECT_TRUE(searchWords("Haus {n}").empty());
    EXPECT_TRUE(searchWords("a < b").empty());
    EXPECT_TRUE(searchWords("<etw.> <>").empty());
}

TEST(Singular, OfARegularEnglishPlural)
{
    EXPECT_EQ(englishSingular("strawberries"), "strawberry");
    EXPECT_EQ(englishSingular("trees"), "tree");
    EXPECT_EQ(englishSingular("boxes"), "box");
    EXPECT_EQ(englishSingular("churches"), "church");
    EXPECT_EQ(englishSingular("houses"), "house");
    EXPECT_EQ(englishSingular("days"), "day");
    EXPECT_FALSE(englishSingular("glass"));
    EXPECT_FALSE(englishSingular("campus"));
    EXPECT_FALSE(englishSingular("analysis"));
    EXPECT_FALSE(englishSingular("bus"));
    EXPECT_FALSE(englishSingular("Wales")); // a name
    EXPECT_FALSE(englishSingular("wild strawberries"));
    EXPECT_FALSE(englishSingular("men"));
}

} // namespace
} // namespace wb::vocab
