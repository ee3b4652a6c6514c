#pragma once
// A drawing canvas (pen, brush, font, text) over QPainter that a control keeps for its
// whole life and binds to a paint device only while it paints. Colours are given as
// TColor and resolved when used; text goes through the text-box operation in the
// canvas's font and text colour.
#include "platform/Colors.h"
#include "platform/TextBox.h"

#include <QFont>
#include <QPainter>
#include <memory>

namespace wb {

class Canvas {
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    void bind(QPaintDevice* device);
    void release();
    bool isBound() const { return m_painter != nullptr; }
    QPainter& painter() { return *m_painter; }

    void setFont(const QFont& font);
    QFont font() const;
    void setTextColor(const QColor& color);

    void fillRect(const QRect& rect, TColor color);
    // A one-pixel outline along the inside of `rect`; the interior stays.
    void frameRect(const QRect& rect, TColor color);
    // A one-pixel outline in `pen` around a fill in `brush`.
    void rectangle(const QRect& rect, TColor pen, TColor brush);
    void drawText(const QString& text, QRect& rect, const TextFormat& format);
    void drawFocusRect(const QRect& rect);

private:
    std::unique_ptr<QPainter> m_painter;
};

// Binds a canvas for the lifetime of the object (one paint).
class CanvasBinding {
public:
    CanvasBinding(Canvas& canvas, QPaintDevice* device)
        : m_canvas(canvas)
    {
        m_canvas.bind(device);
    }
    ~CanvasBinding() { m_canvas.release(); }
    CanvasBinding(const CanvasBinding&) = delete;
    CanvasBinding& operator=(const CanvasBinding&) = delete;

private:
    Canvas& m_canvas;
};

} // namespace wb
