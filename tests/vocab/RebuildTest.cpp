// Rebuilds the bundled vocabulary from the installed word list and the committed
// frequency and form tables, as tools/rebuild-vocabulary.sh does, and holds the result to two
// things: it is byte for byte what data/ holds, so a rule changed without a rebuild
// fails here; and its scorecard meets the floors below.
#include "tests/support/TestSupport.h"
#include "tests/vocab/VocabularyTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <span>

namespace wb::test {
namespace {

const std::filesystem::path kWordList = "/usr/share/trans/de-en"; // Debian's trans-de-en
const std::filesystem::path kRoot = WB_SOURCE_DIR;

// Breadth: of a frequency list's words that the word list has as single words, the
// share the files hold, at a depth of the list.
struct BreadthFloor {
    std::size_t depth;
    double share;
};
constexpr BreadthFloor kEnglishBreadth[] = {{10000, 0.995}, {20000, 0.99}, {40000, 0.96}};
// The German subtitle list is measured at 10,000 and whole (about 22,000 words).
constexpr BreadthFloor kGermanBreadth[] = {{10000, 0.99}, {0, 0.96}};

// First translations right on the judged lists of tests/vocab/judged/. The word list
// lacks a fifth of the German judged words altogether (the compile prints how many),
// so these are the shares the rules reach today, held so that they only rise.
constexpr double kEnglishFirstRight = 0.856;
constexpr double kGermanFirstRight = 0.720;
// The same, counting what a reader who types a word that is no headword sees first:
// the headword it is but for its case, or a form's first base.
constexpr double kEnglishAsTyped = 0.857;
constexpr double kGermanAsTyped = 0.842;

vocab::CompileOptions rebuildOptions(const std::filesystem::path& out)
{
    vocab::CompileOptions options;
    options.source = kWordList;
    options.format = vocab::SourceFormat::Ding;
    options.outputDirectory = out;
    options.englishFrequencies = kRoot / "data/frequencies/en.tsv";
    options.germanFrequencies = kRoot / "data/frequencies/de.tsv";
    options.englishForms = kRoot / "data/forms/en.tsv";
    options.germanForms = kRoot / "data/forms/de.tsv";
    options.germanBreadth = kRoot / "data/frequencies/de-subtitles.tsv";
    options.englishJudged = kRoot / "tests/vocab/judged/en.tsv";
    options.germanJudged = kRoot / "tests/vocab/judged/de.tsv";
    return options;
}

void expectBreadth(const vocab::LanguageScorecard& card, std::span<const BreadthFloor> floors,
                   const char* language)
{
    for (const auto& floor : floors) {
        const auto depth = std::find_if(card.breadth.begin(), card.breadth.end(), [&](auto& d) {
            return floor.depth == 0 ? &d == &card.breadth.back() : d.depth == floor.depth;
        });
        ASSERT_NE(depth, card.breadth.end()) << language << " depth " << floor.depth;
        EXPECT_GE(depth->share(), floor.share) << language << " at " << depth->depth << ": "
                                               << depth->present << " of " << depth->inSource;
    }
}

TEST(Rebuild, GivesTheCommittedFilesAndMeetsTheFloors)
{
    ASSERT_TRUE(std::filesystem::exists(kWordList))
        << kWordList << " is missing: ./dev.sh installs trans-de-en";
    TempDir directory;
    const auto summary = vocab::compileVocabulary(rebuildOptions(directory.path()));

    for (const char* file : {"engdeu.dat", "deueng.dat", "engforms.dat", "deuforms.dat"})
        EXPECT_TRUE(readBytes(directory.path() / file) == readBytes(kRoot / "data" / file))
            << "data/" << file << " is not what the rules give: run tools/rebuild-vocabulary.sh";

    const auto& card = summary.scorecard;
    expectBreadth(card.english, kEnglishBreadth, "English");
    expectBreadth(card.german, kGermanBreadth, "German");
    EXPECT_EQ(card.german.forms.broken, 0u);
    EXPECT_EQ(card.german.forms.sich, 0u);
    ASSERT_TRUE(card.english.judged && card.german.judged);
    EXPECT_GE(card.english.judged->share(), kEnglishFirstRight);
    EXPECT_GE(card.german.judged->share(), kGermanFirstRight);
    EXPECT_GE(card.english.judged->asTypedShare(), kEnglishAsTyped);
    EXPECT_GE(card.german.judged->asTypedShare(), kGermanAsTyped);
}

} // namespace
} // namespace wb::test
