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

void TFlatButton::setGlyph(const QImage& glyph)
{
    m_glyph = glyph;
    setIcon(QIcon(QPixmap::fromImage(glyph)));
    setIconSize(glyph.size());
}
