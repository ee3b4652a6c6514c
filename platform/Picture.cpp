#include "platform/Picture.h"

#include "platform/Colors.h"

#include <QMouseEvent>
#include <QPainter>

namespace wb {

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TImage::setPicture(const QImage& picture)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    if (!m_picture.isNull())
        resize(m_picture.size());
    updateGeometry();
    update();
}

void TImage::setHandPointer(bool hand)
{
    if (hand)
        setCursor(Qt::PointingHandCursor);
    else
        unsetCursor();
}

QSize TImage::sizeHint() const
{
    return m_picture.isNull() ? QSize(0, 0) : m_picture.size();
}

// Outside the picture, should the control be made larger, lies the button face.
void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_picture);
    const QRegion rest = QRegion(rect()) - QRegion(m_picture.rect());
    for (const QRect& part : rest)
        painter.fillRect(part, clBtnFace.toQColor());
}

void TImage::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    if (OnMouseDown)
        OnMouseDown(*event);
}

void TImage::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMove)
        OnMouseMove(*event);
}

void TImage::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && m_leftPressed) {
        m_leftPressed = false;
        if (rect().contains(event->position().toPoint()) && OnClick)
            OnClick();
    }
    if (OnMouseUp)
        OnMouseUp(*event);
}

} // namespace wb
