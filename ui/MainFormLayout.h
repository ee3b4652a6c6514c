#pragma once
// The main window's controls as data: what each one is, where it lies, how it looks and
// which handler of TMainForm its events go to. TMainForm builds itself from these
// tables; nothing here creates a widget. Both pages come from one page description.
#include "controls/Alignment.h"
#include "platform/Colors.h"

#include <QRect>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>
#include <vector>

class QMouseEvent;
class QPainter;
class TMainForm;

namespace wb::layout {

enum class Kind : std::uint8_t {
    Page,        // a tab page of its parent page control
    Panel,       // TPanel
    StatusBar,   // TStatusBar
    PageControl, // TPageControl; `pictures` are its image list
    Label,       // a plain text label
    RxLabel,     // TRxLabel
    Edit,        // a single-line text field
    OkButton,    // TBitBtnXP of kind bkOK
    ListView,    // TListView with `columns`
    Image,       // TImage showing `pictures[0]`
    FlatButton,  // TFlatButton with the glyph `pictures[0]`
};

enum class Bevel : std::uint8_t { Flat, Bevelled, OuterLowered };
enum class Face : std::uint8_t { Inherited, Bold, Heavy };

using Notify = void (TMainForm::*)();
using MouseNotify = void (TMainForm::*)(QMouseEvent&);
using DrawNotify = void (TMainForm::*)(QPainter&, const QRect&);

struct Column {
    QString caption;
    int width;
};

struct Control {
    QString name = {};
    Kind kind;
    QString parent = {}; // empty for the window itself
    TAlign align = TAlign::None;
    QRect geometry = {}; // a strip keeps only its height (top, bottom) or width (left, right)
    std::optional<TColor> color = {};
    Face font = Face::Inherited;
    TColor fontColor = clWindowText;
    QString caption = {};
    // What a screen reader calls a control that takes the focus or acts as a button.
    QString accessibleName = {};
    Bevel bevel = Bevel::Flat;
    QStringList pictures = {};
    int imageIndex = -1;
    bool wordWrap = false; // a label that wraps keeps its size instead of fitting its text
    bool handPointer = false;
    bool visible = true;
    std::vector<Column> columns = {};
    Notify onClick = nullptr;
    Notify onChange = nullptr;
    MouseNotify onMouseDown = nullptr;
    MouseNotify onMouseMove = nullptr;
    MouseNotify onMouseUp = nullptr;
    DrawNotify onDrawPanel = nullptr;
};

using Controls = std::vector<Control>;

// The client size the layout is made for.
inline constexpr QSize kClientSize(680, 444);

QString windowCaption();
QString windowIcon();

// The tab control, which the pages join.
Controls pageControl();
// Each page, in tab order; the first is the active one at start.
std::vector<Controls> pages();
// The bottom bar with the web-address button and the About and Exit pictures.
Controls bottomBar();
Controls statusBar();

// The controls of a page that take the focus, in focus order.
QStringList focusOrder(int page);

} // namespace wb::layout
