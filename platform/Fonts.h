#pragma once
// The typefaces the windows were laid out in, found among the installed fonts. Each
// layout face has a chain of stand-ins of the same pixel height and similar width and
// weight: the layout face itself when it is installed, then installed look-alikes,
// then the desktop's generic sans serif. A missing face changes the look of a text,
// never a position or a size, because every font is asked for by pixel height.
// This knows nothing of which control uses which face; the layouts say that.
#include <QFont>
#include <QString>
#include <QStringList>

namespace wb {

// The faces the layouts name.
inline constexpr const char* kSansSerifFace = "MS Sans Serif"; // default, 11 px
inline constexpr const char* kHeavyFace = "Arial Black";       // side titles, 19 px
inline constexpr const char* kNarrowFace = "Arial Narrow";     // About slogan, 24 px bold

struct FontStandIn {
    QString family;
    // The weight the stand-in is drawn in when the layout asks for a regular weight;
    // a heavy layout face needs the heavy cut of an ordinary family.
    QFont::Weight regularWeight = QFont::Normal;
};

// The stand-ins for `layoutFace`, best first; the layout face itself leads the list.
// An unknown face has only itself: resolving it falls through to the generic face.
QList<FontStandIn> fontStandIns(const QString& layoutFace);

// The first stand-in of `layoutFace` that is installed, or an empty family when none
// is and the generic sans serif serves.
FontStandIn installedStandIn(const QString& layoutFace);

// `layoutFace` at `pixelSize` pixels in `weight`, through the chain of stand-ins.
QFont layoutFont(const QString& layoutFace, int pixelSize, QFont::Weight weight = QFont::Normal);

// The windows' default font and its bold form for headings.
QFont defaultFont();
QFont defaultBoldFont();

} // namespace wb
