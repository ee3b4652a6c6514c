#include "widgets/ButtonFrame.h"

#include "platform/Canvas.h"
#include "platform/VisualStyles.h"

namespace {

QRect shrunk(const QRect& rect)
{
    return rect.adjusted(1, 1, -1, -1);
}

// The style's push-button shape over the button's colour, which shows wherever the
// shape leaves the corners free.
class ThemedFrame : public ButtonFrame {
public:
    QRect paint(wb::Canvas& canvas, const QWidget* button, const QRect& client,
                const FrameRequest& request) const override
    {
        const TColor color = TColor::fromQColor(request.color);
        canvas.rectangle(client, color, color);
        if (request.pressed) {
            wb::drawThemeButtonBackground(canvas.painter(), button, wb::ThemeButtonState::Pressed,
                                          client);
            return shrunk(client);
        }
        const auto state = request.disabled                       ? wb::ThemeButtonState::Disabled
                           : (request.active || request.hasFocus) ? wb::ThemeButtonState::Normal
                                                                  : wb::ThemeButtonState::Base;
        wb::drawThemeButtonBackground(canvas.painter(), button, state, client);
        return client;
    }
};

// The raised bevel; an active button gets a frame-coloured outline around it, and a
// pressed one is flat with a shadow outline rather than a sunken bevel.
class ClassicFrame : public ButtonFrame {
public:
    QRect paint(wb::Canvas& canvas, const QWidget*, const QRect& client,
                const FrameRequest& request) const override
    {
        QRect rect = client;
        if (request.active || request.hasFocus) {
            canvas.frameRect(rect, clWindowFrame);
            rect = shrunk(rect);
        }
        if (request.pressed) {
            canvas.rectangle(rect, clBtnShadow, clBtnFace);
            return shrunk(rect);
        }
        return wb::drawClassicButtonFrame(canvas.painter(), rect, request.disabled);
    }
};

} // namespace

const ButtonFrame& buttonFrame(bool stylesInUse)
{
    static const ThemedFrame themed;
    static const ClassicFrame classic;
    if (stylesInUse)
        return themed;
    return classic;
}
