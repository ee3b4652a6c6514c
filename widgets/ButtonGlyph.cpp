#include "widgets/ButtonGlyph.h"

#include "platform/Canvas.h"
#include "platform/PixelMask.h"
#include "widgets/ButtonLayout.h"
#include "widgets/GlyphCache.h"

namespace {

QSize measureCaption(wb::Canvas& canvas, const QString& caption, int width)
{
    if (caption.isEmpty())
        return {0, 0};
    QRect box(0, 0, width, 0);
    canvas.drawText(caption, box, {.measure = true});
    return box.size();
}

} // namespace

TButtonGlyph::TButtonGlyph(std::function<void()> changed)
    : m_transparentColor(clOlive.rgb())
    , m_changed(std::move(changed))
{
    TGlyphCache::obtain();
}

TButtonGlyph::~TButtonGlyph()
{
    releaseStateImages();
    TGlyphCache::destroyIfEmpty();
}

void TButtonGlyph::setGlyph(const QImage& image)
{
    releaseStateImages();
    m_source = image;
    if (!image.isNull() && image.height() > 0 && image.width() % image.height() == 0) {
        int cells = image.width() / image.height();
        if (cells > 4)
            cells = 1;
        if (cells != 0)
            m_numGlyphs = cells;
    }
    sourceChanged();
}

void TButtonGlyph::setNumGlyphs(int count)
{
    if (count == m_numGlyphs || count == 0)
        return;
    releaseStateImages();
    m_numGlyphs = count;
    sourceChanged();
}

QSize TButtonGlyph::cellSize() const
{
    if (m_source.isNull())
        return {0, 0};
    return {m_source.width() / m_numGlyphs, m_source.height()};
}

void TButtonGlyph::sourceChanged()
{
    if (!m_source.isNull() && m_source.height() > 0)
        m_transparentColor =
            m_source.depth() == 1 ? clWhite.rgb() : m_source.pixel(0, m_source.height() - 1);
    releaseStateImages();
    if (m_changed)
        m_changed();
}

int TButtonGlyph::prepareStateImage(TGlyphState state)
{
    if (state == gsDown && m_numGlyphs < 3)
        state = gsUp;
    int& slot = m_slots[state];
    if (slot != -1)
        return slot;
    if (m_source.width() == 0 || m_source.height() == 0)
        return -1;
    const QSize cell = cellSize();
    if (!m_list)
        m_list = TGlyphCache::obtain().getList(cell.width(), cell.height());
    const int sourceCell = state < m_numGlyphs ? state : 0;
    const QRect area(QPoint(sourceCell * cell.width(), 0), cell);
    const QImage work = state == gsDisabled
                            ? disabledImage(area)
                            : m_source.copy(area).convertToFormat(QImage::Format_ARGB32);
    slot = m_list->addMasked(work, TImageList::defaultMaskColor(work));
    return slot;
}

// With a disabled cell of its own, that cell is shown in the current 3-D colours;
// otherwise the first cell's dark pixels are embossed onto the button face.
QImage TButtonGlyph::disabledImage(const QRect& cell) const
{
    using wb::PixelMask;
    QImage work;
    if (m_numGlyphs >= 2) {
        work = m_source.copy(cell).convertToFormat(QImage::Format_ARGB32);
        PixelMask::matching(m_source, cell, clWhite.rgb())
            .paintInto(work, clBtnHighlight.toQColor());
        PixelMask::matching(m_source, cell, clGray.rgb()).paintInto(work, clBtnShadow.toQColor());
        PixelMask::matching(m_source, cell, m_transparentColor)
            .paintInto(work, clBtnFace.toQColor());
        return work;
    }
    const QRect first(QPoint(0, 0), cell.size());
    const PixelMask dark = m_source.depth() == 1
                               ? PixelMask::zeroBits(m_source, first)
                               : PixelMask::matching(m_source, first, clBlack.rgb());
    work = QImage(cell.size(), QImage::Format_ARGB32);
    work.fill(clBtnFace.toQColor());
    dark.paintInto(work, clBtnHighlight.toQColor(), QPoint(1, 1));
    dark.paintInto(work, clBtnShadow.toQColor());
    return work;
}

void TButtonGlyph::releaseStateImages()
{
    if (!m_list)
        return;
    for (int& slot : m_slots) {
        if (slot != -1)
            m_list->releaseSlot(slot);
        slot = -1;
    }
    if (TGlyphCache* cache = TGlyphCache::instance())
        cache->returnList(m_list);
    m_list = nullptr;
}

QRect TButtonGlyph::draw(wb::Canvas& canvas, const QRect& content, const GlyphDrawing& drawing)
{
    const QSize caption = measureCaption(canvas, drawing.caption, content.width());
    const wb::GlyphCaptionPlacement place = wb::placeGlyphAndCaption(
        content, cellSize(), caption, drawing.layout, drawing.margin, drawing.spacing);
    if (const int slot = prepareStateImage(drawing.state); slot != -1)
        m_list->draw(canvas.painter(), slot, place.glyph);
    drawCaption(canvas, place.caption, drawing);
    return place.caption;
}

void TButtonGlyph::drawCaption(wb::Canvas& canvas, QRect box, const GlyphDrawing& drawing) const
{
    if (drawing.caption.isEmpty())
        return;
    const wb::TextFormat format{.align = wb::TextAlign::Center, .rtlReading = drawing.rightToLeft};
    if (drawing.state == gsDisabled) {
        QRect raised = box.translated(1, 1);
        canvas.setTextColor(clBtnHighlight.toQColor());
        canvas.drawText(drawing.caption, raised, format);
        canvas.setTextColor(clBtnShadow.toQColor());
    } else {
        canvas.setTextColor(drawing.textColor);
    }
    canvas.drawText(drawing.caption, box, format);
}
