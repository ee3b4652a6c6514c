#include "widgets/LabelLayout.h"

#include <algorithm>

namespace {

int rightOf(const QRect& r)
{
    return r.x() + r.width();
}

int bottomOf(const QRect& r)
{
    return r.y() + r.height();
}

QRect fromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, right - left, bottom - top);
}

} // namespace

QPoint shadowOffset(TShadowPosition position, int size)
{
    switch (position) {
    case spLeftTop:
        return {-size, -size};
    case spLeftBottom:
        return {-size, size};
    case spRightBottom:
        return {size, size};
    case spRightTop:
        return {size, -size};
    }
    return {};
}

QRect enclosingRect(const QRect& a, const QRect& b)
{
    return fromEdges(std::min(a.x(), b.x()), std::min(a.y(), b.y()),
                     std::max(rightOf(a), rightOf(b)), std::max(bottomOf(a), bottomOf(b)));
}

QRect captionWorkingRect(QSize client, int insetLeft, int insetRight)
{
    return fromEdges(1 + insetLeft, 0, client.width() - 1 - insetRight, client.height());
}

QRect placeCaptionBlock(const QRect& measured, QSize client, TTextLayout layout, int insetLeft,
                        int insetRight)
{
    if (layout == tlTop)
        return measured;
    const QRect block =
        fromEdges(insetLeft, measured.y(), client.width() - insetRight, bottomOf(measured));
    const int room = client.height() - bottomOf(measured);
    // Integer division truncates toward zero, also when the block is higher than the label.
    return block.translated(0, layout == tlBottom ? room : room / 2);
}

TAlignment effectiveAlignment(TAlignment alignment, bool rightToLeft)
{
    if (!rightToLeft || alignment == taCenter)
        return alignment;
    return alignment == taLeftJustify ? taRightJustify : taLeftJustify;
}

QRect fittedBounds(const QRect& bounds, const QRect& measured, TAlignment alignment, int insetLeft,
                   int insetRight)
{
    const QRect text = fromEdges(measured.x() - insetLeft - 1, measured.y(),
                                 rightOf(measured) + insetRight + 1, bottomOf(measured));
    int left = bounds.x();
    if (alignment == taRightJustify)
        left += bounds.width() - rightOf(text);
    return QRect(left, bounds.y(), rightOf(text), bottomOf(text));
}

std::optional<QChar> mnemonicCharacter(const QString& text)
{
    std::optional<QChar> mnemonic;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate()) {
            ++i; // the pair stands for one character
            continue;
        }
        if (text[i] != u'&' || i + 1 == text.size())
            continue;
        const QChar next = text[++i];
        if (next.isHighSurrogate())
            ++i;
        else if (next != u'&')
            mnemonic = next;
    }
    return mnemonic;
}
