#pragma once
// The texts the user reads about a problem, in German, each written once. The
// libraries that find a problem say only what it concerns (a file's name, an index);
// the wording is made here, for the windows and the command alike. Standard C++ only.
#include <string>
#include <string_view>

namespace wb::messages {

// A data file that cannot be opened.
std::string fileNotOpened(std::string_view fileName);
// A translation index that names no headword of the other word list.
std::string listIndexBeyondMaximum(long index);

// The general error handler's text for an error that brings no message of its own.
inline constexpr const char* kUnknownError = "Unbekannter Fehler";
// The caption of the file-error boxes, the desktop's default caption for an error box.
inline constexpr const char* kErrorCaption = "Fehler";

} // namespace wb::messages
