#pragma once
// Where a button puts its glyph and its caption inside the content rectangle. A pure
// function of sizes and settings, so the integer rules can be checked without a window.
#include "widgets/ButtonTypes.h"

#include <QRect>

namespace wb {

struct GlyphCaptionPlacement {
    QPoint glyph;  // top-left pixel of the glyph cell
    QRect caption; // the caption's box
};

// `glyph` is the cell size ((0, 0) for no glyph), `caption` the measured caption size
// ((0, 0) for no caption). A margin of -1 centres the group; a spacing of -1 spreads
// the parts out evenly.
GlyphCaptionPlacement placeGlyphAndCaption(const QRect& content, QSize glyph, QSize caption,
                                           TButtonLayout layout, int margin, int spacing);

} // namespace wb
