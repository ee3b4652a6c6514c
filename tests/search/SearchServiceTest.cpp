// The desktop's search over a small vocabulary of both languages: what the launcher's
// text finds and in which order, the ids and what they name, opening the window, the
// adaptors' conversions and the idle time.
#include "search/SearchService.h"
#include "app/StartArguments.h"
#include "search/GnomeSearchProvider.h"
#include "search/KRunner.h"
#include "search/ProcessLauncher.h"
#include "tests/support/TestSupport.h"

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

// Windows-1252: \xC4 Ä, \xDF ß, \xFC ü.
test::GeneratedDictionary vocabulary()
{
    test::GeneratedDictionary d;
    d.english = {{"apple", {0}}, {"apples", {1}},     {"duel", {2}},      {"garbage", {10}},
                 {"hour", {12}}, {"house", {5}},      {"household", {6}}, {"ice cream", {4}},
                 {"mass", {8}},  {"measure", {7, 9}}, {"street", {11}},   {"orphan", {13}}};
    d.german = {{"Apfel", 0},
                {"\xC4pfel", 1},
                {"Duell", 2},
                {"Duellant", 2},
                {"Eis", 7},
                {"Haus", 5},
                {"Haushalt", 6},
                {"Ma\xDF", 9},
                {"Masse", 8},
                {"Ma\xDF"
                 "e",
                 9},
                {"M\xFCll", 3},
                {"Stra\xDF"
                 "e",
                 10},
                {"Stunde", 4},
                {"Waise", 11}};
    test::encode(d);
    return d;
}

class RecordingLauncher : public WindowLauncher {
public:
    void open(Direction direction, const QString& word) override
    {
        opened.push_back({direction, word});
    }
    std::vector<std::pair<Direction, QString>> opened;
};

class SearchServiceTest : public ::testing::Test {
protected:
    SearchServiceTest()
    {
        const auto d = vocabulary();
        store.loadEnglish(d.engdeu);
        store.loadGerman(d.deueng);
    }
    QStringList headwords(const QString& text, int limit = SearchService::kGnomeLimit)
    {
        QStringList out;
        for (const SearchHit& hit : service.find(text, limit))
            out << hit.headword;
        return out;
    }

    DictionaryStore store;
    RecordingLauncher launcher;
    SearchService service{store, launcher};
};

struct Ranking {
    const char* name;
    const char* text;  // UTF-8, as the shell sends it
    QStringList first; // the first headwords, in this order
};

void PrintTo(const Ranking& r, std::ostream* out)
{
    *out << r.text;
}

class Rankings : public SearchServiceTest, public ::testing::WithParamInterface<Ranking> {};

