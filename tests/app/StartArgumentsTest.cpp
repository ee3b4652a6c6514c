// The window's command line: the forms the desktop's search and a user type, and the
// mistakes that must not start a window on the wrong word.
#include "app/StartArguments.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

struct Case {
    const char* name;
    QStringList arguments;
    bool valid;
    Direction direction = Direction::EnglishToGerman;
    std::optional<QString> word;
    bool selection = false;
    StartCommand command = StartCommand::Window;
};

Case invalid(const char* name, QStringList arguments)
{
    return {name, std::move(arguments), false, Direction::EnglishToGerman, std::nullopt};
}

void PrintTo(const Case& c, std::ostream* out)
{
    *out << c.name;
}

class StartArguments : public ::testing::TestWithParam<Case> {};

TEST_P(StartArguments, ParseAsDocumented)
{
    const Case& c = GetParam();
    const auto request = parseStartArguments(c.arguments);
    ASSERT_EQ(request.has_value(), c.valid);
    if (!request)
        return;
    EXPECT_EQ(request->direction, c.direction);
    EXPECT_EQ(request->word, c.word);
    EXPECT_EQ(request->selection, c.selection);
    EXPECT_EQ(request->command, c.command);
}

const auto kGerman = Direction::GermanToEnglish;
const auto kEnglish = Direction::EnglishToGerman;

INSTANTIATE_TEST_SUITE_P(
    Forms, StartArguments,
    ::testing::Values(
        Case{"None", {}, true, kEnglish, std::nullopt},
        Case{"Word", {"hou"}, true, kEnglish, "hou"},
        Case{"GermanWord", {"--de", "Straße"}, true, kGerman, "Straße"},
        Case{"WordWithSpaces", {"ice cream"}, true, kEnglish, "ice cream"},
        Case{"DashedWordAfterSeparator", {"--", "-ism"}, true, kEnglish, "-ism"},
        Case{"GermanDashedWord", {"--de", "--", "--de"}, true, kGerman, "--de"},
        Case{"EmptyWord", {""}, true, kEnglish, ""}, invalid("GermanWithoutWord", {"--de"}),
        invalid("SeparatorWithoutWord", {"--"}), invalid("UnknownOption", {"--en", "house"}),
        invalid("DashedWordWithoutSeparator", {"-ism"}), invalid("TwoWords", {"ice", "cream"}),
        invalid("OptionAfterWord", {"house", "--de"}),
        Case{"Selection", {"--selection"}, true, kEnglish, std::nullopt, true},
        Case{"SelectionAsWord", {"--", "--selection"}, true, kEnglish, "--selection"},
        Case{"InstallShortcut",
             {"--install-shortcut"},
             true,
             kEnglish,
             std::nullopt,
             false,
             StartCommand::InstallShortcut},
        Case{"RemoveShortcut",
             {"--remove-shortcut"},
             true,
             kEnglish,
             std::nullopt,
             false,
             StartCommand::RemoveShortcut},
        invalid("SelectionWithWord", {"--selection", "Haus"}),
        invalid("GermanSelection", {"--de", "--selection"}),
        invalid("TwoShortcutOptions", {"--install-shortcut", "--remove-shortcut"})),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wb
