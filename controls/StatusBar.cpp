#include "controls/StatusBar.h"

#include "controls/Panel.h"
#include "platform/Colors.h"

#include <QPaintEvent>
#include <QPainter>
#include <QSizeGrip>

QRect wb::statusPanelRect(QSize size, int gripWidth)
{
    const QRect frame(0, 2, std::max(0, size.width() - gripWidth), std::max(0, size.height() - 2));
    return frame.adjusted(1, 1, -1, -1);
}

TStatusBar::TStatusBar(QWidget* parent)
    : QWidget(parent)
    , m_grip(new QSizeGrip(this))
{
    // Every pixel is painted here, so a strip painted on its own needs no erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(width(), DefaultHeight);
    placeGrip();
}

QRect TStatusBar::panelRect() const
{
    return wb::statusPanelRect(size(), gripWidth());
}

void TStatusBar::paintNow(const QRect& strip)
{
    repaint(strip & rect());
}

QSize TStatusBar::sizeHint() const
{
    return {QWidget::sizeHint().width(), DefaultHeight};
}

void TStatusBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), clBtnFace.toQColor());
    const QRect panel = panelRect();
    wb::drawBevel(painter, panel.adjusted(-1, -1, 1, 1), TBevel::Lowered);
    if (OnDrawPanel)
        OnDrawPanel(painter, panel);
}

void TStatusBar::resizeEvent(QResizeEvent*)
{
    placeGrip();
}

// The grip hides itself while its window is maximised; the panel then runs to the end.
int TStatusBar::gripWidth() const
{
    return m_grip->isVisibleTo(this) ? m_grip->width() : 0;
}

void TStatusBar::placeGrip()
{
    const QSize grip = m_grip->sizeHint().boundedTo(size());
    m_grip->setGeometry(width() - grip.width(), height() - grip.height(), grip.width(),
                        grip.height());
}
