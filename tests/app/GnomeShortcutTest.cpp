// The text forms the GNOME shortcut reads from and hands to gsettings: a list the user
// already has must come back exactly as it was, and a program path of any spelling
// must reach the settings daemon as one word.
#include "app/GnomeShortcut.h"
#include "tests/support/Process.h"

#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(GnomePathList, ReadsWhatGsettingsPrintsAndWritesItBack)
{
    const QStringList two{QStringLiteral("/a/custom0/"), QStringLiteral("/a/woerterbuch/")};
    EXPECT_EQ(parsePathList(QStringLiteral("@as []")), QStringList());
    EXPECT_EQ(parsePathList(QStringLiteral("[]")), QStringList());
    EXPECT_EQ(parsePathList(QStringLiteral("['/a/custom0/', '/a/woerterbuch/']\n")), two);
    EXPECT_EQ(parsePathList(formatPathList(two)), two);
    EXPECT_EQ(parsePathList(formatPathList({})), QStringList());
}

TEST(GnomePathList, RefusesWhatItCannotReadSafely)
{
    for (const char* printed :
         {"", "['/a/'", "/a/", "['/a/' '/b/']", "['it\\'s']", "[1, 2]", "['/a/',]"})
        EXPECT_FALSE(parsePathList(QString::fromLatin1(printed))) << printed;
}

// The shell reads the quoted word back as the path it was, whatever it holds.
TEST(GnomeCommand, QuotesAPathOnlyWhenItNeedsTo)
{
    EXPECT_EQ(shellWord(QStringLiteral("/usr/lib/woerterbuch/woerterbuch")),
              QStringLiteral("/usr/lib/woerterbuch/woerterbuch"));
    for (const char* path : {"/home/a b/woerterbuch", "/tmp/it's/w", "/tmp/$HOME/w", "/tmp/ä/w"}) {
        const QString word = shellWord(QString::fromUtf8(path));
        EXPECT_NE(word, QString::fromUtf8(path)) << path;
        const test::ProcessResult shell =
            test::runProcess("/bin/sh", {"-c", "printf %s " + word.toStdString()});
        ASSERT_EQ(shell.exitCode, 0) << shell.err;
        EXPECT_EQ(QString::fromStdString(shell.out), QString::fromUtf8(path));
    }
    EXPECT_EQ(variantString(QStringLiteral("it's a \\ path")),
              QStringLiteral("'it\\'s a \\\\ path'"));
}

} // namespace
} // namespace wb
