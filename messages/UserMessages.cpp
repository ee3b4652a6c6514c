#include "messages/UserMessages.h"

namespace wb::messages {

std::string fileNotOpened(std::string_view fileName)
{
    return "Fehler: konnte Datei " + std::string(fileName) + " nicht öffnen!";
}

std::string listIndexBeyondMaximum(long index)
{
    return "Der Index der Liste überschreitet das Maximum (" + std::to_string(index) + ")";
}

} // namespace wb::messages
