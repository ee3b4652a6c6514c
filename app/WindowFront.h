#pragma once
// The running window's side of a start: what a start asks (its own, a later one's
// handed over, the global shortcut's) is done on the one window. It raises the window
// and looks the word up, a form on its base; for the selection it reads the selected
// text first, on Wayland only once the window has the focus. It does not talk to the
// bus.
#include "app/SingleWindow.h"
#include "dictionary/DictionaryStore.h"

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <functional>

class TMainForm;

namespace wb {

// The page a selected word opens on: the language of the one list that has the word as
// a headword (a-z in any case); where both or neither have it, German when only the
// German list has a headword that begins with it, English otherwise.
Direction pageForWord(const DictionaryStore& store, const QString& word);

class WindowFront : public QObject, public WindowRequests {
    Q_OBJECT

public:
    // How long the selection waits on Wayland for the focus to arrive; after that it is
    // read all the same.
    static constexpr std::chrono::milliseconds kFocusWait{1000};

    // The window must outlive the front; `formsDirectory` names where the forms files
    // lie (the executable's directory), looked up only when a word needs them.
    WindowFront(TMainForm& window, std::function<std::filesystem::path()> formsDirectory,
                QObject* parent = nullptr);

    void serve(const StartRequest& request, const Activation& activation) override;

    // Looks the selected text up now; an empty selection only shows the window.
    void lookUpSelection();
    // The global key was pressed at X11 time `userTime`: shows the window on the
    // selection.
    void globalKeyPressed(quint32 userTime);
    // The desktop portal's shortcut was pressed; the token lets the window take the
    // focus.
    void portalShortcutActivated(const QString& activationToken);

private:
    void lookUpSelectionOnceFocused();
    void lookUpWord(Direction direction, const QString& word);

    TMainForm& m_window;
    std::function<std::filesystem::path()> m_formsDirectory;
    QTimer m_focusWait;
    QMetaObject::Connection m_focusChange;
};

} // namespace wb
