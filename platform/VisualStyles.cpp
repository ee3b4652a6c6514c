#include "platform/VisualStyles.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <qdrawutil.h>

#include <atomic>

namespace wb {
namespace {

// Qt's styles are part of the toolkit, so loading cannot fail; what is left of it is
// the moment from which controls may draw themed.
std::atomic<bool> styleLibraryLoaded = false;

// The classic raised frame is two pixels wide on each side.
constexpr int kClassicFrameWidth = 2;

} // namespace

void loadStyleLibrary()
{
    styleLibraryLoaded = true;
}

bool isStyleLibraryLoaded()
{
    return styleLibraryLoaded;
}

bool isThemeActive(const QWidget* widget)
{
    const QStyle* style = widget ? widget->style() : QApplication::style();
    return style && style->name().compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0;
}

bool stylesInUse(const QWidget* widget)
{
    return isStyleLibraryLoaded() && isThemeActive(widget);
}

void drawThemeButtonBackground(QPainter& painter, const QWidget* widget, ThemeButtonState state,
                               const QRect& rect)
{
    QStyleOptionButton option;
    option.initFrom(widget);
    option.rect = rect;
    // The button has no hover look and draws its own focus rectangle.
    option.state &= ~(QStyle::State_HasFocus | QStyle::State_MouseOver | QStyle::State_Enabled);
    switch (state) {
    case ThemeButtonState::Base:
        option.state |= QStyle::State_Enabled | QStyle::State_Raised;
        break;
    case ThemeButtonState::Normal:
        option.state |= QStyle::State_Enabled | QStyle::State_Raised;
        option.features |= QStyleOptionButton::DefaultButton;
        break;
    case ThemeButtonState::Pressed:
        option.state |= QStyle::State_Enabled | QStyle::State_Sunken;
        break;
    case ThemeButtonState::Disabled:
        option.state |= QStyle::State_Raised;
        break;
    }
    widget->style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &option, &painter, widget);
}

QRect drawClassicButtonFrame(QPainter& painter, const QRect& rect, bool disabled)
{
    QPalette palette = QApplication::palette();
    palette.setCurrentColorGroup(disabled ? QPalette::Disabled : QPalette::Active);
    const QBrush face = palette.button();
    qDrawWinButton(&painter, rect, palette, false, &face);
    return rect.adjusted(kClassicFrameWidth, kClassicFrameWidth, -kClassicFrameWidth,
                         -kClassicFrameWidth);
}

void drawFocusRect(QPainter& painter, const QRect& rect)
{
    if (rect.isEmpty())
        return;
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    const auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0)
            painter.fillRect(QRect(x, y, 1, 1), Qt::white);
    };
    for (int x = rect.left(); x <= rect.right(); ++x) {
        dot(x, rect.top());
        if (rect.bottom() != rect.top())
            dot(x, rect.bottom());
    }
    for (int y = rect.top() + 1; y < rect.bottom(); ++y) {
        dot(rect.left(), y);
        if (rect.right() != rect.left())
            dot(rect.right(), y);
    }
    painter.restore();
}

} // namespace wb
