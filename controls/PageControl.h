#pragma once
// A page control: tab pages with small icons from an image list and, when hot tracking
// is on, the tab under the pointer highlighted. Qt's styles draw no hover state on tabs,
// so the tab bar marks the hot tab itself on top of what the style draws. It holds no
// page contents of its own.
#include <QTabBar>
#include <QTabWidget>

class TImageList;

namespace wb {

// The mark of a hot tab: a faint wash over the tab's face and a two-pixel line along
// its top, in the palette's highlight colour.
void paintHotTab(QPainter& painter, const QRect& tabRect, const QPalette& palette);

} // namespace wb

class THotTabBar : public QTabBar {
    Q_OBJECT

public:
    explicit THotTabBar(QWidget* parent = nullptr);

    bool HotTrack() const { return m_hotTrack; }
    void setHotTrack(bool hotTrack);
    // The tab shown as hot: the one under the pointer unless it is the current one;
    // -1 for none.
    int hotIndex() const { return m_hot; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void setHot(int index);
    void updateHot(QPoint position);

    bool m_hotTrack = false;
    int m_hot = -1;
};

class TPageControl : public QTabWidget {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);

    bool HotTrack() const { return m_tabBar->HotTrack(); }
    void setHotTrack(bool hotTrack) { m_tabBar->setHotTrack(hotTrack); }
    THotTabBar* hotTabBar() const { return m_tabBar; }

    // The icons of the tabs come from `images` (copied now), shown at its cell size;
    // images with a doubled twin show it on screens of twice the density.
    void setImages(const TImageList& images);
    // Adds `page` as the last tab, with the image at `imageIndex` (-1 for none).
    int addPage(QWidget* page, const QString& caption, int imageIndex);
    void setImageIndex(int tab, int imageIndex);

private:
    THotTabBar* m_tabBar;
    std::vector<QIcon> m_icons;
};
