#pragma once
// The About dialog's controls as data, as MainFormLayout is for the main window:
// what each control is, where it lies, its font and its text. TAboutBox builds itself
// from this table; nothing here creates a widget. The table is in focus order.
#include "platform/Colors.h"

#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

namespace wb::aboutlayout {

enum class Kind : std::uint8_t {
    Panel,     // TPanel with a lowered outer and a raised inner bevel
    Picture,   // TImage sized to the photograph
    Label,     // a label that fits its text
    WrapLabel, // a label of fixed size that wraps its text
    WebButton, // TBitBtnXP with the globe glyph and the maker's address
    OkButton,  // TBitBtnXP of kind bkOK
};

enum class Face : std::uint8_t { Inherited, Bold, Slogan };

struct Control {
    QString name;
    Kind kind;
    QString parent = {}; // empty for the dialog itself
    QRect geometry = {}; // a label that fits its text keeps only its position
    Face font = Face::Inherited;
    QString caption = {};
};

using Controls = std::vector<Control>;

inline constexpr QSize kClientSize(664, 453);
inline constexpr TColor kPanelColor(240, 202, 166);
// Stands in the notice line for the year of the opening.
inline constexpr const char* kYearPlaceholder = "XXXX";

QString caption();
QString photograph();
// Parents before their children, the focusable ones in focus order.
Controls controls();

} // namespace wb::aboutlayout
