#pragma once
// The page and the word the window starts on. A word copied out of a text is often a
// form that no headword begins with ("Häusern"); the window then starts on its base
// ("Haus"), on the page of the language that has it, so that the search field holds
// a word the dictionary knows. A word the asked page's own search finds is left as it
// is, on that page.
#include "app/StartArguments.h"
#include "dictionary/DictionaryStore.h"

#include <filesystem>
#include <functional>

namespace wb {

// `request` holds a word. The forms files are read from the directory `locate` names,
// only when the word needs them; a directory or a forms file that cannot be had
// leaves the rules alone.
StartRequest startOn(const DictionaryStore& store,
                     const std::function<std::filesystem::path()>& locate,
                     const StartRequest& request);

} // namespace wb
