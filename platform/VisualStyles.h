#pragma once
// Visual styles: whether a control is drawn themed or classic, and the few drawing
// operations that differ between the two. The themed push-button background comes
// from the control's QStyle; the classic raised frame is Qt's Windows-style bevel.
// A control is drawn classic when the style that draws it is Qt's "Windows" style
// (for the whole application or set on that one control) and themed otherwise, so
// tests and the gallery can show both modes side by side.
#include <QRect>
#include <QString>

class QPainter;
class QWidget;

namespace wb {

// The style library is loaded the first time a button is created and stays loaded
// until the program ends; until then nothing is drawn themed.
void loadStyleLibrary();
bool isStyleLibraryLoaded();

// The style that draws `widget` is a themed one.
bool isThemeActive(const QWidget* widget);
// Styles are in use for `widget`: the library is loaded and its style is themed.
bool stylesInUse(const QWidget* widget);

// States of the themed push-button background (part 1).
enum class ThemeButtonState {
    Base = 0,   // the part's base appearance
    Normal = 1, // the hot-or-default look
    Pressed = 3,
    Disabled = 4,
};

void drawThemeButtonBackground(QPainter& painter, const QWidget* widget, ThemeButtonState state,
                               const QRect& rect);
// The classic raised push-button frame with a face fill; returns the interior.
QRect drawClassicButtonFrame(QPainter& painter, const QRect& rect, bool disabled);
// The dotted focus rectangle, drawn by inverting every other pixel of its outline.
void drawFocusRect(QPainter& painter, const QRect& rect);

} // namespace wb