TEST_P(Rankings, PutTheseHeadwordsFirst)
{
    const Ranking& r = GetParam();
    const QStringList found = headwords(QString::fromUtf8(r.text));
    ASSERT_GE(found.size(), r.first.size()) << found.join(", ").toStdString();
    EXPECT_EQ(found.mid(0, r.first.size()), r.first) << found.join(", ").toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Rankings,
    ::testing::Values(Ranking{"LowerCaseUmlaut", "äpfel", {"Äpfel"}},
                      Ranking{"UpperCaseUmlaut", "MÜLL", {"Müll"}},
                      Ranking{"SsForSharpS", "Strasse", {"Straße"}},
                      Ranking{"UeForUmlaut", "Muell", {"Müll"}},
                      Ranking{"ExactSpellingBeforeFolded", "Duell", {"Duell", "Duellant"}},
                      Ranking{"ExactSpellingBeforeSharpS", "Masse", {"Masse", "Maße"}},
                      Ranking{"ShorterPrefixMatchesFirst", "hou", {"hour", "house", "household"}},
                      Ranking{"BothListsAtOnce", "haus", {"Haus", "Haushalt"}},
                      Ranking{"TextWithSpaces", "ice cream", {"ice cream"}},
                      Ranking{"SurroundingSpaces", "  house ", {"house"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchServiceTest, TextsTooShortOrTooLongFindNothing)
{
    for (const char* text : {"", "h", " h ", "ä", "   "})
        EXPECT_TRUE(service.find(QString::fromUtf8(text), 10).isEmpty()) << text;
    const QString huge(10'000, QLatin1Char('h'));
    QElapsedTimer timer;
    timer.start();
    EXPECT_TRUE(service.find(huge, 10).isEmpty());
    EXPECT_TRUE(service.find(QString(10'000, QChar(0x00FC)), 10).isEmpty());
    EXPECT_LT(timer.elapsed(), 2000) << "a long text must not take longer than a short one";
}

TEST_F(SearchServiceTest, RanksAtMostTheLimitWithTheExactHeadwordAtRelevanceOne)
{
    const QList<SearchHit> hits = service.find(QStringLiteral("ma"), 3);
    ASSERT_EQ(hits.size(), 3);
    for (int i = 1; i < hits.size(); ++i)
        EXPECT_LE(hits[i].relevance, hits[i - 1].relevance);

    const QList<SearchHit> house = service.find(QStringLiteral("house"), 10);
    ASSERT_FALSE(house.isEmpty());
    EXPECT_TRUE(house[0].exact);
    EXPECT_EQ(house[0].relevance, 1.0);
    EXPECT_EQ(house[0].translation, QStringLiteral("Haus"));
    for (int i = 1; i < house.size(); ++i) {
        EXPECT_FALSE(house[i].exact) << house[i].headword.toStdString();
        EXPECT_LT(house[i].relevance, 1.0);
    }
}

TEST_F(SearchServiceTest, EveryIdNamesItsHitAndNothingElseIsAnId)
{
    for (const char* text : {"hou", "ma", "du", "str"})
        for (const SearchHit& found : service.find(QString::fromUtf8(text), 10)) {
            const auto again = service.hit(found.id);
            ASSERT_TRUE(again) << found.id.toStdString();
            EXPECT_EQ(again->headword, found.headword);
            EXPECT_EQ(again->translation, found.translation);
        }
    EXPECT_EQ(service.hit(QStringLiteral("en:9"))->translation, QStringLiteral("Maß; Maße"));
    EXPECT_EQ(service.hit(QStringLiteral("de:11"))->translation, QStringLiteral("street"));
    for (const char* id : {"", "en:", "de", "en:-1", "en:+1", "en: 1", "en:1 ", "en:01", "en:12",
                           "de:14", "de:65536", "en:99999999999", "fr:1", "EN:1", "en:1x"}) {
        EXPECT_FALSE(service.hit(QString::fromLatin1(id))) << id;
        EXPECT_FALSE(service.open(QString::fromLatin1(id))) << id;
    }
    EXPECT_TRUE(launcher.opened.empty());
}

TEST_F(SearchServiceTest, AReferenceThatNamesNoHeadwordLeavesTheTranslationEmpty)
{
    // Without deueng.dat every English reference points past the German list.
    DictionaryStore englishOnly;
    englishOnly.loadEnglish(vocabulary().engdeu);
    SearchService over(englishOnly, launcher);
    const QList<SearchHit> hits = over.find(QStringLiteral("house"), 5);
    ASSERT_FALSE(hits.isEmpty());
    EXPECT_EQ(hits[0].headword, QStringLiteral("house"));
    EXPECT_TRUE(hits[0].translation.isEmpty());
}

// A search opens on the headword the launcher listed first, so that the window's own
// a-z search finds what the forgiving match found.
TEST_F(SearchServiceTest, OpensTheWindowOnTheHitAndASearchOnItsBestHit)
{
    EXPECT_TRUE(service.open(QStringLiteral("de:10")));
    EXPECT_TRUE(service.open(QStringLiteral("en:5")));
    const std::vector<std::pair<Direction, QString>> hits{
        {Direction::GermanToEnglish, QStringLiteral("Müll")},
        {Direction::EnglishToGerman, QStringLiteral("house")}};
    EXPECT_EQ(launcher.opened, hits);
    for (const char* typed : {"STRASSE", "äpfel", "hou", "zzz"}) {
        launcher.opened.clear();
        service.openSearch(QString::fromUtf8(typed));
        const QList<SearchHit> listed = service.find(QString::fromUtf8(typed), 5);
        ASSERT_EQ(launcher.opened.size(), 1u) << typed;
        const auto& [direction, word] = launcher.opened.front();
        if (listed.isEmpty()) {
            EXPECT_EQ(word, QString::fromUtf8(typed));
            EXPECT_EQ(direction, Direction::EnglishToGerman);
            continue;
        }
        EXPECT_EQ(word, listed.front().headword) << typed;
        EXPECT_EQ(direction, listed.front().id.startsWith(QLatin1String("de:"))
                                 ? Direction::GermanToEnglish
                                 : Direction::EnglishToGerman);
    }
    EXPECT_EQ(launcher.opened.front().second, QStringLiteral("zzz")) << "nothing matched zzz";
}

TEST(ResultIds, ParseBackToTheEntryTheyWereMadeForAndNothingElse)
{
    for (const Direction direction : {Direction::EnglishToGerman, Direction::GermanToEnglish})
        for (const std::size_t index : {std::size_t(0), std::size_t(9), std::size_t(65534)}) {
            const ResultId id{direction, index};
            EXPECT_EQ(parseResultId(formatResultId(id), 65535, 65535), id);
            EXPECT_FALSE(parseResultId(formatResultId(id), index, index)) << "past the list";
        }
    EXPECT_EQ(formatResultId({Direction::GermanToEnglish, 345}), "de:345");
    EXPECT_FALSE(parseResultId("en:1" + std::string(1'000'000, '0'), 65535, 65535));
}

TEST(CallLimits, BeyondWhatAShellAsksTheCallIsRefusedWithAReason)
{
    EXPECT_FALSE(tooManyIds(kMaxCallIds));
    EXPECT_FALSE(tooManyTerms(0));
    EXPECT_EQ(tooManyIds(600'000), "A call asks for 600000 ids; at most 256 are answered");
    EXPECT_TRUE(tooManyTerms(kMaxCallTerms + 1));
}

TEST(CallLimits, TheSearchFieldHoldsWholeCharactersUpToItsLength)
{
    const std::string ascii(kSearchFieldUnits + 10, 'a');
    EXPECT_EQ(cutToSearchField(ascii).size(), kSearchFieldUnits);
    // "ä" is two bytes and one unit; the house emoji four bytes and two units.
    const std::string umlauts = std::string(kSearchFieldUnits - 1, 'a') + "\xC3\xA4\xC3\xA4";
    EXPECT_EQ(cutToSearchField(umlauts), std::string_view(umlauts).substr(0, umlauts.size() - 2));
    const std::string emoji = std::string(kSearchFieldUnits - 1, 'a') + "\xF0\x9F\x8F\xA0";
    EXPECT_EQ(cutToSearchField(emoji).size(), kSearchFieldUnits - 1) << "the pair is not split";
    EXPECT_EQ(cutToSearchField("house"), "house");
}

TEST_F(SearchServiceTest, ATextLongerThanAnyHeadwordFindsNothing)
{
    EXPECT_FALSE(headwords(QStringLiteral("house")).isEmpty());
    EXPECT_TRUE(headwords(QStringLiteral("house") + QString(2000, QLatin1Char(' '))).isEmpty());
    EXPECT_TRUE(headwords(QString(80'000'000, QLatin1Char('h'))).isEmpty());
}

// A text the window's argument list could not carry (one argument may hold 128 KiB) is
// cut to what its search field holds, so the window starts.
TEST_F(SearchServiceTest, TheTextHandedToTheWindowIsCutToTheSearchField)
{
    const QString huge = QStringLiteral("house ") + QString(200'000, QChar(0x00E4));
    service.openSearch(huge);
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0].second, huge.left(qsizetype(kSearchFieldUnits)));

    ProcessLauncher windowOfTrue("/bin/true");
    SearchService starting(store, windowOfTrue);
    EXPECT_NO_THROW(starting.openSearch(huge));
}

TEST(ProcessLauncher, AWindowThatCannotStartIsAnErrorThatSaysWhy)
{
    ProcessLauncher missing("/nonexistent/woerterbuch");
    try {
        missing.open(Direction::EnglishToGerman, QStringLiteral("house"));
        ADD_FAILURE() << "started a program that does not exist";
    } catch (const WindowStartError& error) {
        EXPECT_NE(std::string(error.what()).find("/nonexistent/woerterbuch"), std::string::npos)
            << error.what();
    }
    ProcessLauncher hostile("/nonexistent/\x1b]0;PWNED\a\xE4/woerterbuch");
    try {
        hostile.open(Direction::EnglishToGerman, QStringLiteral("house"));
        ADD_FAILURE() << "started a program that does not exist";
    } catch (const WindowStartError& error) {
        EXPECT_TRUE(std::string_view(error.what())
                        .starts_with("cannot start \"/nonexistent/\\x1b]0;PWNED\\x07\\xe4/"
                                     "woerterbuch\": "))
            << error.what();
    }
    ProcessLauncher windowOfTrue("/bin/true");
    try {
        windowOfTrue.open(Direction::EnglishToGerman, QString(200'000, QLatin1Char('a')));
        ADD_FAILURE() << "an argument of 200,000 bytes was passed on";
    } catch (const WindowStartError& error) {
        EXPECT_NE(std::string(error.what()).find("too long"), std::string::npos) << error.what();
    }
}

TEST(WindowArguments, AreWhatTheWindowParsesBackToTheSameWord)
{
    for (const Direction direction : {Direction::EnglishToGerman, Direction::GermanToEnglish})
        for (const char* word : {"house", "Straße", "-ism", "--de", "--", "ice cream", ""}) {
            const auto request =
                parseStartArguments(windowArguments(direction, QString::fromUtf8(word)));
            ASSERT_TRUE(request) << word;
            EXPECT_EQ(request->direction, direction);
            EXPECT_EQ(request->word, QString::fromUtf8(word));
        }
}

TEST_F(SearchServiceTest, GnomeProviderJoinsTheTermsAndDescribesEachKnownId)
{
    auto* gnome = new GnomeSearchProvider(service);
    const QStringList ids =
        gnome->GetInitialResultSet({QStringLiteral("ice"), QStringLiteral("cream")}, {});
    ASSERT_FALSE(ids.isEmpty());
    EXPECT_EQ(gnome->GetSubsearchResultSet({}, {QStringLiteral("hou")}, {}).size(), 3);
    const QList<QVariantMap> metas = gnome->GetResultMetas({ids[0], QStringLiteral("en:77")}, {});
    ASSERT_EQ(metas.size(), 1);
    EXPECT_EQ(metas[0].value(QStringLiteral("id")).toString(), ids[0]);
    EXPECT_EQ(metas[0].value(QStringLiteral("name")).toString(), QStringLiteral("ice cream"));
    EXPECT_EQ(metas[0].value(QStringLiteral("description")).toString(), QStringLiteral("Eis"));
    EXPECT_FALSE(metas[0].contains(QStringLiteral("clipboardText")))
        << "an activation must not replace the user's clipboard";

    gnome->ActivateResult(ids[0], {}, 0, {});
    gnome->ActivateResult(QStringLiteral("en:77"), {}, 0, {});
    gnome->LaunchSearch({QStringLiteral("Muell")}, 0, {});
    ASSERT_EQ(launcher.opened.size(), 2u);
    EXPECT_EQ(launcher.opened[0].second, QStringLiteral("ice cream"));
    EXPECT_EQ(launcher.opened[1],
              std::make_pair(Direction::GermanToEnglish, QStringLiteral("Müll")));
}

TEST_F(SearchServiceTest, KRunnerMatchesCarryTypeRelevanceAndSubtext)
{
    auto* runner = new KRunner(service, QStringLiteral("woerterbuch"));
    const RemoteMatches matches = runner->Match(QStringLiteral("haus"));
    ASSERT_GE(matches.size(), 2);
    EXPECT_EQ(matches[0].text, QStringLiteral("Haus"));
    EXPECT_EQ(matches[0].type, RemoteMatch::ExactMatch);
    EXPECT_EQ(matches[0].relevance, 1.0);
    EXPECT_EQ(matches[0].iconName, QStringLiteral("woerterbuch"));
    EXPECT_EQ(matches[0].properties.value(QStringLiteral("subtext")).toString(),
              QStringLiteral("house"));
    EXPECT_EQ(matches[1].type, RemoteMatch::PossibleMatch);
    EXPECT_LE(runner->Match(QStringLiteral("ma")).size(), SearchService::kKRunnerLimit);
    EXPECT_TRUE(runner->Actions().isEmpty());

    runner->Run(matches[0].id, QStringLiteral("copy"), {});
    EXPECT_TRUE(launcher.opened.empty()) << "an action the runner does not offer does nothing";
    runner->Run(matches[0].id, {}, {});
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0],
              std::make_pair(Direction::GermanToEnglish, QStringLiteral("Haus")));
}

TEST_F(SearchServiceTest, GoesIdleOnlyAfterTheIdleTimeWithoutACall)
{
    using namespace std::chrono_literals;
    SearchService quick(store, launcher, 300ms);
    QSignalSpy idle(&quick, &SearchService::idle);
    QElapsedTimer timer;
    timer.start();
    // Calls every 100 ms keep it awake well past its idle time.
    while (timer.elapsed() < 900) {
        quick.find(QStringLiteral("hou"), 5);
        QTest::qWait(100);
    }
    EXPECT_EQ(idle.count(), 0);
    const qint64 lastCall = timer.elapsed();
    quick.touch();
    ASSERT_TRUE(idle.wait(2000));
    EXPECT_GE(timer.elapsed() - lastCall, 270) << "a coarse timer may fire 5 % early, not more";
    EXPECT_EQ(idle.count(), 1);
}

} // namespace
} // namespace wb
