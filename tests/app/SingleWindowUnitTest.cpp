// The pieces of the one window that need no bus: a request's trip over the wire and
// back, the word a selection gives, and the page it opens on.
#include "app/SingleWindow.h"
#include "app/WindowFront.h"
#include "platform/GlobalKey.h"
#include "platform/Selection.h"
#include "platform/WindowActivation.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

StartRequest wordRequest(Direction direction, const QString& word)
{
    StartRequest request;
    request.direction = direction;
    request.word = word;
    return request;
}

// Every request a start can hand over arrives as it was sent, the activation with it.
TEST(HandOverCall, CarriesEachRequestThere)
{
    StartRequest selection;
    selection.selection = true;
    const Activation activation{QStringLiteral("token-1"), QStringLiteral("id_TIME42")};
    for (const StartRequest& sent :
         {wordRequest(Direction::EnglishToGerman, QStringLiteral("hou")),
          wordRequest(Direction::GermanToEnglish, QStringLiteral("--de")),
          wordRequest(Direction::GermanToEnglish, QString()), selection}) {
        const ApplicationCall call = applicationCall(sent, activation);
        ASSERT_EQ(call.member, QStringLiteral("ActivateAction"));
        ASSERT_EQ(call.arguments.size(), 3);
        const auto received =
            requestOfAction(call.arguments[0].toString(), call.arguments[1].toList());
        ASSERT_TRUE(received.has_value());
        EXPECT_EQ(received->selection, sent.selection);
        EXPECT_EQ(received->word, sent.word);
        if (sent.word) {
            EXPECT_EQ(received->direction, sent.direction);
        }
        const Activation arrived = activationOf(call.arguments[2].toMap());
        EXPECT_EQ(arrived.token, activation.token);
        EXPECT_EQ(arrived.startupId, activation.startupId);
    }
    const ApplicationCall plain = applicationCall(StartRequest{}, Activation{});
    EXPECT_EQ(plain.member, QStringLiteral("Activate"));
    ASSERT_EQ(plain.arguments.size(), 1);
    EXPECT_TRUE(plain.arguments[0].toMap().isEmpty()) << "no empty token is sent";
}

TEST(HandOverCall, RefusesActionsItDoesNotKnow)
{
    const QString lookUp = QString::fromLatin1(kLookUpAction);
    EXPECT_FALSE(requestOfAction(QStringLiteral("quit"), {}));
    EXPECT_FALSE(requestOfAction(lookUp, {QStringLiteral("fr"), QStringLiteral("maison")}));
    EXPECT_FALSE(requestOfAction(lookUp, {QStringLiteral("en")}));
    EXPECT_FALSE(requestOfAction(lookUp, {QStringLiteral("en"), 42}));
    EXPECT_FALSE(requestOfAction(lookUp, {QStringLiteral("en"), QStringLiteral("a"), 1}));
    EXPECT_FALSE(requestOfAction(QString::fromLatin1(kSelectionAction), {QStringLiteral("x")}));
}

TEST(HandOverCall, ServesTheIdAtItsPath)
{
    EXPECT_EQ(applicationPath(QStringLiteral("org.example.woerterbuch")),
              QStringLiteral("/org/example/woerterbuch"));
}

struct SelectionCase {
    const char* name;
    QString selection;
    QString word;
};

void PrintTo(const SelectionCase& c, std::ostream* out)
{
    *out << c.name;
}

class SelectionWord : public ::testing::TestWithParam<SelectionCase> {};

TEST_P(SelectionWord, IsTheFirstLineTrimmedAndCut)
{
    EXPECT_EQ(selectionWord(GetParam().selection), GetParam().word);
}

const QString kHundred = QString(100, QLatin1Char('a'));
const QString kClef = QString::fromUtf8("\xf0\x9d\x84\x9e"); // U+1D11E, two UTF-16 units

