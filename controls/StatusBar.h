#pragma once
// A status bar with a single owner-drawn panel: a 19-pixel bar with Qt's size grip at
// its right end, whose one panel spans the bar and is painted by the OnDrawPanel hook.
// It shows no text of its own.
#include <QRect>
#include <QWidget>
#include <functional>

class QPainter;
class QSizeGrip;

namespace wb {

// The owner-drawn panel inside a bar of `size`: below a two-pixel gap along the top,
// inside a one-pixel sunken frame, and left of the size grip when one is shown
// (`gripWidth` 0 for none).
QRect statusPanelRect(QSize size, int gripWidth);

} // namespace wb

class TStatusBar : public QWidget {
    Q_OBJECT

public:
    static constexpr int DefaultHeight = 19;

    explicit TStatusBar(QWidget* parent = nullptr);

    // Called on every paint of the bar, after the panel's background, with the panel's
    // rectangle; the painter is clipped to the region being painted.
    std::function<void(QPainter&, const QRect&)> OnDrawPanel;

    QRect panelRect() const;
    QSizeGrip* sizeGrip() const { return m_grip; }

    // Paints `strip` of the bar now, panel hook included, without waiting for the event
    // loop: for a caller that keeps the loop busy and must still be seen.
    void paintNow(const QRect& strip);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    int gripWidth() const;
    void placeGrip();

    QSizeGrip* m_grip;
};
