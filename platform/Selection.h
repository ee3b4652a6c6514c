#pragma once
// The text the user selected in another program, and the word a lookup takes from it.
// Reading it needs the display connection only; on Wayland the compositor offers the
// primary selection only to a client that has the keyboard focus, so the caller reads
// it once its window is focused.
#include <QString>

namespace wb {

// A selection longer than this is not a word; the lookup takes its beginning.
inline constexpr qsizetype kMaxSelectionWord = 100;

// The primary selection where the desktop has one and it holds text, else the
// clipboard's text; empty when neither offers any.
QString selectedText();

// Trimmed, its first non-empty line only, up to the first character that could not be
// decoded, at most kMaxSelectionWord characters (one outside the basic plane counts as
// one and is never split).
QString selectionWord(const QString& selection);

} // namespace wb
