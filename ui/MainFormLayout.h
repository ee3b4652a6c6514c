#pragma once
// The main window's controls as data: what each one is, where it lies and how it looks.
// TMainForm builds itself from these tables and binds its handlers to the controls by
// name; nothing here creates a widget or knows a handler. Every search page comes from
// one page description, which also names the controls the page's behaviour works on.
#include "dictionary/Search.h"
#include "ui/FormControls.h"

#include <QSize>
#include <QString>
#include <QStringList>
#include <vector>

namespace wb::layout {

using form::Controls;

// The client size the layout is made for.
inline constexpr QSize kClientSize(680, 444);
inline constexpr const char* kPageControl = "PageControl2";
inline constexpr const char* kStatusBar = "StatusBar1";

// One search page: its direction, its texts and the names of its controls.
struct SearchPageDescription {
    Direction direction;
    QString sheet, tabCaption, tabPicture;
    QString heading, headingLabel, headingText;
    QString side, sideFrame, sidePicture, sideTitleBox, sideTitleLabel, sideTitleText;
    QString work, searchRow, searchLabel, find, findButton;
    QString selectionRow, word, translation;
    QString list;
};

QString windowCaption();
QString windowIcon();

// The search pages in tab order; the first is the active one at start.
const std::vector<SearchPageDescription>& searchPages();

// The tab control, which the pages join.
Controls pageControl();
// The controls of the page on tab `tab` (from 0, in the order of searchPages()).
Controls pageControls(const SearchPageDescription& page, int tab);
// The bottom bar with the web-address button and the About and Exit pictures.
Controls bottomBar();
Controls statusBar();

// The controls of a page that take the focus, in focus order.
QStringList focusOrder(const SearchPageDescription& page);

} // namespace wb::layout
