#pragma once
// The one text-box operation, over QPainter, that every self-drawn control uses to draw
// and to measure text in a rectangle. Lines always break at line-break characters; an
// "&" marks the next character as the mnemonic (underlined, the "&" itself not drawn)
// and "&&" stands for one "&". Text is drawn with a transparent background, in the
// painter's current font and pen colour, clipped to the rectangle.
#include <QFont>
#include <QFontMetrics>
#include <QRect>
#include <QString>
#include <vector>

class QPainter;

namespace wb {

enum class TextAlign { Left, Center, Right };

struct TextFormat {
    TextAlign align = TextAlign::Left;
    bool wordBreak = false;  // break between words at the rectangle's right edge
    bool expandTabs = false; // a tab advances to the next tab stop
    bool noPrefix = false;   // draw "&" as it is
    bool rtlReading = false; // lines read right to left
    bool measure = false;    // draw nothing; fit the rectangle to the text instead
};

struct TextLine {
    QString text;       // as drawn: prefixes removed
    int underline = -1; // index in `text` of the mnemonic character, or -1
    int width = 0;
};

struct TextBoxLayout {
    std::vector<TextLine> lines;
    int lineHeight = 0;

    int width() const; // of the widest line
    int height() const { return int(lines.size()) * lineHeight; }
};

// Splits `text` into the lines that a rectangle `width` pixels wide shows.
TextBoxLayout layoutTextBox(const QFontMetrics& metrics, const QString& text, int width,
                            const TextFormat& format);

// Draws `text` into `rect`; in measure mode draws nothing and instead keeps the
// rectangle's top-left corner and makes it as wide as the widest line and as high as
// all lines together.
void textBox(QPainter& painter, const QString& text, QRect& rect, const TextFormat& format);

// Measure mode without a surface: what textBox() would make of `rect` for `font`.
QRect measureTextBox(const QFont& font, const QString& text, QRect rect, TextFormat format);

} // namespace wb
