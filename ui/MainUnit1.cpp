#include "ui/MainUnit1.h"

#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "controls/Picture.h"
#include "controls/StatusBar.h"
#include "platform/Fonts.h"
#include "platform/GeneralErrorHandler.h"
#include "system/ErrorReporter.h"
#include "system/ExecutablePath.h"
#include "ui/AboutBoxUnit.h"
#include "ui/MainFormLayout.h"
#include "ui/PictureButton.h"
#include "ui/ProgressGauge.h"
#include "ui/SearchPage.h"
#include "widgets/ButtonsXP.h"

#include <QEvent>
#include <QIcon>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <algorithm>
#include <iterator>
#include <stdexcept>

using namespace wb;
using namespace wb::layout;

namespace {

using Notify = void (TMainForm::*)();
using MouseNotify = void (TMainForm::*)(QMouseEvent&);

// What each search page's controls do, in the order of searchPages().
struct PageHandlers {
    Notify findClick;
    Notify listChange;
};

constexpr PageHandlers kPageHandlers[] = {
    {&TMainForm::FindBtnClick, &TMainForm::ListView1Change},
    {&TMainForm::FindBtn2Click, &TMainForm::ListView2Change},
};

struct PictureHandlers {
    Notify click = nullptr;
    MouseNotify down = nullptr;
    MouseNotify move = nullptr;
    MouseNotify up = nullptr;
};

} // namespace

TMainForm::TMainForm(const wb::DataDirectory& dataDirectory, wb::ErrorReporter& fileErrors,
                     QWidget* parent)
    : QWidget(parent)
    , m_builder(*this)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(windowCaption());
    setWindowIcon(QIcon(windowIcon()));
    setFont(defaultFont());
    (new AlignLayout(this))->setContentsMargins(0, 0, 0, 0);
    resize(layout::kClientSize);
    // The status bar comes first: of the two bottom strips it lies nearer the edge.
    createStatusBar();
    createBottomBar();
    createPages();
    setFocusOrder();
    bindHandlers();
    FormCreate(dataDirectory, fileErrors);
}

TMainForm::~TMainForm()
{
    FormDestroy();
}

void TMainForm::FormCreate(const wb::DataDirectory& dataDirectory, wb::ErrorReporter& fileErrors)
{
    m_store = std::make_unique<wb::DictionaryStore>();
    std::filesystem::path directory;
    try {
        directory = dataDirectory.locate();
    } catch (const wb::ExecutablePathError& error) {
        // Nowhere to read from: an empty path would mean the current directory, and
        // whatever lies there is not this program's vocabulary.
        fileErrors.reportError(error.what());
        return;
    }
    m_store->OpenDistNow(directory, fileErrors);
}

void TMainForm::FormDestroy()
{
    m_store.reset();
}

void TMainForm::showCentred()
{
    if (const QScreen* screen = this->screen())
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
    show();
}

void TMainForm::createPages()
{
    m_builder.create(pageControl());
    const auto& descriptions = searchPages();
    for (std::size_t tab = 0; tab < descriptions.size(); ++tab)
        m_builder.create(pageControls(descriptions[tab], int(tab)));
    pages().setCurrentIndex(0);
}

void TMainForm::createBottomBar()
{
    m_builder.create(bottomBar());
}

void TMainForm::createStatusBar()
{
    m_builder.create(statusBar());
}

void TMainForm::setFocusOrder()
{
    QWidget* previous = pages().tabBar();
    for (const SearchPageDescription& page : searchPages())
        for (const QString& name : focusOrder(page)) {
            QWidget* next = &m_builder.widget(name);
            setTabOrder(previous, next);
            previous = next;
        }
    // Taken when the window is first activated.
    pages().tabBar()->setFocus();
    pages().tabBar()->installEventFilter(this);
}

// Qt draws focus frames only once a key has moved the focus, and forgets that whenever
// the focus arrives otherwise, as it does on the first activation. The window shows
// from the start where the keyboard is.
bool TMainForm::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == pages().tabBar() && event->type() == QEvent::FocusIn) {
        setAttribute(Qt::WA_KeyboardFocusChange);
        watched->removeEventFilter(this);
    }
    return QWidget::eventFilter(watched, event);
}

void TMainForm::bindHandlers()
{
    bindPageHandlers();
    bindPictureButtons();
    gaugeBar().OnDrawPanel = [this](QPainter& painter, const QRect& panel) {
        StatusBar1DrawPanel(painter, panel);
    };
}

void TMainForm::bindPageHandlers()
{
    const auto& descriptions = searchPages();
    if (descriptions.size() != std::size(kPageHandlers))
        throw std::logic_error("every search page needs its handlers");
    for (std::size_t i = 0; i < descriptions.size(); ++i) {
        const PageHandlers& handlers = kPageHandlers[i];
        control<TBitBtnXP>(descriptions[i].findButton).OnClick = [this, handlers] {
            (this->*handlers.findClick)();
        };
        control<TListView>(descriptions[i].list).OnChange = [this, handlers] {
            (this->*handlers.listChange)();
        };
    }
}

