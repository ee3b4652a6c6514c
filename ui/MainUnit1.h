#pragma once
// The main window. It owns the dictionary store for its whole life: the store is
// created and filled while the window is built (before it is first shown) and
// released when the window is destroyed.
#include "dictionary/DictionaryStore.h"

#include <QWidget>
#include <filesystem>
#include <memory>

namespace wb {
class ErrorReporter;
}

class TMainForm : public QWidget {
    Q_OBJECT

public:
    // `dataDirectory` is where the dictionary files lie; `fileErrors` reports the
    // files that cannot be opened.
    TMainForm(const std::filesystem::path& dataDirectory, wb::ErrorReporter& fileErrors,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // Shows the window at the centre of its screen.
    void showCentred();

    const wb::DictionaryStore* store() const { return m_store.get(); }

private:
    void FormCreate(const std::filesystem::path& dataDirectory, wb::ErrorReporter& fileErrors);
    void FormDestroy();

    std::unique_ptr<wb::DictionaryStore> m_store;
};
