#include "ui/PictureButton.h"

#include "controls/Picture.h"

#include <QMouseEvent>

namespace wb {

bool pointerOnPicture(QPoint at, QSize size)
{
    return at.x() >= 0 && at.x() < size.width() && at.y() >= 0 && at.y() < size.height();
}

void PictureButton::press(const QMouseEvent& event)
{
    showPressed(true);
    m_flag = true;
    // Hiding the picture that took the press ends Qt's implicit grab, and the moves and
    // the release would then reach no one; an explicit grab outlives the hiding.
    if (event.button() == Qt::LeftButton)
        m_normal.grabMouse();
}

void PictureButton::move(const QMouseEvent& event)
{
    if (!m_flag)
        return;
    showPressed(pointerOnPicture(event.position().toPoint(), m_normal.size()));
}

void PictureButton::release(const QMouseEvent& event)
{
    showPressed(false);
    m_flag = false;
    if (event.button() == Qt::LeftButton && QWidget::mouseGrabber() == &m_normal)
        m_normal.releaseMouse();
}

void PictureButton::restore()
{
    showPressed(false);
    m_flag = false;
    // The action may open a modal window, which needs the pointer.
    if (QWidget::mouseGrabber() == &m_normal)
        m_normal.releaseMouse();
}

// The picture to be seen is shown before the other is hidden, so that nothing
// beneath them shows through in between.
void PictureButton::showPressed(bool pressed)
{
    TImage& seen = pressed ? m_pressed : m_normal;
    TImage& hidden = pressed ? m_normal : m_pressed;
    seen.show();
    hidden.hide();
}

} // namespace wb
