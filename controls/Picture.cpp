#include "controls/Picture.h"

#include "platform/Colors.h"

#include <QAccessibleWidget>
#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <stdexcept>

namespace {

// A picture that clicks is a button to a screen reader, and its press action clicks it;
// any other picture is a graphic.
class AccessiblePicture : public QAccessibleWidget {
public:
    explicit AccessiblePicture(TImage* picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    {
    }

    // Asked each time: the click handler may be set after the interface was made.
    QAccessible::Role role() const override
    {
        return picture().OnClick ? QAccessible::Button : QAccessible::Graphic;
    }

    QStringList actionNames() const override
    {
        QStringList names = QAccessibleWidget::actionNames();
        if (picture().OnClick)
            names.prepend(pressAction());
        return names;
    }

    void doAction(const QString& action) override
    {
        if (action == pressAction() && picture().OnClick && picture().isEnabled())
            picture().OnClick();
        else
            QAccessibleWidget::doAction(action);
    }

private:
    TImage& picture() const { return static_cast<TImage&>(*widget()); }
};

QAccessibleInterface* accessiblePicture(const QString&, QObject* object)
{
    if (auto* picture = qobject_cast<TImage*>(object))
        return new AccessiblePicture(picture);
    return nullptr;
}

} // namespace

TImage::TImage(QWidget* parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    static const bool factoryInstalled = (QAccessible::installFactory(accessiblePicture), true);
    (void)factoryInstalled;
}

QString wb::doubledPicturePath(const QString& path)
{
    const QFileInfo file(path);
    const QString suffix = file.suffix();
    const QString base = suffix.isEmpty() ? path : path.left(path.size() - suffix.size() - 1);
    return suffix.isEmpty() ? base + QLatin1String("@2x") : base + QLatin1String("@2x.") + suffix;
}

wb::PictureFile wb::loadPictureFile(const QString& path)
{
    PictureFile file{QImage(path), {}};
    if (file.picture.isNull())
        throw std::runtime_error("missing picture " + path.toStdString());
    const QString twin = doubledPicturePath(path);
    if (!QFileInfo::exists(twin))
        return file;
    file.doubled = QImage(twin);
    if (file.doubled.size() != file.picture.size() * 2)
        throw std::runtime_error("picture " + twin.toStdString() + " is not twice the size of " +
                                 path.toStdString());
    file.doubled.setDevicePixelRatio(2); // Qt's reader does so too, from the name
    return file;
}

void TImage::setPicture(const QImage& picture, const QImage& doubled)
{
    m_picture = picture.convertToFormat(QImage::Format_RGB32);
    m_doubled = doubled.size() == m_picture.size() * 2 && !m_picture.isNull()
                    ? doubled.convertToFormat(QImage::Format_RGB32)
                    : QImage();
    m_doubled.setDevicePixelRatio(2);
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

bool wb::smoothPictureScaling(qreal devicePixelRatio)
{
    return devicePixelRatio != std::floor(devicePixelRatio);
}

const QImage& TImage::pictureFor(qreal devicePixelRatio) const
{
    return devicePixelRatio > 1 && !m_doubled.isNull() ? m_doubled : m_picture;
}

// Outside the picture, should the control be made larger, lies the button face. The
// scale is read from the painter, which also knows it when the control is rendered
// into an image of another ratio than the screen's.
void TImage::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    const qreal ratio = std::abs(painter.deviceTransform().m11());
    const QImage& shown = pictureFor(ratio);
    painter.setRenderHint(QPainter::SmoothPixmapTransform,
                          wb::smoothPictureScaling(ratio / shown.devicePixelRatio()));
    painter.drawImage(0, 0, shown); // a doubled picture covers the same logical pixels
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
