#pragma once
// The About dialog's controls as data, as MainFormLayout is for the main window: what
// each control is, where it lies, its font and its text. TAboutBox builds itself from
// this table and binds its handlers by name; nothing here creates a widget. The table
// is in focus order.
#include "ui/FormControls.h"

#include <QSize>
#include <QString>

namespace wb::aboutlayout {

inline constexpr QSize kClientSize(664, 453);
// Stands in the notice line for the year of the opening.
inline constexpr const char* kYearPlaceholder = "XXXX";

QString caption();
QString photograph();
// Parents before their children, the focusable ones in focus order.
form::Controls controls();

} // namespace wb::aboutlayout
