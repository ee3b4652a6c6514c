#pragma once
// A window's controls as data: what each control is, where it lies, how it looks and
// what it shows. Both windows are described this way and built by FormBuilder. A table
// holds no behaviour: each window binds its handlers to its controls by name once they
// exist, so no table needs to know the window it describes.
#include "controls/Alignment.h"
#include "platform/Colors.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

namespace wb::form {

// The windows' own colours, each written once.
inline constexpr TColor kHeadingPeach(240, 202, 166);
inline constexpr TColor kSideGreen(192, 220, 192);

enum class Kind : std::uint8_t {
    Page,        // a tab page of the page control that is its parent
    Panel,       // TPanel
    StatusBar,   // TStatusBar
    PageControl, // TPageControl; `pictures` are its tab icons
    Label,       // a plain text label
    RxLabel,     // TRxLabel
    Edit,        // a single-line text field
    OkButton,    // TBitBtnXP of kind bkOK
    GlyphButton, // TBitBtnXP with the glyph `pictures[0]` of `glyphCount` cells
    ListView,    // TListView with `columns`
    Image,       // TImage showing `pictures[0]`, or nothing until the window gives it one
    FlatButton,  // TFlatButton with the glyph `pictures[0]`
};

enum class Bevel : std::uint8_t { Flat, Bevelled, OuterLowered };
enum class Face : std::uint8_t { Inherited, Bold, Heavy, Slogan };

struct Column {
    QString caption;
    int width;
};

struct Control {
    QString name = {};
    Kind kind;
    QString parent = {}; // empty for the window itself
    TAlign align = TAlign::None;
    // A strip keeps only its height (top, bottom) or width (left, right); a control
    // without a size keeps only its position and takes the size of what it shows.
    QRect geometry = {};
    std::optional<TColor> color = {};
    Face font = Face::Inherited;
    TColor fontColor = clWindowText;
    QString caption = {};
    // What a screen reader calls a control that takes the focus or acts as a button.
    QString accessibleName = {};
    Bevel bevel = Bevel::Flat;
    QStringList pictures = {};
    int imageIndex = -1;
    int glyphCount = 1;
    bool wordWrap = false; // a label that wraps keeps its size instead of fitting its text
    bool handPointer = false;
    bool visible = true;
    std::vector<Column> columns = {};
};

using Controls = std::vector<Control>;

} // namespace wb::form
