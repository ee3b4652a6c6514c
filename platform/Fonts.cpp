#include "platform/Fonts.h"

#include <QFontDatabase>
#include <algorithm>

namespace wb {

namespace {

// Measured at the design sizes: Liberation Sans sets "Suchen..." 46 px wide at 11 px,
// as the design face does; Open Sans Extrabold comes nearest to the heavy face's
// width and line height; Liberation Sans Narrow has the narrow face's metrics.
QList<FontStandIn> lookAlikes(const QString& designFace)
{
    if (designFace == QLatin1String(kSansSerifFace))
        return {{"Liberation Sans"}, {"Arimo"}, {"DejaVu Sans Condensed"}, {"DejaVu Sans"}};
    if (designFace == QLatin1String(kHeavyFace))
        return {{"Open Sans", QFont::ExtraBold},
                {"DejaVu Sans", QFont::Bold},
                {"Liberation Sans", QFont::Bold}};
    if (designFace == QLatin1String(kNarrowFace))
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

QList<FontStandIn> fontStandIns(const QString& designFace)
{
    QList<FontStandIn> chain{{designFace}};
    chain += lookAlikes(designFace);
    return chain;
}

FontStandIn installedStandIn(const QString& designFace)
{
    for (const FontStandIn& standIn : fontStandIns(designFace))
        if (QFontDatabase::hasFamily(standIn.family) &&
            hasWeight(standIn.family, standIn.regularWeight))
            return standIn;
    return {};
}

QFont designFont(const QString& designFace, int pixelSize, QFont::Weight weight)
{
    const FontStandIn standIn = installedStandIn(designFace);
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
    return designFont(kSansSerifFace, 11);
}

QFont defaultBoldFont()
{
    return designFont(kSansSerifFace, 11, QFont::Bold);
}

} // namespace wb
