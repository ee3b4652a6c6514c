#pragma once
// The one place where the themed and the classic bitmap button differ: what is drawn
// under glyph and caption, and how much room that leaves for them.
#include <QColor>
#include <QRect>

class QWidget;
namespace wb {
class Canvas;
}

struct FrameRequest {
    bool pressed = false;
    bool hasFocus = false;
    bool disabled = false;
    bool active = false;
    QColor color; // the button's colour: its parent's
};

class ButtonFrame {
public:
    virtual ~ButtonFrame() = default;
    // Paints the frame for `request` into `client`; returns the rectangle left for
    // the content.
    virtual QRect paint(wb::Canvas& canvas, const QWidget* button, const QRect& client,
                        const FrameRequest& request) const = 0;
};

const ButtonFrame& buttonFrame(bool stylesInUse);
