#pragma once
// What the two search pages of the main window do alike: a search fills the page's
// list from the page's search field, and a selection in the list is copied into the
// page's word and translation fields. Only the direction differs between the pages.
#include "dictionary/Search.h"

class QLineEdit;
class TListView;

namespace wb {

struct SearchPage {
    Direction direction;
    QLineEdit* find;
    TListView* list;
    QLineEdit* word;
    QLineEdit* translation;
};

// Empties the list and fills it with the rows of a search for the field's text as
// typed, all appended at once at the end. A search that fails keeps the rows it
// produced, the failing one without its translation, and then rethrows.
void searchPage(const DictionaryStore& store, const SearchPage& page, ProgressSink& progress);

// Copies the selected row into the word and translation fields, each shown from its
// first letter; with no row selected the fields keep their texts.
void showSelectedRow(const SearchPage& page);

} // namespace wb
