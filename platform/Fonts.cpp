#include "platform/Fonts.h"

#include <QFontDatabase>
#include <algorithm>

namespace wb {

namespace {

// Measured at the layouts' sizes: Liberation Sans sets "Suchen..." 46 px wide at 11 px,
// as the layout's own face does; Open Sans Extrabold comes nearest to the heavy face's
// width and line height; Liberation Sans Narrow has the narrow face's metrics.
QList<FontStandIn> lookAlikes(const QString& layoutFace)
{
    if (layoutFace == QLatin1String(kSansSerifFace))
        return {{"Liberation Sans"}, {"Arimo"}, {"DejaVu Sans Condensed"}, {"DejaVu Sans"}};
    if (layoutFace == QLatin1String(kHeavyFace))
        return {{"Open Sans", QFont::ExtraBold},
                {"DejaVu Sans", QFont::Bold},
                {"Liberation Sans", QFont::Bold}};
    if (layoutFace == QLatin1String(kNarrowFace))
        return {{"Liberation Sans Narrow"}, {"DejaVu Sans Condensed"}};
    return {};
}

bool hasWeight(const QString& family, QFont::Weight weight)
{
    if (weight == QFont::Normal)
        return true;
    const QStringList styles = QFontDatabase::styles(family);
    for (const QString& style : styles)
        if (QFontDatabase::weight(family, style) >= weight)
            return true;
    return false;
}

} // namespace

QList<FontStandIn> fontStandIns(const QString& layoutFace)
{
    QList<FontStandIn> chain{{layoutFace}};
    chain += lookAlikes(layoutFace);
    return chain;
}

FontStandIn installedStandIn(const QString& layoutFace)
{
    for (const FontStandIn& standIn : fontStandIns(layoutFace))
        if (QFontDatabase::hasFamily(standIn.family) &&
            hasWeight(standIn.family, standIn.regularWeight))
            return standIn;
    return {};
}

QFont layoutFont(const QString& layoutFace, int pixelSize, QFont::Weight weight)
{
    const FontStandIn standIn = installedStandIn(layoutFace);
    QFont font;
    // An empty family leaves the choice to the desktop's font matching.
    font.setFamilies({standIn.family.isEmpty() ? QStringLiteral("sans-serif") : standIn.family});
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelSize);
    font.setWeight(std::max(weight, standIn.regularWeight));
    return font;
}

QFont defaultFont()
{
    return layoutFont(kSansSerifFace, 11);
}

QFont defaultBoldFont()
{
    return layoutFont(kSansSerifFace, 11, QFont::Bold);
}

} // namespace wb