void TMainForm::bindPictureButtons()
{
    auto bind = [this](const char* name, const PictureHandlers& handlers) {
        auto mouse = [this](MouseNotify handler) -> std::function<void(QMouseEvent&)> {
            if (!handler)
                return {};
            return [this, handler](QMouseEvent& event) { (this->*handler)(event); };
        };
        auto& picture = control<TImage>(QLatin1String(name));
        picture.OnClick = [this, click = handlers.click] { (this->*click)(); };
        picture.OnMouseDown = mouse(handlers.down);
        picture.OnMouseMove = mouse(handlers.move);
        picture.OnMouseUp = mouse(handlers.up);
    };
    // The pressed pictures only click.
    bind("ueberbtn", {&TMainForm::ueberbtnClick, &TMainForm::ueberbtnMouseDown,
                      &TMainForm::ueberbtnMouseMove, &TMainForm::ueberbtnMouseUp});
    bind("ueberBtn2", {.click = &TMainForm::ueberbtnClick});
    bind("EndeBtn", {&TMainForm::EndeBtnClick, &TMainForm::EndeBtnMouseDown,
                     &TMainForm::EndeBtnMouseMove, &TMainForm::EndeBtnMouseUp});
    bind("EndeBtnDown", {.click = &TMainForm::EndeBtnClick});
}

TPageControl& TMainForm::pages() const
{
    return control<TPageControl>(kPageControl);
}

namespace {

// Hands the search's percentages to the gauge.
class GaugeProgress final : public ProgressSink {
public:
    explicit GaugeProgress(TMainForm& form)
        : m_form(form)
    {
    }
    void setProgress(int percent) override { m_form.SetProSatus(percent); }

private:
    TMainForm& m_form;
};

} // namespace

SearchPage TMainForm::searchPage(int index) const
{
    const SearchPageDescription& page = searchPages().at(std::size_t(index));
    return {page.direction, &control<QLineEdit>(page.find), &control<TListView>(page.list),
            &control<QLineEdit>(page.word), &control<QLineEdit>(page.translation)};
}

void TMainForm::search(const SearchPage& page)
{
    GaugeProgress progress(*this);
    wb::searchPage(*m_store, page, progress);
}

void TMainForm::lookUp(Direction direction, const QString& word)
{
    const auto& descriptions = searchPages();
    const auto found =
        std::find_if(descriptions.begin(), descriptions.end(),
                     [direction](const auto& d) { return d.direction == direction; });
    if (found == descriptions.end())
        throw std::logic_error("no search page for the direction");
    const int index = int(found - descriptions.begin());
    pages().setCurrentIndex(index);
    const SearchPage page = searchPage(index);
    page.find->setText(word);
    // Called outside any event handler (at start-up, on a hand-over), so a search that
    // fails must reach the general error handler here, as a click's would.
    wb::invokeHandler([&] {
        search(page);
        if (page.list->Items().count() > 0)
            page.list->setSelectedRow(0);
    });
}

void TMainForm::FindBtnClick()
{
    search(searchPage(0));
}

void TMainForm::FindBtn2Click()
{
    search(searchPage(1));
}

void TMainForm::ListView1Change()
{
    showSelectedRow(searchPage(0));
}

void TMainForm::ListView2Change()
{
    showSelectedRow(searchPage(1));
}

TStatusBar& TMainForm::gaugeBar() const
{
    return control<TStatusBar>(kStatusBar);
}

// Called once per entry of a walk, while the bar's width changes only a few hundred
// times: a report that leaves the width alone paints nothing.
void TMainForm::SetProSatus(int percent)
{
    const bool shrinks = percent < m_percent;
    m_percent = percent;
    if (gaugeBarRect(m_panelRect, percent).width() == m_barWidth)
        return;
    if (shrinks)
        gaugeBar().repaint(); // clears the panel, then draws the shorter bar
    else
        SBarPaintMore();
}

// The bar only grows here, so only the strip it newly covers is painted, at once: the
// search keeps the event loop busy until it ends.
void TMainForm::SBarPaintMore()
{
    const QRect bar = gaugeBarRect(m_panelRect, m_percent);
    gaugeBar().paintNow(bar.adjusted(m_barWidth, 0, 0, 0));
}

void TMainForm::StatusBar1DrawPanel(QPainter& painter, const QRect& panel)
{
    paintGaugeBar(painter, panel, m_percent);
    m_panelRect = panel;
    m_barWidth = gaugeBarRect(panel, m_percent).width();
}

PictureButton TMainForm::aboutButton()
{
    return {control<TImage>(QStringLiteral("ueberbtn")),
            control<TImage>(QStringLiteral("ueberBtn2")), m_aboutPressed};
}

PictureButton TMainForm::exitButton()
{
    return {control<TImage>(QStringLiteral("EndeBtn")),
            control<TImage>(QStringLiteral("EndeBtnDown")), m_exitPressed};
}

void TMainForm::ueberbtnMouseDown(QMouseEvent& event)
{
    aboutButton().press(event);
}

void TMainForm::ueberbtnMouseMove(QMouseEvent& event)
{
    aboutButton().move(event);
}

void TMainForm::ueberbtnMouseUp(QMouseEvent& event)
{
    aboutButton().release(event);
}

// The dialog is made for this opening only, so it shows the year of this moment.
void TMainForm::ueberbtnClick()
{
    const auto box = std::make_unique<TAboutBox>(this);
    aboutButton().restore();
    box->exec();
}

void TMainForm::EndeBtnMouseDown(QMouseEvent& event)
{
    exitButton().press(event);
}

void TMainForm::EndeBtnMouseMove(QMouseEvent& event)
{
    exitButton().move(event);
}

void TMainForm::EndeBtnMouseUp(QMouseEvent& event)
{
    exitButton().release(event);
}

// Closing the window ends the program as the title bar's close button does.
void TMainForm::EndeBtnClick()
{
    exitButton().restore();
    close();
}
