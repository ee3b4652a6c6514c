#pragma once
// The pure rules of the shadowed label: where the shadow copy goes, where the text
// block is placed, the bounds an auto-sized label takes, and which character of a
// caption is its mnemonic. Rectangles are given as QRect, but their right and bottom
// edges are read as x + width and y + height, one past the last pixel, as the
// text-box operation measures them.
#include "widgets/LabelTypes.h"

#include <QChar>
#include <QRect>
#include <QString>
#include <optional>

// The displacement of the shadow copy for a shadow `size` pixels long.
QPoint shadowOffset(TShadowPosition position, int size);

// The smallest rectangle that encloses both, empty ones by their corners as well.
QRect enclosingRect(const QRect& a, const QRect& b);

// Where the caption is laid out before any vertical placement: the client rectangle
// less the insets and less one pixel more on either side.
QRect captionWorkingRect(QSize client, int insetLeft, int insetRight);

// For tlCenter and tlBottom: the rectangle the caption is drawn in, from the block of
// text and shadow as measured in the working rectangle. It spans the client width
// less the insets (without the one-pixel narrowing); tlTop leaves `measured` as it is.
QRect placeCaptionBlock(const QRect& measured, QSize client, TTextLayout layout, int insetLeft,
                        int insetRight);

// Alignment as drawn: left and right change places in right-to-left mode.
TAlignment effectiveAlignment(TAlignment alignment, bool rightToLeft);

// The bounds of an auto-sized label whose text and shadow measured `measured` in its
// working rectangle. Width and height are the measured right and bottom edges (plus
// the insets and one pixel on either side), not the measured extent; a right-justified
// label keeps its right edge, any other its left.
QRect fittedBounds(const QRect& bounds, const QRect& measured, TAlignment alignment, int insetLeft,
                   int insetRight);

// The character after the last "&" that is not part of an "&&", if any.
std::optional<QChar> mnemonicCharacter(const QString& text);
