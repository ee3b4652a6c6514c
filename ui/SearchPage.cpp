#include "ui/SearchPage.h"

#include "controls/ListView.h"
#include "dictionary/Windows1252.h"

#include <QLineEdit>
#include <vector>

namespace wb {

namespace {

// Windows-1252 is Latin-1 outside 0x80 to 0x9F, and Qt converts Latin-1 fast: a list
// of thousands of rows is mostly made here.
QString fromDictionary(std::string_view text)
{
    for (const char c : text)
        if (const auto byte = static_cast<unsigned char>(c); byte >= 0x80 && byte < 0xA0)
            return QString::fromStdU16String(windows1252ToUtf16(text));
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

// Gathers the rows of one walk so that the list model takes them in a single
// insertion: one view update for thousands of rows instead of one per row.
class CollectedRows final : public RowSink {
public:
    void addRow(std::string_view headword) override
    {
        rows.push_back(TListRow{fromDictionary(headword), {}});
    }
    void setTranslation(std::string_view translation) override
    {
        rows.back().subItems = QStringList{fromDictionary(translation)};
    }

    std::vector<TListRow> rows;
};

} // namespace

void searchPage(const DictionaryStore& store, const SearchPage& page, ProgressSink& progress)
{
    TListRows& items = page.list->Items();
    items.clear();
    const QString text = page.find->text();
    CollectedRows found;
    try {
        Search(store, page.direction, text.toStdU16String(), found, progress);
    } catch (...) {
        items.append(std::move(found.rows));
        throw;
    }
    items.append(std::move(found.rows));
    page.list->scrollToTop();
}

namespace {

// QLineEdit leaves the cursor after the last letter and scrolls to it; a field the
// program fills is read from its first letter.
void showFromStart(QLineEdit& field, const QString& text)
{
    field.setText(text);
    field.setCursorPosition(0);
}

} // namespace

void showSelectedRow(const SearchPage& page)
{
    const int row = page.list->selectedRow();
    if (row < 0)
        return;
    const TListRows& items = page.list->Items();
    showFromStart(*page.word, items.text(row, 0));
    // A row left by a failed search has no translation: the field is emptied.
    showFromStart(*page.translation, items.text(row, 1));
}

} // namespace wb
