#pragma once
// Texts the application shell derives: its title, and the form of an error message
// shown by the general error handler.
#include <QString>

namespace wb {

// The title derived from the executable's file name: the name without its directory,
// cut at its first ".", every character after the first in lower case.
QString applicationTitle(const QString& executableFileName);

// An error message as the general error handler shows it: a "." is appended when the
// message is not empty and its last character sorts after ".".
QString errorBoxText(const QString& message);

} // namespace wb
