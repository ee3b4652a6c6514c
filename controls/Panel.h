#pragma once
// A panel: a container with an outer and an inner one-pixel bevel and a background
// colour, which aligns its children (see Alignment.h) inside its bevels. It paints every
// pixel of its rectangle itself; it has no caption.
#include "controls/Alignment.h"
#include "platform/Colors.h"

#include <QWidget>

class QPainter;

enum class TBevel : std::uint8_t { None, Lowered, Raised };

namespace wb {

// Draws a one-pixel bevel along the inside of `rect` and returns the rectangle inside
// it (`rect` itself for no bevel). A lowered bevel is shadow on the top and left edges
// and highlight on the bottom and right ones, a raised bevel the other way round; the
// bottom and right edges run the full length, so the top-right and bottom-left corner
// pixels take their colour.
QRect drawBevel(QPainter& painter, const QRect& rect, TBevel bevel);

} // namespace wb

// A new panel has a raised outer bevel and no inner one, as the toolkit's panel does.
class TPanel : public QWidget {
    Q_OBJECT

public:
    explicit TPanel(QWidget* parent = nullptr);

    TBevel BevelOuter() const { return m_outer; }
    void setBevelOuter(TBevel bevel);
    TBevel BevelInner() const { return m_inner; }
    void setBevelInner(TBevel bevel);
    // The three kinds the windows use.
    void setBevelled() { setBevels(TBevel::Lowered, TBevel::Raised); }
    void setOuterLowered() { setBevels(TBevel::Lowered, TBevel::None); }
    void setFlat() { setBevels(TBevel::None, TBevel::None); }
    void setBevels(TBevel outer, TBevel inner);

    TColor Color() const { return m_color; }
    void setColor(TColor color);

    // Makes `child` a child of the panel, aligned as given.
    void addControl(QWidget* child, TAlign align);
    wb::AlignLayout& alignment() { return *m_layout; }

    // The part of the panel inside its bevels, where aligned children go.
    QRect clientRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void bevelsChanged();

    TBevel m_outer = TBevel::Raised;
    TBevel m_inner = TBevel::None;
    TColor m_color = clBtnFace;
    wb::AlignLayout* m_layout;
};
