#pragma once
// The glyph of one bitmap button: the image strip with one cell per drawing state,
// the display images prepared from it (kept in a shared glyph list), and the layout
// and drawing of glyph and caption. It knows nothing of the button's frame or focus.
#include "widgets/ButtonTypes.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <array>
#include <functional>

class TGlyphList;
namespace wb {
class Canvas;
}

// What the glyph draws besides the picture.
struct GlyphDrawing {
    QString caption;
    TButtonLayout layout = blGlyphLeft;
    int margin = -1;
    int spacing = 4;
    TGlyphState state = gsUp;
    QColor textColor;
    bool rightToLeft = false;
};

class TButtonGlyph {
public:
    // `changed` runs after every change of the image (the owner repaints).
    explicit TButtonGlyph(std::function<void()> changed = {});
    ~TButtonGlyph();
    TButtonGlyph(const TButtonGlyph&) = delete;
    TButtonGlyph& operator=(const TButtonGlyph&) = delete;

    const QImage& Glyph() const { return m_source; }
    void setGlyph(const QImage& image);
    int NumGlyphs() const { return m_numGlyphs; }
    // 0 and the current count are ignored.
    void setNumGlyphs(int count);

    // The colour that counts as background in the source image.
    QRgb transparentColor() const { return m_transparentColor; }
    // (source width div cell count, source height); (0, 0) without an image.
    QSize cellSize() const;

    // The slot of the display image for `state` in glyphList(), prepared on first use;
    // -1 without an image.
    int prepareStateImage(TGlyphState state);
    void releaseStateImages();
    const TGlyphList* glyphList() const { return m_list; }

    // Lays glyph and caption out in `content` and draws both; returns the caption box.
    QRect draw(wb::Canvas& canvas, const QRect& content, const GlyphDrawing& drawing);

private:
    void sourceChanged();
    QImage disabledImage(const QRect& cell) const;
    void drawCaption(wb::Canvas& canvas, QRect box, const GlyphDrawing& drawing) const;

    QImage m_source;
    TGlyphList* m_list = nullptr;
    std::array<int, 3> m_slots = {-1, -1, -1};
    QRgb m_transparentColor;
    int m_numGlyphs = 1;
    std::function<void()> m_changed;
};
