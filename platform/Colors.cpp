#include "platform/Colors.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

// Which palette entry stands for each system colour. The 3-D colours follow the
// roles that Qt's own classic frame drawing uses (light, dark, shadow).
QColor systemColor(TSystemColor color)
{
    const QPalette palette = QGuiApplication::palette();
    switch (color) {
    case TSystemColor::BtnFace:
        return palette.color(QPalette::Active, QPalette::Button);
    case TSystemColor::BtnShadow:
        return palette.color(QPalette::Active, QPalette::Dark);
    case TSystemColor::BtnHighlight:
        return palette.color(QPalette::Active, QPalette::Light);
    case TSystemColor::WindowFrame:
        return palette.color(QPalette::Active, QPalette::Shadow);
    case TSystemColor::WindowText:
        return palette.color(QPalette::Active, QPalette::WindowText);
    case TSystemColor::GrayText:
        return palette.color(QPalette::Disabled, QPalette::WindowText);
    }
    return {};
}

} // namespace

QColor TColor::toQColor() const
{
    if (m_system)
        return systemColor(TSystemColor(m_value));
    return QColor(QRgb(m_value));
}
