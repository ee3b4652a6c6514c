#include "platform/TextBox.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

namespace wb {
namespace {

QFont crispFont()
{
    QFont font = QApplication::font();
    font.setPixelSize(13);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QRect measure(const QString& text, QRect rect, TextFormat format = {})
{
    return measureTextBox(crispFont(), text, rect, format);
}

// Black text on white, drawn through the text-box operation.
QImage drawn(const QString& text, QRect rect, TextFormat format, QSize size = {120, 40})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(crispFont());
    painter.setPen(Qt::black);
    textBox(painter, text, rect, format);
    return image;
}

QRect inkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(TextBoxMeasure, KeepsTheTopLeftAndTakesTheWidestLineAndAllLines)
{
    const QFontMetrics metrics(crispFont());
    const QRect single = measure(QStringLiteral("Suchen..."), QRect(7, 3, 200, 0));
    EXPECT_EQ(single, QRect(7, 3, metrics.horizontalAdvance(QStringLiteral("Suchen...")),
                            metrics.height()));

    const QRect lines = measure(QStringLiteral("kurz\r\nviel länger\nx"), QRect(0, 0, 5, 0));
    EXPECT_EQ(lines.width(), metrics.horizontalAdvance(QStringLiteral("viel länger")));
    EXPECT_EQ(lines.height(), 3 * metrics.height());

    EXPECT_EQ(measure(QString(), QRect(4, 4, 50, 10)).size(), QSize(0, 0));
}

TEST(TextBoxMeasure, WordBreakKeepsLinesInsideExceptForAWordWiderThanTheBox)
{
    const QFontMetrics metrics(crispFont());
    const QString text = QStringLiteral("der Hund läuft über die breite Straße");
    const int width = metrics.horizontalAdvance(QStringLiteral("der Hund läuft"));
    const TextBoxLayout layout = layoutTextBox(metrics, text, width, {.wordBreak = true});
    ASSERT_GT(layout.lines.size(), 1u);
    QStringList words;
    for (const TextLine& line : layout.lines) {
        EXPECT_LE(line.width, width) << line.text.toStdString();
        words += line.text.split(u' ', Qt::SkipEmptyParts);
    }
    EXPECT_EQ(words.join(u' '), text); // nothing lost, nothing cut

    const QRect widened = measure(QStringLiteral("a Donaudampfschifffahrt b"), QRect(0, 0, 20, 0),
                                  {.wordBreak = true});
    EXPECT_EQ(widened.width(), metrics.horizontalAdvance(QStringLiteral("Donaudampfschifffahrt")));
    EXPECT_EQ(widened.height(), 3 * metrics.height());
}

TEST(TextBoxMeasure, PrefixesAreNotMeasuredUnlessSwitchedOff)
{
    EXPECT_EQ(measure(QStringLiteral("&Hilfe"), {}), measure(QStringLiteral("Hilfe"), {}));
    EXPECT_EQ(measure(QStringLiteral("A&&B"), {}),
              measure(QStringLiteral("A&B"), {}, {.noPrefix = true}));
    EXPECT_EQ(measure(QStringLiteral("&"), {}).width(), 0);
    EXPECT_EQ(measure(QStringLiteral("&Hilfe"), {}, {.noPrefix = true}).width(),
              QFontMetrics(crispFont()).horizontalAdvance(QStringLiteral("&Hilfe")));

    const TextBoxLayout layout =
        layoutTextBox(QFontMetrics(crispFont()), QStringLiteral("A&&B &Cx"), 100, {});
    ASSERT_EQ(layout.lines.size(), 1u);
    EXPECT_EQ(layout.lines[0].text, QStringLiteral("A&B Cx"));
    EXPECT_EQ(layout.lines[0].underline, 4);
}

TEST(TextBoxMeasure, TabsAdvanceToTheNextStopOnlyWhenExpanded)
{
    const QFontMetrics metrics(crispFont());
    const int stop = 8 * metrics.averageCharWidth();
    EXPECT_EQ(measure(QStringLiteral("ab\tc"), {}, {.expandTabs = true}).width(),
              stop + metrics.horizontalAdvance(u'c'));
    EXPECT_EQ(measure(QStringLiteral("ab\tc"), {}).width(),
              metrics.horizontalAdvance(QStringLiteral("ab c")));
}

TEST(TextBoxDrawing, AlignmentMovesTheLineAndNothingElse)
{
    const QString text = QStringLiteral("Wort");
    const int width = QFontMetrics(crispFont()).horizontalAdvance(text);
    const QRect box(10, 5, 100, 20);
    const QRect left = inkBounds(drawn(text, box, {}));
    const QRect right = inkBounds(drawn(text, box, {.align = TextAlign::Right}));
    const QRect centre = inkBounds(drawn(text, box, {.align = TextAlign::Center}));
    EXPECT_EQ(right, left.translated(100 - width, 0));
    EXPECT_EQ(centre, left.translated((100 - width) / 2, 0));
}

TEST(TextBoxDrawing, MnemonicIsUnderlinedAndTextIsClippedToTheBox)
{
    const QImage plain = drawn(QStringLiteral("Hilfe"), QRect(0, 0, 100, 30), {});
    const QImage marked = drawn(QStringLiteral("&Hilfe"), QRect(0, 0, 100, 30), {});
    const QFontMetrics metrics(crispFont());
    const int underline = metrics.ascent() + metrics.underlinePos();
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) != marked.pixel(x, y)) {
                EXPECT_GE(y, underline) << x << "," << y;
                EXPECT_LT(x, metrics.horizontalAdvance(u'H')) << x << "," << y;
            }
    EXPECT_NE(plain, marked);

    const QRect clip(0, 0, 12, 30);
    EXPECT_TRUE(clip.contains(inkBounds(drawn(QStringLiteral("Hilfe"), clip, {}))));
}

} // namespace
} // namespace wb
