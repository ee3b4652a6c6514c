// The layouts' faces resolve to installed faces at the pixel height asked for, and the
// stand-ins keep the proportions the layouts were made with.
#include "platform/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

namespace {

using namespace wb;

bool isInstalled(const QFont& font)
{
    return QFontDatabase::families().contains(QFontInfo(font).family());
}

TEST(Fonts, EveryLayoutFaceResolvesToAnInstalledFamilyAtItsPixelHeight)
{
    for (const char* face : {kSansSerifFace, kHeavyFace, kNarrowFace, "No Such Face 12"}) {
        for (int pixels : {11, 19, 24}) {
            SCOPED_TRACE(std::string(face) + " " + std::to_string(pixels));
            const QFont font = layoutFont(face, pixels);
            EXPECT_TRUE(isInstalled(font)) << QFontInfo(font).family().toStdString();
            EXPECT_EQ(QFontInfo(font).pixelSize(), pixels);
        }
    }
}

TEST(Fonts, TheChainStartsWithTheLayoutFaceAndUsesItWhenInstalled)
{
    EXPECT_EQ(fontStandIns(kNarrowFace).front().family, kNarrowFace);
    const QString installed = QFontDatabase::families().front();
    EXPECT_EQ(installedStandIn(installed).family, installed);
    EXPECT_EQ(QFontInfo(layoutFont(installed, 13)).family(), installed);
    EXPECT_TRUE(installedStandIn("No Such Face 12").family.isEmpty());
}

TEST(Fonts, TheDefaultFaceSetsTheSearchCaptionAsWideAsTheLayoutFaceDid)
{
    // "Suchen..." is 46 pixels wide in the face the layout was made with.
    const int width = QFontMetrics(defaultFont()).horizontalAdvance("Suchen...");
    EXPECT_NEAR(width, 46, 2);
    EXPECT_GE(QFontInfo(defaultBoldFont()).weight(), QFont::Bold);
    EXPECT_GT(QFontMetrics(defaultBoldFont()).horizontalAdvance("Suchen..."), width);
}

TEST(Fonts, HeavyIsHeavierAndWiderAndNarrowIsNarrowerThanTheDefaultFace)
{
    const QString text = QStringLiteral("Englisch -> Deutsch");
    const QFont plainBold = layoutFont(kSansSerifFace, 19, QFont::Bold);
    const QFont heavy = layoutFont(kHeavyFace, 19);
    EXPECT_GT(QFontInfo(heavy).weight(), QFontInfo(plainBold).weight());
    EXPECT_GE(QFontMetrics(heavy).horizontalAdvance(text),
              QFontMetrics(plainBold).horizontalAdvance(text));
    const QFont narrow = layoutFont(kNarrowFace, 24, QFont::Bold);
    EXPECT_LT(QFontMetrics(narrow).horizontalAdvance(text),
              QFontMetrics(layoutFont(kSansSerifFace, 24, QFont::Bold)).horizontalAdvance(text));
}

TEST(Fonts, SideTitlesWrapIntoTwoLinesThatFitTheirBox)
{
    const QFontMetrics metrics(layoutFont(kHeavyFace, 19));
    const QRect box(0, 0, 161, 57);
    for (const char* title : {"Englisch -> Deutsch", "Deutsch -> Englisch"}) {
        SCOPED_TRACE(title);
        const QRect used = metrics.boundingRect(box, Qt::TextWordWrap, title);
        EXPECT_LE(used.width(), box.width());
        EXPECT_GT(used.height(), metrics.height());
        EXPECT_LE(used.height(), box.height());
    }
}

} // namespace
