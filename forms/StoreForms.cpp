#include "forms/StoreForms.h"

#include "dictionary/ForgivingMatch.h"
#include "forms/FormsLoad.h"

#include <optional>

namespace wb {

struct StoreForms::Language {
    FormsTable table;
    std::vector<std::uint16_t> weights;
    std::optional<FormResolver> resolver;
};

StoreForms::StoreForms(const DictionaryStore& store, std::filesystem::path directory, Report report)
    : m_store(store)
    , m_directory(std::move(directory))
    , m_report(std::move(report))
{
}

StoreForms::~StoreForms() = default;

const FormResolver& StoreForms::resolver(Direction direction)
{
    const bool english = direction == Direction::EnglishToGerman;
    auto& language = m_languages[english ? 0 : 1];
    if (!language) {
        language = std::make_unique<Language>();
        const DictionaryFile file = english ? DictionaryFile::English : DictionaryFile::German;
        const WordList& words = english ? m_store.englishWords() : m_store.germanWords();
        LoadedForms loaded = loadForms(m_directory, file, words);
        // Without headwords the data file's own error has been told.
        if (!loaded.problem.empty() && !words.empty() && m_report)
            m_report(formsFileName(file), loaded.problem);
        language->table = std::move(loaded.table);
        // How often a headword is named as a translation stands for how common it is.
        language->weights = translationReferenceCounts(m_store, direction);
        language->resolver.emplace(english ? FormLanguage::English : FormLanguage::German, words,
                                   language->table, language->weights);
    }
    return *language->resolver;
}

void StoreForms::preload()
{
    resolver(Direction::EnglishToGerman);
    resolver(Direction::GermanToEnglish);
}

} // namespace wb
