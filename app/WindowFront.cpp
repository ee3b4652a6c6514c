#include "app/WindowFront.h"

#include "app/StartWord.h"
#include "dictionary/Windows1252.h"
#include "platform/GeneralErrorHandler.h"
#include "platform/Selection.h"
#include "platform/WindowActivation.h"
#include "ui/MainUnit1.h"

#include <QGuiApplication>
#include <QWindow>

namespace wb {

Direction pageForWord(const DictionaryStore& store, const QString& word)
{
    const std::string text = toWindows1252(word.toStdU16String());
    const auto has = [&text](const WordList& words, MatchScope scope) {
        return !asciiMatches(words, text, scope).empty();
    };
    // "Haus" is a German headword and only begins "hausfrau": the list that has the
    // word itself decides before the lists that have words beginning with it.
    const bool englishWhole = has(store.englishWords(), MatchScope::Whole);
    const bool germanWhole = has(store.germanWords(), MatchScope::Whole);
    if (englishWhole != germanWhole)
        return germanWhole ? Direction::GermanToEnglish : Direction::EnglishToGerman;
    return !has(store.englishWords(), MatchScope::Prefix) &&
                   has(store.germanWords(), MatchScope::Prefix)
               ? Direction::GermanToEnglish
               : Direction::EnglishToGerman;
}

WindowFront::WindowFront(TMainForm& window, std::function<std::filesystem::path()> formsDirectory,
                         QObject* parent)
    : QObject(parent)
    , m_window(window)
    , m_formsDirectory(std::move(formsDirectory))
{
    m_focusWait.setSingleShot(true);
    m_focusWait.setInterval(kFocusWait);
    connect(&m_focusWait, &QTimer::timeout, this, &WindowFront::lookUpSelection);
}

void WindowFront::serve(const StartRequest& request, const Activation& activation)
{
    activateWindow(m_window, activation.token, activation.startupId, activation.userTime);
    if (request.selection)
        lookUpSelectionOnceFocused();
    else if (request.word)
        lookUpWord(request.direction, *request.word);
}

void WindowFront::globalKeyPressed(quint32 userTime)
{
    StartRequest request;
    request.selection = true;
    serve(request, Activation{{}, {}, userTime});
}

void WindowFront::portalShortcutActivated(const QString& activationToken)
{
    StartRequest request;
    request.selection = true;
    serve(request, Activation{activationToken, {}});
}

void WindowFront::lookUpSelectionOnceFocused()
{
    const bool focusFirst = QGuiApplication::platformName() == QLatin1String("wayland");
    if (!focusFirst || m_window.isActiveWindow()) {
        lookUpSelection();
        return;
    }
    if (m_focusWait.isActive())
        return; // a request before this one already waits
    m_focusWait.start();
    m_focusChange =
        connect(qApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* window) {
            if (window && window == m_window.windowHandle())
                lookUpSelection();
        });
}

void WindowFront::lookUpSelection()
{
    m_focusWait.stop();
    disconnect(m_focusChange);
    const QString word = selectionWord(selectedText());
    if (!word.isEmpty() && m_window.store())
        lookUpWord(pageForWord(*m_window.store(), word), word);
}

// The search service's words are headwords and stay as they are; a word from a
// command line or a selection may be a form, and the window then starts on its base.
void WindowFront::lookUpWord(Direction direction, const QString& word)
{
    invokeHandler([&] {
        StartRequest request;
        request.direction = direction;
        request.word = word;
        if (m_window.store())
            request = startOn(*m_window.store(), m_formsDirectory, request);
        m_window.lookUp(request.direction, *request.word);
    });
}

} // namespace wb
