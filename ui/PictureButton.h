#pragma once
// A push button made of two pictures of one size at one place: the normal picture,
// which takes the press, move and release events, and the pressed picture shown in its
// stead while the button is held down with the pointer over it. The window owns the
// press flag; this only swaps the pictures and keeps the pointer captured.
#include <QPoint>
#include <QSize>

class QMouseEvent;
class TImage;

namespace wb {

// Whether `at`, relative to a picture's top-left corner, lies on a picture of `size`:
// the last column and row belong to it, the ones after them do not.
bool pointerOnPicture(QPoint at, QSize size);

class PictureButton {
public:
    PictureButton(TImage& normal, TImage& pressed, bool& pressFlag)
        : m_normal(normal)
        , m_pressed(pressed)
        , m_flag(pressFlag)
    {
    }

    // Any button shows the pressed picture; a left press also keeps the pointer
    // captured for the normal picture until the left button is released, though the
    // normal picture is hidden meanwhile.
    void press(const QMouseEvent& event);
    // Shows the pressed picture while the pointer is over the button, the normal one
    // while it is outside; nothing while the flag is clear.
    void move(const QMouseEvent& event);
    // Any release restores the button; a left one also ends the capture.
    void release(const QMouseEvent& event);
    // Normal picture, flag clear, no capture: before the button's action runs.
    void restore();

private:
    void showPressed(bool pressed);

    TImage& m_normal;
    TImage& m_pressed;
    bool& m_flag;
};

} // namespace wb
