#pragma once
// The main window. It owns the dictionary store for its whole life: the store is
// created and filled while the window is built (before it is first shown) and
// released when the window is destroyed. Its controls come from MainFormLayout; the
// window binds the handlers below to them by name.
#include "dictionary/DictionaryStore.h"
#include "dictionary/Search.h"
#include "ui/FormBuilder.h"

#include <QRect>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <memory>

class QMouseEvent;
class QPainter;

class TPageControl;
class TStatusBar;

namespace wb {
class ErrorReporter;
class PictureButton;
struct SearchPage;

// Where the window finds the dictionary files: a given directory, or one looked up
// while the window is created (the executable's own). A lookup that fails throws
// ExecutablePathError, and the window then reads nothing.
class DataDirectory {
public:
    DataDirectory(std::filesystem::path directory)
        : m_locate([directory = std::move(directory)] { return directory; })
    {
    }
    explicit DataDirectory(std::function<std::filesystem::path()> locate)
        : m_locate(std::move(locate))
    {
    }
    std::filesystem::path locate() const { return m_locate(); }

private:
    std::function<std::filesystem::path()> m_locate;
};
} // namespace wb

class TMainForm : public QWidget {
    Q_OBJECT

public:
    // `dataDirectory` is where the dictionary files lie; `fileErrors` reports the
    // files that cannot be opened, and a directory that cannot be found.
    TMainForm(const wb::DataDirectory& dataDirectory, wb::ErrorReporter& fileErrors,
              QWidget* parent = nullptr);
    ~TMainForm() override;

    // Shows the window at the centre of its screen.
    void showCentred();

    const wb::DictionaryStore* store() const { return m_store.get(); }

    // Shows the page of `direction`, puts `word` into its search field and searches, as
    // the search button does; the first row found is selected into the two fields. A
    // search that fails is shown by the general error handler and the window stays.
    void lookUp(wb::Direction direction, const QString& word);

    // The event handlers, bound to the controls they are named after.
    void FindBtnClick();
    void FindBtn2Click();
    void ListView1Change();
    void ListView2Change();
    void StatusBar1DrawPanel(QPainter& painter, const QRect& panel);
    void ueberbtnMouseDown(QMouseEvent& event);
    void ueberbtnMouseMove(QMouseEvent& event);
    void ueberbtnMouseUp(QMouseEvent& event);
    void ueberbtnClick();
    void EndeBtnMouseDown(QMouseEvent& event);
    void EndeBtnMouseMove(QMouseEvent& event);
    void EndeBtnMouseUp(QMouseEvent& event);
    void EndeBtnClick();

    // The progress gauge: the search reports a percentage for every entry it examines.
    void SetProSatus(int percent);
    void SBarPaintMore();
    int gaugePercent() const { return m_percent; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate(const wb::DataDirectory& dataDirectory, wb::ErrorReporter& fileErrors);
    void FormDestroy();

    void createPages();
    void createBottomBar();
    void createStatusBar();
    void setFocusOrder();
    void bindHandlers();
    void bindPageHandlers();
    void bindPictureButtons();

    template <typename T> T& control(const QString& name) const
    {
        return m_builder.control<T>(name);
    }
    TPageControl& pages() const;
    TStatusBar& gaugeBar() const;
    wb::SearchPage searchPage(int index) const;
    void search(const wb::SearchPage& page);

    wb::PictureButton aboutButton();
    wb::PictureButton exitButton();

    std::unique_ptr<wb::DictionaryStore> m_store;
    wb::FormBuilder m_builder;

    // The gauge: its percentage, the panel rectangle of the status bar's last paint and
    // the width of the bar that paint left on screen.
    int m_percent = 0;
    QRect m_panelRect;
    int m_barWidth = 0;
    // Set from a press on the About or Exit picture until the button is released.
    bool m_aboutPressed = false;
    bool m_exitPressed = false;
};
