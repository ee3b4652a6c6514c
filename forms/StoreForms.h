#pragma once
// The forms of both languages of a loaded store: each language's forms file read from
// the store's directory on first use and checked against its word list, and the
// resolver over it. What cannot be read is reported once through `report` and leaves
// that language with the rules alone. The store must outlive this object.
#include "dictionary/DictionaryStore.h"
#include "dictionary/Search.h"
#include "forms/FormResolver.h"

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <string_view>

namespace wb {

class StoreForms {
public:
    using Report = std::function<void(std::string_view fileName, std::string_view problem)>;

    StoreForms(const DictionaryStore& store, std::filesystem::path directory, Report report = {});
    ~StoreForms();

    const FormResolver& resolver(Direction direction);
    // Loads both languages now, so that no later answer waits for a file.
    void preload();

private:
    struct Language;
    const DictionaryStore& m_store;
    std::filesystem::path m_directory;
    Report m_report;
    std::array<std::unique_ptr<Language>, 2> m_languages;
};

} // namespace wb
