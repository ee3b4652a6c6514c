// The desktop's search with forms files beside the vocabulary: a form lists its bases
// first, above the text's own headword, and without a usable forms file the search
// answers as before.
#include "dictionary/Windows1252.h"
#include "forms/FormsFile.h"
#include "search/SearchService.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

class NoLauncher : public WindowLauncher {
public:
    void open(Direction, const QString&) override {}
};

class SearchForms : public ::testing::Test {
protected:
    SearchForms()
    {
        // German 0 gehen, 1 ging, 2 Haus, 3 Haushalt; English 0 go, 1 house, 2 went.
        test::GeneratedDictionary d;
        d.english = {{"go", {0}}, {"house", {2}}, {"went", {1}}};
        d.german = {{"gehen", 0}, {"ging", 2}, {"Haus", 1}, {"Haushalt", 1}};
        test::encode(d);
        test::writeFile(dir.path() / "engdeu.dat", d.engdeu);
        test::writeFile(dir.path() / "deueng.dat", d.deueng);
        store.loadEnglish(d.engdeu);
        store.loadGerman(d.deueng);
        const std::string_view german[] = {"gehen", "ging", "Haus", "Haushalt"};
        test::writeFile(dir.path() / "deuforms.dat",
                        encodeForms(headwordListHash(german),
                                    std::vector<FormEntry>{{"H\xE4usern", {2}}, {"ging", {0}}}));
    }
    QStringList headwords(const QString& text)
    {
        QStringList out;
        for (const SearchHit& hit : service.find(text, SearchService::kGnomeLimit))
            out << hit.headword;
        return out;
    }

    test::TempDir dir;
    DictionaryStore store;
    NoLauncher launcher;
    SearchService service{store, launcher};
};

TEST_F(SearchForms, AFormListsItsBaseFirst)
{
    std::vector<std::string> reports;
    StoreForms forms(store, dir.path(), [&](std::string_view file, std::string_view problem) {
        reports.push_back(std::string(file) + ": " + std::string(problem));
    });
    service.setForms(&forms);
    EXPECT_EQ(headwords(QStringLiteral("Häusern")), QStringList{"Haus"});
    // "ging" is a headword and a form: the base first, then the word itself, once.
    EXPECT_EQ(headwords(QStringLiteral("ging")), (QStringList{"gehen", "ging"}));
    const auto hits = service.find(QStringLiteral("ging"), SearchService::kKRunnerLimit);
    ASSERT_EQ(hits.size(), 2);
    EXPECT_GT(hits[0].relevance, hits[1].relevance); // KRunner sorts by it
    // A regular form the rules find, in English where there is no forms file.
    EXPECT_EQ(headwords(QStringLiteral("houses")), QStringList{"house"});
    EXPECT_EQ(headwords(QStringLiteral("Haus")), (QStringList{"Haus", "Haushalt"}));
    EXPECT_EQ(reports, std::vector<std::string>{"engforms.dat: cannot be opened"});
}

TEST_F(SearchForms, WithoutFormsTheSearchIsAsBefore)
{
    EXPECT_EQ(headwords(QStringLiteral("ging")), QStringList{"ging"});
    EXPECT_EQ(headwords(QStringLiteral("Häusern")), QStringList{});

    test::writeFile(dir.path() / "deuforms.dat", std::string_view("WBF1 broken"));
    StoreForms forms(store, dir.path());
    service.setForms(&forms);
    EXPECT_EQ(headwords(QStringLiteral("ging")), QStringList{"ging"});
    // The rules need no file.
    EXPECT_EQ(headwords(QStringLiteral("Hauses")), QStringList{"Haus"});
}

} // namespace
} // namespace wb
