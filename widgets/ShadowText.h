#pragma once
// Drawing a caption twice: a copy displaced in the shadow colour, then the text over
// it. It draws or measures through the text-box operation and owns no state; what to
// draw comes from the label as a CaptionStyle.
#include "platform/Colors.h"
#include "platform/TextBox.h"
#include "widgets/LabelTypes.h"

#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

struct LabelShadow {
    TShadowPosition position = spLeftTop;
    int size = 1;
    TColor color = clBtnHighlight;
};

// The shadow a label draws: its own while enabled; while disabled always in the
// button highlight colour, and one pixel to the lower right when it has no size.
LabelShadow effectiveShadow(const LabelShadow& own, bool enabled);

// Everything about the label that decides how its caption looks.
struct CaptionStyle {
    QString text;
    QFont font;
    TColor textColor = clWindowText; // while enabled
    LabelShadow shadow;
    bool enabled = true;
    bool showAccelChar = true;
    bool rightToLeft = false;
};

// Draws (or measures) `text` in `rect` with its shadow copy in the painter's font;
// afterwards `rect` encloses the text's rectangle and the shadow's.
void DrawTextWithShadow(QPainter& surface, const QString& text, QRect& rect,
                        const wb::TextFormat& format, int shadowSize, QRgb shadowColor,
                        TShadowPosition shadowPosition);

// The label's caption as `style` asks, drawn or measured through DrawTextWithShadow.
// An empty caption, and a lone "&" while it marks a mnemonic, measure as one space,
// so an empty label is one line high.
void renderCaption(QPainter& surface, const CaptionStyle& style, QRect& rect,
                   wb::TextFormat format);
