#include "controls/PageControl.h"

#include "controls/ImageList.h"

#include <QHoverEvent>
#include <QPainter>

void wb::paintHotTab(QPainter& painter, const QRect& tabRect, const QPalette& palette)
{
    const QRect face = tabRect.adjusted(2, 2, -2, 0);
    QColor wash = palette.color(QPalette::Highlight);
    wash.setAlpha(48);
    painter.fillRect(face, wash);
    painter.fillRect(QRect(face.left(), face.top(), face.width(), 2),
                     palette.color(QPalette::Highlight));
}

THotTabBar::THotTabBar(QWidget* parent)
    : QTabBar(parent)
{
    setAttribute(Qt::WA_Hover);
    connect(this, &QTabBar::currentChanged, this, [this](int current) {
        if (m_hot == current)
            setHot(-1);
    });
}

void THotTabBar::setHotTrack(bool hotTrack)
{
    if (m_hotTrack == hotTrack)
        return;
    m_hotTrack = hotTrack;
    setHot(-1);
}

bool THotTabBar::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
        updateHot(static_cast<QHoverEvent*>(event)->position().toPoint());
        break;
    case QEvent::HoverLeave:
    case QEvent::Hide:
        setHot(-1);
        break;
    default:
        break;
    }
    return QTabBar::event(event);
}

void THotTabBar::paintEvent(QPaintEvent* event)
{
    QTabBar::paintEvent(event);
    if (m_hot < 0 || m_hot >= count())
        return;
    QPainter painter(this);
    wb::paintHotTab(painter, tabRect(m_hot), palette());
}

void THotTabBar::setHot(int index)
{
    if (m_hot == index)
        return;
    if (m_hot >= 0)
        update(tabRect(m_hot));
    m_hot = index;
    if (m_hot >= 0)
        update(tabRect(m_hot));
}

// The current tab is never shown as hot: it already stands out.
void THotTabBar::updateHot(QPoint position)
{
    const int index = m_hotTrack ? tabAt(position) : -1;
    setHot(index == currentIndex() ? -1 : index);
}

TPageControl::TPageControl(QWidget* parent)
    : QTabWidget(parent)
    , m_tabBar(new THotTabBar(this))
{
    setTabBar(m_tabBar);
}

void TPageControl::setImages(const TImageList& images)
{
    m_icons.clear();
    // Given both, the icon takes the doubled one on a screen of twice the density.
    for (int i = 0; i < images.count(); ++i) {
        QIcon& icon = m_icons.emplace_back(QPixmap::fromImage(images.image(i)));
        if (!images.doubled(i).isNull())
            icon.addPixmap(QPixmap::fromImage(images.doubled(i)));
    }
    setIconSize(QSize(images.width(), images.height()));
    for (int tab = 0; tab < count(); ++tab) {
        const QVariant index = m_tabBar->tabData(tab);
        setImageIndex(tab, index.isValid() ? index.toInt() : -1);
    }
}

int TPageControl::addPage(QWidget* page, const QString& caption, int imageIndex)
{
    const int tab = addTab(page, caption);
    setImageIndex(tab, imageIndex);
    return tab;
}

// The index stays with the tab, so images given later still reach it.
void TPageControl::setImageIndex(int tab, int imageIndex)
{
    m_tabBar->setTabData(tab, imageIndex);
    const bool known = imageIndex >= 0 && imageIndex < int(m_icons.size());
    setTabIcon(tab, known ? m_icons[size_t(imageIndex)] : QIcon());
}
