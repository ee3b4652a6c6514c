#pragma once
// A picture control: it takes the size of its picture and draws it unscaled at its
// top-left corner, every pixel in its own colour, and hands its mouse events to hooks.
// What a press or a click means is up to the window; the control changes nothing on
// input.
#include <QImage>
#include <QWidget>
#include <functional>

class QMouseEvent;

namespace wb {

// On a screen of a whole scale factor each picture pixel becomes a sharp block of
// device pixels; at 150 % blocks of one and two pixels would alternate and letters in
// the pictures would wobble, so there the picture is smoothed instead.
bool smoothPictureScaling(qreal devicePixelRatio);

// A picture file and its twin for screens of twice the density, drawn at twice the
// size: "side@2x.gif" beside "side.gif". The twin carries a device pixel ratio of 2,
// so it covers the same logical pixels; it is null when there is none.
struct PictureFile {
    QImage picture;
    QImage doubled;
};

QString doubledPicturePath(const QString& path);
// Throws when the picture cannot be read, or when its twin is not twice its size.
PictureFile loadPictureFile(const QString& path);

} // namespace wb

class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget* parent = nullptr);

    const QImage& Picture() const { return m_picture; }
    // The picture painted where a logical pixel has two or more device pixels; null
    // when the picture is scaled up there.
    const QImage& DoubledPicture() const { return m_doubled; }
    // Stores the picture without its alpha channel and takes its size. `doubled`, the
    // same picture at twice the size, is kept only when it is exactly that.
    void setPicture(const QImage& picture, const QImage& doubled = QImage());

    // The hand-pointer cursor over the picture instead of the arrow.
    bool HandPointer() const { return cursor().shape() == Qt::PointingHandCursor; }
    void setHandPointer(bool hand);

    // Every press, move (with or without a button held) and release, in the control's
    // coordinates. A click is a left release over the control after a left press on
    // it; it comes before that release's OnMouseUp.
    std::function<void(QMouseEvent&)> OnMouseDown;
    std::function<void(QMouseEvent&)> OnMouseMove;
    std::function<void(QMouseEvent&)> OnMouseUp;
    std::function<void()> OnClick;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const QImage& pictureFor(qreal devicePixelRatio) const;

    QImage m_picture;
    QImage m_doubled;
    bool m_leftPressed = false;
};
