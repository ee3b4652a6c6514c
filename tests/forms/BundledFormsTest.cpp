// The bundled vocabulary with its forms files, as a reader meets words in a text:
// irregular verbs of both languages, noun plurals and cases, adjective comparison,
// contractions and compounds find their headwords, and headwords stay themselves.
#include "dictionary/DictionaryStore.h"
#include "dictionary/Windows1252.h"
#include "forms/StoreForms.h"
#include "system/ErrorReporter.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

class FailOnError : public ErrorReporter {
public:
    void reportError(std::string_view message) override { ADD_FAILURE() << message; }
};

class BundledForms : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        FailOnError errors;
        s_store.OpenDistNow(WB_BUNDLED_DATA_DIR, errors);
        s_forms = std::make_unique<StoreForms>(s_store, WB_BUNDLED_DATA_DIR,
                                               [](std::string_view file, std::string_view problem) {
                                                   ADD_FAILURE() << file << ": " << problem;
                                               });
    }
    static void TearDownTestSuite() { s_forms.reset(); }

    // The headwords of the resolution, UTF-8; a compound's parts by their first spelling.
    static std::vector<std::string> resolved(Direction direction, const char* text)
    {
        const auto& words = direction == Direction::GermanToEnglish ? s_store.germanWords()
                                                                    : s_store.englishWords();
        const Resolution resolution = s_forms->resolver(direction).resolve(utf8ToWindows1252(text));
        std::vector<std::string> out;
        for (const auto& part : resolution.bases) {
            if (resolution.kind == ResolutionKind::Compound)
                out.push_back(windows1252ToUtf8(words[part.front()]));
            else
                for (const std::uint32_t index : part)
                    out.push_back(windows1252ToUtf8(words[index]));
        }
        return out;
    }
    // Whether `base` is among the headwords `text` is a form of, as the desktop's
    // search asks, which also hears of the bases of a form that is a headword itself
    // ("war", "gegangen" and "Männer" are headwords of the bundled vocabulary).
    static bool resolvesTo(Direction direction, const char* text, const char* base)
    {
        const auto& words = direction == Direction::GermanToEnglish ? s_store.germanWords()
                                                                    : s_store.englishWords();
        for (const std::uint32_t index :
             s_forms->resolver(direction).basesOf(utf8ToWindows1252(text)))
            if (windows1252ToUtf8(words[index]) == base)
                return true;
        return false;
    }
    static std::vector<std::string> basesOf(Direction direction, const char* text)
    {
        const auto& words = direction == Direction::GermanToEnglish ? s_store.germanWords()
                                                                    : s_store.englishWords();
        std::vector<std::string> out;
        for (const std::uint32_t index :
             s_forms->resolver(direction).basesOf(utf8ToWindows1252(text)))
            out.push_back(windows1252ToUtf8(words[index]));
        return out;
    }

    static inline DictionaryStore s_store;
    static inline std::unique_ptr<StoreForms> s_forms;
};

constexpr auto kGerman = Direction::GermanToEnglish;
constexpr auto kEnglish = Direction::EnglishToGerman;

TEST_F(BundledForms, GermanFormsFindTheirHeadwords)
{
    const std::pair<const char*, const char*> cases[] = {// verbs, irregular and separable
                                                         {"sind", "sein"},
                                                         {"bin", "sein"},
                                                         {"war", "sein"},
                                                         {"habt", "haben"},
                                                         {"werde", "werden"},
                                                         {"ginge", "gehen"},
                                                         {"gegangen", "gehen"},
                                                         {"kam", "kommen"},
                                                         {"fortzusetzen", "fortsetzen"},
                                                         {"nahm", "nehmen"},
                                                         {"sah", "sehen"},
                                                         // nouns
                                                         {"Häusern", "Haus"},
                                                         {"Kindern", "Kind"},
                                                         {"Städten", "Stadt"},
                                                         {"Hauses", "Haus"},
                                                         {"Männer", "Mann"},
                                                         {"Bäume", "Baum"},
                                                         // adjectives and their comparison
                                                         {"schönsten", "schön"},
                                                         {"kleinsten", "klein"},
                                                         {"kleineren", "klein"},
                                                         {"alten", "alt"},
                                                         // personal pronouns
                                                         {"ihnen", "sie"},
                                                         {"Ihnen", "Sie"},
                                                         // contractions
                                                         {"im", "in"},
                                                         {"vom", "von"},
                                                         {"ins", "in"}};
    for (const auto& [form, base] : cases)
        EXPECT_TRUE(resolvesTo(kGerman, form, base))
            << form << " -> " << testing::PrintToString(basesOf(kGerman, form));
    // A pronoun's case is no noun ending.
    EXPECT_FALSE(resolvesTo(kGerman, "ihnen", "ihn"));
}

TEST_F(BundledForms, AFormsFirstBaseIsTheWordAReaderMeans)
{
    const std::pair<const char*, const char*> cases[] = {
        // forms the tables give only in the old spelling ("mußt")
        {"musst", "müssen"},
        {"mussten", "musste"},
        {"wussten", "wusste"},
        // declined words go to the headword they decline before the one their table
        // lists them under ("erst" is "only", "sein" is "be")
        {"ersten", "erste"},
        {"nächsten", "nächste"},
        {"seinen", "seine"},
        {"ihren", "ihre"},
        // the short forms of adverbs, not "rau" (rough) or "drüben" (over there)
        {"raus", "heraus"},
        {"drüber", "darüber"}};
    for (const auto& [form, base] : cases) {
        const auto bases = basesOf(kGerman, form);
        EXPECT_TRUE(!bases.empty() && bases.front() == base)
            << form << " -> " << testing::PrintToString(bases);
    }
}

TEST_F(BundledForms, EnglishFormsFindTheirHeadwords)
{
    const std::pair<const char*, const char*> cases[] = {
        {"geese", "goose"}, {"crises", "crisis"}, {"cacti", "cactus"}, {"gone", "go"},
        {"taken", "take"},  {"stopped", "stop"},  {"bigger", "big"},   {"happiest", "happy"},
        {"running", "run"}, {"wolves", "wolf"}};
    for (const auto& [form, base] : cases)
        EXPECT_TRUE(resolvesTo(kEnglish, form, base))
            << form << " -> " << testing::PrintToString(basesOf(kEnglish, form));
}

TEST_F(BundledForms, CompoundsSplitIntoTheirParts)
{
    // "Dampfschiff" is a headword of the bundled vocabulary, and the split prefers it.
    EXPECT_EQ(resolved(kGerman, "Donaudampfschiffkapitän"),
              (std::vector<std::string>{"Donau", "Dampfschiff", "Kapitän"}));
    EXPECT_EQ(resolved(kGerman, "Zielgruppenanalyse"),
              (std::vector<std::string>{"Zielgruppe", "Analyse"}));
    EXPECT_EQ(resolved(kGerman, "Kindergartenplatz"),
              (std::vector<std::string>{"Kindergarten", "Platz"}));
}

TEST_F(BundledForms, HeadwordsAreNeverReplacedByABase)
{
    // "zum" and "beim" are headwords of their own here, as are many English forms.
    for (const char* word : {"ging", "Haushalt", "wegen", "Weg", "mit", "Kinder", "zum", "beim"})
        EXPECT_EQ(resolved(kGerman, word), std::vector<std::string>{}) << word;
    for (const char* word : {"went", "children", "better", "mice", "news", "studies"})
        EXPECT_EQ(resolved(kEnglish, word), std::vector<std::string>{}) << word;
}

} // namespace
} // namespace wb
