#pragma once
// The dictionary as the desktop's search sees it: ranked hits over both word lists for
// a launcher's text, the hit behind a result id, and opening the window on a hit. It
// knows nothing of D-Bus or of windows: the adaptors convert its answers, a
// WindowLauncher starts the window. Every call counts as activity; after idleTime()
// without one it emits idle().
#include "dictionary/DictionaryStore.h"
#include "dictionary/Search.h"
#include "forms/StoreForms.h"
#include "search/CallLimits.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <vector>

namespace wb {

// A window that could not be started; the message says why.
class WindowStartError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class WindowLauncher {
public:
    virtual ~WindowLauncher() = default;
    // Starts the window on `word`, on the page of `direction`. Throws WindowStartError.
    virtual void open(Direction direction, const QString& word) = 0;
};

struct SearchHit {
    QString id; // "en:12" or "de:345": the word list and the entry's index in it
    QString headword;
    QString translation;
    bool exact = false;   // the headword spelt exactly as typed
    double relevance = 0; // 1 for an exact headword, less down the ranking
};

class SearchService : public QObject {
    Q_OBJECT

public:
    // GNOME Shell 43 shows the first five results of a provider; KRunner lists more.
    static constexpr int kGnomeLimit = 5;
    static constexpr int kKRunnerLimit = 10;
    static constexpr std::chrono::milliseconds kIdleTime{60'000};

    // The store and the launcher must outlive the service.
    SearchService(const DictionaryStore& store, WindowLauncher& launcher,
                  std::chrono::milliseconds idleTime = kIdleTime, QObject* parent = nullptr);

    // At most `limit` hits for the text, best first; none for a text longer than any
    // headword.
    QList<SearchHit> find(const QString& text, int limit);
    // The hit behind an id that find() gave; nothing for an id that names no entry.
    std::optional<SearchHit> hit(const QString& id);
    // Opens the window on the hit's headword; false for an id that names no entry.
    // Throws WindowStartError.
    bool open(const QString& id);
    // Opens the window on the best hit for the text, the one a launcher lists first
    // (the window's own search would miss "STRASSE" or "äpfel" as typed); on the text
    // as typed (as much of it as the search field holds), on the English page, when
    // nothing matches. Throws WindowStartError.
    void openSearch(const QString& text);
    // A call that asks for nothing still keeps the service alive.
    void touch();
    // With forms, a text that is a form lists the headwords it is a form of first
    // ("Häusern": "Haus"). The forms must outlive the service.
    void setForms(StoreForms* forms) { m_forms = forms; }

    std::chrono::milliseconds idleTime() const { return m_idleTime; }

signals:
    void idle();

private:
    std::optional<ResultId> entryOf(const QString& id) const;
    SearchHit hitOf(ResultId entry, bool exact, double relevance) const;
    std::vector<ResultId> baseEntries(const std::string& typed) const;

    const DictionaryStore& m_store;
    // How often each headword is named as a translation: among matches of one tier
    // and length the common word ranks first ("house" before "hound").
    std::vector<std::uint16_t> m_englishWeights;
    std::vector<std::uint16_t> m_germanWeights;
    WindowLauncher& m_launcher;
    std::chrono::milliseconds m_idleTime;
    QTimer m_idle;
    QTimer m_trim;
    StoreForms* m_forms = nullptr;
};

// Joins a shell's search terms into one text, as the user typed them.
QString joinTerms(const QStringList& terms);

} // namespace wb
