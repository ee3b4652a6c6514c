#pragma once
// Places the children of a container by their Align property. Strips along the edges
// take their fixed height or width from what the parent has left, the client-aligned
// control fills the rest, and fixed-position controls keep their place. It does not size
// anything by content: a strip keeps the extent it was given.
#include <QLayout>
#include <QRect>
#include <cstdint>
#include <span>
#include <vector>

enum class TAlign : std::uint8_t { None, Top, Bottom, Left, Right, Client };

namespace wb {

struct AlignItem {
    TAlign align = TAlign::None;
    QRect geometry; // the control's current place; a strip keeps its height or width
};

// Where each item goes inside `area`, in the order of `items`. Strips are placed edge
// by edge: all top strips, then bottom, left and right ones; among strips of one edge
// the one stored first lies nearest that edge. Client items share what is left; items
// aligned to nothing come back unchanged. The area left never has a negative size, so a
// parent too small for its strips lets them overlap rather than turn inside out.
std::vector<QRect> alignControls(const QRect& area, std::span<const AlignItem> items);

// A layout that places its widgets by alignControls() whenever Qt resizes the parent or
// shows or hides a child. Hidden widgets take no room. The parent's contents margins
// inset the aligned area (a bevel's width, say); fixed-position widgets are left where
// they are, in the parent's coordinates.
class AlignLayout : public QLayout {
public:
    explicit AlignLayout(QWidget* parent = nullptr);
    ~AlignLayout() override;

    void addWidget(QWidget* widget, TAlign align);
    TAlign alignOf(const QWidget* widget) const;
    void setAlign(QWidget* widget, TAlign align);

    void addItem(QLayoutItem* item) override; // Qt's own additions align to nothing
    int count() const override { return int(m_entries.size()); }
    QLayoutItem* itemAt(int index) const override;
    QLayoutItem* takeAt(int index) override;
    void setGeometry(const QRect& rect) override;
    QSize sizeHint() const override;
    QSize minimumSize() const override { return {0, 0}; }
    Qt::Orientations expandingDirections() const override;

private:
    struct Entry {
        QLayoutItem* item;
        TAlign align;
    };
    int indexOf(const QWidget* widget) const;

    std::vector<Entry> m_entries;
};

} // namespace wb
