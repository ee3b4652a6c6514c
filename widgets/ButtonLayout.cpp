#include "widgets/ButtonLayout.h"

namespace wb {

// All divisions truncate toward zero, so a group that does not fit gets a negative
// margin and reaches out of the content rectangle on both sides.
GlyphCaptionPlacement placeGlyphAndCaption(const QRect& content, QSize glyph, QSize caption,
                                           TButtonLayout layout, int margin, int spacing)
{
    const int width = content.width(), height = content.height();
    const int gw = glyph.width(), gh = glyph.height();
    const int tw = caption.width(), th = caption.height();
    const bool sideBySide = layout == blGlyphLeft || layout == blGlyphRight;

    int gx = 0, gy = 0, tx = 0, ty = 0;
    if (sideBySide) {
        gy = (height - gh + 1) / 2;
        ty = (height - th + 1) / 2;
    } else {
        gx = (width - gw + 1) / 2;
        tx = (width - tw + 1) / 2;
    }

    if (tw == 0 || gw == 0)
        spacing = 0;

    const int room = sideBySide ? width : height;
    const int glyphLength = sideBySide ? gw : gh;
    const int captionLength = sideBySide ? tw : th;
    if (margin == -1 && spacing == -1) {
        margin = (room - (glyphLength + captionLength)) / 3;
        spacing = margin;
    } else if (margin == -1) {
        margin = (room - (glyphLength + spacing + captionLength) + 1) / 2;
    } else if (spacing == -1) {
        spacing = (room - (margin + glyphLength) - captionLength) / 2;
    }

    switch (layout) {
    case blGlyphLeft:
        gx = margin;
        tx = gx + gw + spacing;
        break;
    case blGlyphRight:
        gx = width - margin - gw;
        tx = gx - spacing - tw;
        break;
    case blGlyphTop:
        gy = margin;
        ty = gy + gh + spacing;
        break;
    case blGlyphBottom:
        gy = height - margin - gh;
        ty = gy - spacing - th;
        break;
    }
    const QPoint origin = content.topLeft();
    return {origin + QPoint(gx, gy), QRect(origin + QPoint(tx, ty), caption)};
}

} // namespace wb
