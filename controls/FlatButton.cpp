#include "controls/FlatButton.h"

#include <QPixmap>

TFlatButton::TFlatButton(QWidget* parent)
    : QToolButton(parent)
{
    setAutoRaise(true);
    setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QToolButton::clicked, this, [this] {
        if (OnClick)
            OnClick();
    });
}

void TFlatButton::setGlyph(const QImage& glyph, const QImage& doubled)
{
    m_glyph = glyph;
    QIcon icon(QPixmap::fromImage(glyph));
    if (!doubled.isNull())
        icon.addPixmap(QPixmap::fromImage(doubled));
    setIcon(icon);
    setIconSize(glyph.size());
}
