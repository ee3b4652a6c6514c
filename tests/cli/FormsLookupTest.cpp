// The command with forms files: compiled from a word list and form tables of our own,
// then looked up as a reader would, with texts as they stand in a sentence.
#include "forms/FormsFile.h"
#include "tests/cli/DictRun.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <map>
#include <unistd.h>

namespace wb {
namespace {

using test::dict;
using test::TempDir;

class FormsLookup : public testing::Test {
protected:
    void SetUp() override
    {
        test::writeFile(source.path() / "words.tsv",
                        "house\tHaus\nhouse\tGebäude\ngo\tgehen\nwent\tging\nway\tWeg\n"
                        "away\tweg\nmouse\tMaus\nsteam\tDampf\nship\tSchiff\n"
                        "captain\tKapitän\nhousehold\tHaushalt\nin\tin\n"
                        "highwayman\tWegelagerer\nimbiss\tImbiss\n");
        test::writeFile(source.path() / "de.tsv", "Haus\tHause Hauses Häuser Häusern\n"
                                                  "gehen\tgeh gehe geht ging gingen gegangen\n"
                                                  "Weg\tWege Wegen\nweg\tWegen\n");
        test::writeFile(source.path() / "en.tsv", "mouse\tmice\ngo\tgoes gone went\n");
        compile({"--forms", "de=" + (source.path() / "de.tsv").string(), "--forms",
                 "en=" + (source.path() / "en.tsv").string()});
    }
    test::ProcessResult compile(std::vector<std::string> extra)
    {
        std::vector<std::string> args = {"compile", "--tsv", (source.path() / "words.tsv").string(),
                                         "--out", data.path().string()};
        args.insert(args.end(), extra.begin(), extra.end());
        auto r = dict(args);
        EXPECT_EQ(r.exitCode, 0) << r.err;
        return r;
    }
    test::ProcessResult lookup(std::vector<std::string> args) const
    {
        args.insert(args.begin(), {"lookup", "--data", data.path().string()});
        return dict(args);
    }
    TempDir source, data;
};

TEST_F(FormsLookup, AFormShowsItsBaseWithANote)
{
    struct Case {
        std::vector<std::string> args;
        std::string out, err;
    };
    for (const Case& c : std::vector<Case>{
             {{"de", "Häusern"}, "Haus\thouse\n", "\"Häusern\" is a form of \"Haus\"\n"},
             {{"de", "gingen"}, "gehen\tgo\n", "\"gingen\" is a form of \"gehen\"\n"},
             {{"de", "Wegen"},
              "Weg\tway\nweg\taway\n",
              "\"Wegen\" is a form of \"Weg\", \"weg\"\n"},
             {{"de", "Dampfschiffkapitäns"},
              "Dampf\tsteam\nSchiff\tship\nKapitän\tcaptain\n",
              "\"Dampfschiffkapitäns\" is made of \"Dampf\", \"Schiff\", \"Kapitän\"\n"},
             {{"en", "mice"}, "mouse\tMaus\n", "\"mice\" is a form of \"mouse\"\n"},
             {{"en", "houses"}, "house\tHaus; Gebäude\n", "\"houses\" is a form of \"house\"\n"},
             // --exact compares the base, which is a headword.
             {{"--exact", "de", "Hauses"}, "Haus\thouse\n", "\"Hauses\" is a form of \"Haus\"\n"},
         }) {
        const auto r = lookup(c.args);
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, c.out) << testing::PrintToString(c.args);
        EXPECT_EQ(r.err, "woerterbuch-dict: " + c.err) << testing::PrintToString(c.args);
    }
}

TEST_F(FormsLookup, AFormGoesFirstToTheHeadwordAReaderMeans)
{
    // The table gives "erste" and "ersten" as forms of "erst", which means "only".
    test::writeFile(source.path() / "near.tsv", "only\terst\nfirst\terste\nbe\tsein\n"
                                                "his\tseine\ngo\tgehen\ncome on\tgeh\n"
                                                "have\thaben\npossessions\tHabe\n");
    test::writeFile(source.path() / "near-de.tsv",
                    "erst\terste ersten\nsein\tseine seinen\ngehen\tgeh gehe\nhaben\thabe\n");
    TempDir near;
    ASSERT_EQ(
        dict({"compile", "--tsv", (source.path() / "near.tsv").string(), "--out",
              near.path().string(), "--forms", "de=" + (source.path() / "near-de.tsv").string()})
            .exitCode,
        0);
    struct Case {
        std::string text, out, err;
    };
    for (const Case& c : std::vector<Case>{
             {"ersten", "erste\tfirst\nerst\tonly\n",
              "\"ersten\" is a form of \"erste\", \"erst\""},
             {"seinen", "seine\this\nsein\tbe\n", "\"seinen\" is a form of \"seine\", \"sein\""},
             // A headword shorter than the base is no nearer one.
             {"gehe", "gehen\tgo\n", "\"gehe\" is a form of \"gehen\""},
             // The table gives "habe" as written, so it is no mere "Habe" typed small.
             {"habe", "haben\thave\nHabe\tpossessions\n", "\"habe\" is a form of \"haben\""},
         }) {
        const auto r = dict({"lookup", "--data", near.path().string(), "--exact", "de", c.text});
        EXPECT_EQ(r.out, c.out) << c.text;
        EXPECT_EQ(r.err, "woerterbuch-dict: " + c.err + "\n") << c.text;
    }
    const auto habe = dict({"lookup", "--data", near.path().string(), "--exact", "de", "Habe"});
    EXPECT_EQ(habe.out, "Habe\tpossessions\n");
    EXPECT_EQ(habe.err, "");
}

TEST_F(FormsLookup, AHeadwordKeepsItsOwnRows)
{
    // "ging" and "went" are forms in the tables and headwords of their own.
    EXPECT_EQ(lookup({"--exact", "de", "ging"}).out, "ging\twent\n");
    EXPECT_EQ(lookup({"--exact", "en", "went"}).out, "went\tging\n");
    EXPECT_EQ(lookup({"--exact", "de", "Haushalt"}).out, "Haushalt\thousehold\n");
    // A prefix that matches keeps its rows, too.
    EXPECT_EQ(lookup({"de", "Hau"}).out, "Haus\thouse\nHaushalt\thousehold\n");
}

TEST_F(FormsLookup, AFormThatBeginsOtherWordsShowsItsBaseFirst)
{
    struct Case {
        std::string text, out, err;
    };
    for (const Case& c : std::vector<Case>{
             {"Wege", "Weg\tway\nWegelagerer\thighwayman\n", "\"Wege\" is a form of \"Weg\""},
             {"im", "in\tin\nImbiss\timbiss\n", "\"im\" is a form of \"in\""},
             // The base begins with the form: one row, not two.
             {"geh", "gehen\tgo\n", "\"geh\" is a form of \"gehen\""},
         }) {
        const auto r = lookup({"de", c.text});
        EXPECT_EQ(r.exitCode, 0);
        EXPECT_EQ(r.out, c.out) << c.text;
        EXPECT_EQ(r.err, "woerterbuch-dict: " + c.err + "\n") << c.text;
    }
    // Only the base row is marked.
    EXPECT_EQ(lookup({"--json", "de", "Wege"}).out,
              "[{\"headword\":\"Weg\",\"translations\":[\"way\"],\"form_of\":\"Wege\"},"
              "{\"headword\":\"Wegelagerer\",\"translations\":[\"highwayman\"]}]\n");
}

TEST_F(FormsLookup, JsonMarksRowsAndStatusCountsThem)
{
    auto r = lookup({"--json", "--status", "--quiet", "de", "Häusern", "Dampfschiff", "zzz"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out,
              "[{\"headword\":\"Haus\",\"translations\":[\"house\"],\"form_of\":\"Häusern\"}]\n"
              "[{\"headword\":\"Dampf\",\"translations\":[\"steam\"],\"part_of\":\"Dampfschiff\"},"
              "{\"headword\":\"Schiff\",\"translations\":[\"ship\"],\"part_of\":\"Dampfschiff\"}]\n"
              "[]\n");
    EXPECT_EQ(lookup({"--status", "de", "gegangen"}).exitCode, 0);
    EXPECT_EQ(lookup({"--status", "de", "zzz"}).exitCode, 1);
}

TEST_F(FormsLookup, BrokenOrForeignFormsFilesAreSaidOnceAndLeftAside)
{
    const auto forms = data.path() / "deuforms.dat";
    auto bytes = test::readAll(forms);
    bytes.resize(bytes.size() - 1);
    test::writeFile(forms, bytes);
    auto r = lookup({"de", "Häusern", "gingen", "Haus"});
    // The table is gone; the rules still find what regular endings give.
    EXPECT_EQ(r.out, "Haus\thouse\nging\twent\nHaus\thouse\nHaushalt\thousehold\n");
    EXPECT_EQ(r.err, "woerterbuch-dict: deuforms.dat: record 11 at byte 93: cut off in the "
                     "headword indices; looking up without its forms\n"
                     "woerterbuch-dict: \"Häusern\" is a form of \"Haus\"\n"
                     "woerterbuch-dict: \"gingen\" is a form of \"ging\"\n");
    auto check = dict({"check", "--data", data.path().string()});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_NE(check.out.find("deuforms.dat: record 11 at byte 93: cut off"), std::string::npos)
        << check.out;

    // Forms of another vocabulary would point at other words.
    test::writeFile(forms, encodeForms(1234, {}));
    r = lookup({"de", "zzz"});
    EXPECT_EQ(r.err, "woerterbuch-dict: deuforms.dat: built for other headwords than the data "
                     "file beside it; looking up without its forms\n");
    EXPECT_EQ(dict({"check", "--data", data.path().string()}).exitCode, 1);

    std::filesystem::remove(forms);
    r = lookup({"de", "zzz", "yyy"});
    EXPECT_EQ(r.err, "woerterbuch-dict: deuforms.dat: cannot be opened; looking up without its "
                     "forms\n");
    check = dict({"check", "--data", data.path().string()});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_EQ(check.out.find("deuforms.dat"), std::string::npos) << check.out;
}

TEST_F(FormsLookup, CompileReplacesAllFourFilesOrNone)
{
    auto check = dict({"check", "--data", data.path().string()});
    EXPECT_EQ(check.exitCode, 0) << check.out;
    EXPECT_NE(check.out.find("deuforms.dat: 12 forms"), std::string::npos) << check.out;
    EXPECT_NE(check.out.find("engforms.dat: 4 forms"), std::string::npos) << check.out;

    const auto before = test::readAll(data.path() / "deuforms.dat");
    test::writeFile(source.path() / "bad.tsv", "Haus\tHäuser\nno tab here\n");
    const auto r =
        dict({"compile", "--tsv", (source.path() / "words.tsv").string(), "--out",
              data.path().string(), "--forms", "de=" + (source.path() / "bad.tsv").string()});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find("bad.tsv:2: no tab between the base and its forms"), std::string::npos)
        << r.err;
    EXPECT_EQ(test::readAll(data.path() / "deuforms.dat"), before);

    // Without tables the forms files hold no form, and still belong to their pair.
    compile({});
    EXPECT_EQ(test::readAll(data.path() / "deuforms.dat").size(), kFormsHeaderBytes);
    EXPECT_EQ(lookup({"de", "Häusern"}).out, "Haus\thouse\n"); // by the rules
}

// What a compile killed on the way leaves, undone by the next one into the directory.
TEST_F(FormsLookup, AKilledCompileLeavesFourFilesThatBelongTogether)
{
    const auto path = [&](const std::string& name) { return data.path() / name; };
    const auto link = [&](const std::string& name, const std::string& suffix) {
        ASSERT_EQ(::link(path(name).c_str(), path("." + name + ".old-" + suffix).c_str()), 0);
    };
    const auto replace = [&](const std::string& name, std::string_view bytes) {
        std::filesystem::remove(path(name));
        test::writeFile(path(name), bytes);
    };
    const auto newer = std::string_view("\x20zz\x05\x00\x00", 6);
    std::map<std::string, std::vector<std::uint8_t>> before;
    for (const char* name : {"engdeu.dat", "deueng.dat", "engforms.dat", "deuforms.dat"})
        before[name] = test::readAll(path(name));

    // Killed while the last links of the previous versions were being removed: every
    // file is new, and the new ones stay.
    link("engforms.dat", "k1ll3d01");
    link("deuforms.dat", "k1ll3d01");
    const auto newerForms = encodeForms(77, {});
    replace("engdeu.dat", newer);
    std::filesystem::remove(path("engforms.dat")); // the linked inode keeps the old bytes
    test::writeFile(path("engforms.dat"), newerForms);
    EXPECT_EQ(dict({"compile", "--tsv", "/dev/null", "--out", data.path().string()}).exitCode, 1);
    EXPECT_EQ(test::readAll(path("engdeu.dat")),
              std::vector<std::uint8_t>(newer.begin(), newer.end()));
    EXPECT_EQ(test::readAll(path("engforms.dat")), newerForms);
    test::writeFile(path("engdeu.dat"), before["engdeu.dat"]);
    test::writeFile(path("engforms.dat"), before["engforms.dat"]);

    // A pair written before there were forms files, killed between two renames: the
    // pair comes back, though no forms file had a previous version to link.
    link("engdeu.dat", "k1ll3d02");
    link("deueng.dat", "k1ll3d02");
    replace("engdeu.dat", newer);
    EXPECT_EQ(dict({"compile", "--tsv", "/dev/null", "--out", data.path().string()}).exitCode, 1);
    EXPECT_EQ(test::readAll(path("engdeu.dat")), before["engdeu.dat"]);
    EXPECT_EQ(test::readAll(path("deueng.dat")), before["deueng.dat"]);
    const auto check = dict({"check", "--data", data.path().string()});
    EXPECT_EQ(check.exitCode, 0) << check.out;
}

} // namespace
} // namespace wb