INSTANTIATE_TEST_SUITE_P(
    Cases, SelectionWord,
    ::testing::Values(
        SelectionCase{"Plain", QStringLiteral("Haus"), QStringLiteral("Haus")},
        SelectionCase{"Spaces", QStringLiteral("  \tHaus \n"), QStringLiteral("Haus")},
        SelectionCase{"FirstLine", QStringLiteral("\n\n ice cream \r\nsecond"),
                      QStringLiteral("ice cream")},
        SelectionCase{"Empty", QString(), QString()},
        SelectionCase{"Blank", QStringLiteral(" \n\t "), QString()},
        SelectionCase{"Long", kHundred + QStringLiteral("bbb"), kHundred},
        SelectionCase{"CutBeforeSpace", QString(99, QLatin1Char('a')) + QStringLiteral(" b"),
                      QString(99, QLatin1Char('a'))},
        SelectionCase{"WideCharacterWhole", QString(99, QLatin1Char('a')) + kClef + kClef,
                      QString(99, QLatin1Char('a')) + kClef},
        SelectionCase{"Undecodable", QString::fromUtf8("Haus\xff\xfe"), QStringLiteral("Haus")},
        SelectionCase{"UndecodableFirst", QString::fromUtf8("\xffHaus"), QString()}),
    [](const auto& info) { return std::string(info.param.name); });

// English: house, hausfrau, mouse. German: Haus, Heim, Maus.
void load(DictionaryStore& store, const test::TempDir& dir)
{
    test::GeneratedDictionary d;
    d.english = {{"house", {0}}, {"hausfrau", {0}}, {"mouse", {2}}};
    d.german = {{"Haus", 0}, {"Heim", 0}, {"Maus", 1}};
    test::encode(d);
    d.writeTo(dir.path());
    test::CollectingReporter errors;
    store.OpenDistNow(dir.path(), errors);
    ASSERT_TRUE(errors.messages.empty());
}

TEST(PageForWord, TheListWithTheWordItselfThenGermanOnlyWhenOnlyTheGermanListHasIt)
{
    test::TempDir dir;
    DictionaryStore store;
    load(store, dir);
    EXPECT_EQ(pageForWord(store, QStringLiteral("haus")), Direction::GermanToEnglish)
        << "a German headword, though an English one begins with it";
    EXPECT_EQ(pageForWord(store, QStringLiteral("hausf")), Direction::EnglishToGerman);
    EXPECT_EQ(pageForWord(store, QStringLiteral("HEI")), Direction::GermanToEnglish);
    EXPECT_EQ(pageForWord(store, QStringLiteral("house")), Direction::EnglishToGerman);
    EXPECT_EQ(pageForWord(store, QStringLiteral("m")), Direction::EnglishToGerman) << "both";
    EXPECT_EQ(pageForWord(store, QStringLiteral("xylophone")), Direction::EnglishToGerman);
}

// X11 matches a grab's modifiers exactly, the lock keys among them: every state of
// CapsLock and NumLock needs a grab of its own, and nothing else may be in them.
TEST(GlobalKeyMasks, CoverEachStateOfTheLockKeys)
{
    constexpr std::uint16_t ctrlAlt = 0x04 | 0x08, lock = 0x02, numLock = 0x10;
    EXPECT_EQ(grabMasks(numLock),
              (std::vector<std::uint16_t>{ctrlAlt, ctrlAlt | lock, ctrlAlt | numLock,
                                          ctrlAlt | lock | numLock}));
    EXPECT_EQ(grabMasks(0), (std::vector<std::uint16_t>{ctrlAlt, ctrlAlt | lock}))
        << "a keyboard without NumLock";
}

TEST(StartupId, CarriesTheTimeOfTheUsersRequest)
{
    EXPECT_EQ(startupIdTime(QStringLiteral("gnome-shell-1234-host-woerterbuch-0_TIME56789")),
              56789u);
    EXPECT_EQ(startupIdTime(QStringLiteral("_TIME4294967295")), 4294967295u);
    EXPECT_EQ(startupIdTime(QStringLiteral("x_TIME4294967296")), 0u) << "beyond 32 bits";
    EXPECT_EQ(startupIdTime(QStringLiteral("x_TIME")), 0u);
    EXPECT_EQ(startupIdTime(QStringLiteral("x_TIME12y")), 0u);
    EXPECT_EQ(startupIdTime(QString()), 0u);
}

} // namespace
} // namespace wb
