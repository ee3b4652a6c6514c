#include "platform/TextBox.h"

#include <QPainter>
#include <algorithm>

namespace wb {
namespace {

// Tab stops every eight average characters, as the classic text drawing places them.
int tabStop(const QFontMetrics& metrics)
{
    return std::max(1, 8 * metrics.averageCharWidth());
}

// Left edges of the tab-separated pieces of a line, and the line's advance.
std::vector<int> pieceOffsets(const QFontMetrics& metrics, const QStringList& pieces, int& advance)
{
    std::vector<int> offsets;
    int x = 0;
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        if (i > 0)
            x = (x / tabStop(metrics) + 1) * tabStop(metrics);
        offsets.push_back(x);
        x += metrics.horizontalAdvance(pieces[i]);
    }
    advance = x;
    return offsets;
}

int lineAdvance(const QFontMetrics& metrics, const QString& text)
{
    if (!text.contains(u'\t'))
        return metrics.horizontalAdvance(text);
    int advance = 0;
    pieceOffsets(metrics, text.split(u'\t'), advance);
    return advance;
}

TextLine stripPrefixes(const QString& line, const TextFormat& format)
{
    TextLine result;
    for (qsizetype i = 0; i < line.size(); ++i) {
        QChar c = line[i];
        if (c == u'&' && !format.noPrefix) {
            if (++i == line.size())
                break; // a final "&" marks nothing
            c = line[i];
            if (c != u'&')
                result.underline = int(result.text.size());
        }
        // Without tab expansion a tab is no more than a gap of one space.
        result.text += (c == u'\t' && !format.expandTabs) ? QChar(u' ') : c;
    }
    return result;
}

QStringList hardLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
    QStringList lines = unified.split(u'\n');
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast(); // a closing line break opens no further line
    return lines;
}

TextLine slice(const QFontMetrics& metrics, const TextLine& line, qsizetype from, qsizetype to)
{
    TextLine part{line.text.mid(from, to - from), -1, 0};
    if (line.underline >= from && line.underline < to)
        part.underline = int(line.underline - from);
    part.width = lineAdvance(metrics, part.text);
    return part;
}

// Greedy word wrap: a line takes words while they fit; a word that is wider than the
// whole width stands on a line of its own and is not cut.
void wrapLine(const QFontMetrics& metrics, const TextLine& line, int width,
              std::vector<TextLine>& out)
{
    const QString& s = line.text;
    qsizetype lineStart = 0, lineEnd = 0, i = 0;
    while (i < s.size()) {
        qsizetype wordStart = i;
        while (wordStart < s.size() && s[wordStart] == u' ')
            ++wordStart;
        if (wordStart == s.size())
            break;
        qsizetype wordEnd = wordStart;
        while (wordEnd < s.size() && s[wordEnd] != u' ')
            ++wordEnd;
        if (lineEnd > lineStart &&
            lineAdvance(metrics, s.mid(lineStart, wordEnd - lineStart)) > width) {
            out.push_back(slice(metrics, line, lineStart, lineEnd));
            lineStart = wordStart;
        }
        lineEnd = i = wordEnd;
    }
    out.push_back(slice(metrics, line, lineStart, s.size()));
}

int lineLeft(const QRect& rect, int lineWidth, TextAlign align)
{
    switch (align) {
    case TextAlign::Left:
        return rect.left();
    case TextAlign::Center:
        return rect.left() + (rect.width() - lineWidth) / 2;
    case TextAlign::Right:
        return rect.left() + rect.width() - lineWidth;
    }
    return rect.left();
}

void drawUnderline(QPainter& painter, const QFontMetrics& metrics, const TextLine& line, int x,
                   int baseline, bool rtl)
{
    const int before = lineAdvance(metrics, line.text.left(line.underline));
    const int width = metrics.horizontalAdvance(line.text.at(line.underline));
    const int left = rtl ? x + line.width - before - width : x + before;
    painter.fillRect(
        QRect(left, baseline + metrics.underlinePos(), width, std::max(1, metrics.lineWidth())),
        painter.pen().color());
}

void drawLine(QPainter& painter, const QFontMetrics& metrics, const TextLine& line, int x, int top,
              bool rtl)
{
    const int baseline = top + metrics.ascent();
    const QStringList pieces = line.text.split(u'\t');
    int advance = 0;
    const std::vector<int> offsets = pieceOffsets(metrics, pieces, advance);
    for (qsizetype i = 0; i < pieces.size(); ++i) {
        const int width = metrics.horizontalAdvance(pieces[i]);
        const int left = rtl ? x + advance - offsets[size_t(i)] - width : x + offsets[size_t(i)];
        painter.drawText(QPoint(left, baseline), pieces[i]);
    }
    if (line.underline >= 0)
        drawUnderline(painter, metrics, line, x, baseline, rtl);
}

} // namespace

int TextBoxLayout::width() const
{
    int widest = 0;
    for (const TextLine& line : lines)
        widest = std::max(widest, line.width);
    return widest;
}

TextBoxLayout layoutTextBox(const QFontMetrics& metrics, const QString& text, int width,
                            const TextFormat& format)
{
    TextBoxLayout layout;
    layout.lineHeight = metrics.height();
    for (const QString& hardLine : hardLines(text)) {
        TextLine line = stripPrefixes(hardLine, format);
        if (format.wordBreak) {
            wrapLine(metrics, line, width, layout.lines);
        } else {
            line.width = lineAdvance(metrics, line.text);
            layout.lines.push_back(std::move(line));
        }
    }
    return layout;
}

void textBox(QPainter& painter, const QString& text, QRect& rect, const TextFormat& format)
{
    const QFontMetrics metrics = painter.fontMetrics();
    const TextBoxLayout layout = layoutTextBox(metrics, text, rect.width(), format);
    if (format.measure) {
        rect.setSize(QSize(layout.width(), layout.height()));
        return;
    }
    painter.save();
    painter.setClipRect(rect, Qt::IntersectClip);
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setLayoutDirection(format.rtlReading ? Qt::RightToLeft : Qt::LeftToRight);
    int top = rect.top();
    for (const TextLine& line : layout.lines) {
        drawLine(painter, metrics, line, lineLeft(rect, line.width, format.align), top,
                 format.rtlReading);
        top += layout.lineHeight;
    }
    painter.restore();
}

QRect measureTextBox(const QFont& font, const QString& text, QRect rect, TextFormat format)
{
    const TextBoxLayout layout = layoutTextBox(QFontMetrics(font), text, rect.width(), format);
    rect.setSize(QSize(layout.width(), layout.height()));
    return rect;
}

} // namespace wb
