#include "ui/MainUnit1.h"

#include "controls/FlatButton.h"
#include "controls/ImageList.h"
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "controls/Picture.h"
#include "controls/StatusBar.h"
#include "platform/Fonts.h"
#include "system/ErrorReporter.h"
#include "system/ExecutablePath.h"
#include "ui/AboutBoxUnit.h"
#include "ui/Maker.h"
#include "ui/PictureButton.h"
#include "ui/ProgressGauge.h"
#include "ui/SearchPage.h"
#include "widgets/ButtonsXP.h"
#include "widgets/RXCtrls.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyle>
#include <stdexcept>

using namespace wb;
using namespace wb::layout;

namespace {

QImage loadPicture(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        throw std::runtime_error("missing picture " + path.toStdString());
    return image;
}

QFont fontOf(Face face)
{
    switch (face) {
    case Face::Bold:
        return defaultBoldFont();
    case Face::Heavy:
        return designFont(kHeavyFace, 19);
    case Face::Inherited:
        break;
    }
    return defaultFont();
}

void setBevel(TPanel& panel, Bevel bevel)
{
    switch (bevel) {
    case Bevel::Flat:
        panel.setFlat();
        break;
    case Bevel::Bevelled:
        panel.setBevelled();
        break;
    case Bevel::OuterLowered:
        panel.setOuterLowered();
        break;
    }
}

// A window or page has no bevels, only the alignment of its children.
QWidget* alignedContainer(QWidget* parent)
{
    auto* container = new QWidget(parent);
    auto* alignment = new AlignLayout(container);
    alignment->setContentsMargins(0, 0, 0, 0);
    return container;
}

void setUpRxLabel(TRxLabel& label, const Control& c)
{
    label.setFont(fontOf(c.font));
    label.setTransparent(false);
    // A wrapped title keeps its box; a heading fits its text.
    std::vector<StoredProperty> values{{"AutoSize", !c.wordWrap},
                                       {"WordWrap", c.wordWrap},
                                       {"Font.Color", c.fontColor},
                                       {"Left", c.geometry.x()},
                                       {"Top", c.geometry.y()}};
    if (c.wordWrap) {
        values.push_back({"Width", c.geometry.width()});
        values.push_back({"Height", c.geometry.height()});
    }
    values.push_back({"Caption", c.caption});
    label.applyStoredValues(values);
}

TImageList imageList(const QStringList& pictures, QSize cell)
{
    TImageList images(cell.width(), cell.height());
    for (const QString& path : pictures) {
        const QImage image = loadPicture(path);
        images.add(image, TImageList::defaultMaskColor(image));
    }
    return images;
}

} // namespace

TMainForm::TMainForm(const wb::DataDirectory& dataDirectory, wb::ErrorReporter& fileErrors,
                     QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(windowCaption());
    setWindowIcon(QIcon(windowIcon()));
    setFont(defaultFont());
    (new AlignLayout(this))->setContentsMargins(0, 0, 0, 0);
    resize(kClientSize);
    // The status bar comes first: of the two bottom strips it lies nearer the edge.
    createStatusBar();
    createBottomBar();
    createPages();
    setFocusOrder();
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
    createControls(pageControl());
    for (const Controls& page : pages())
        createControls(page);
    m_pages->setCurrentIndex(0);
}

void TMainForm::createBottomBar()
{
    createControls(bottomBar());
}

void TMainForm::createStatusBar()
{
    createControls(statusBar());
}

void TMainForm::setFocusOrder()
{
    QWidget* previous = m_pages->tabBar();
    for (int page = 0; page < m_pages->count(); ++page)
        for (const QString& name : focusOrder(page)) {
            QWidget* next = control(name);
            setTabOrder(previous, next);
            previous = next;
        }
    // Taken when the window is first activated.
    m_pages->tabBar()->setFocus();
}

void TMainForm::createControls(const Controls& controls)
{
    for (const Control& c : controls) {
        QWidget* widget = createControl(c);
        widget->setObjectName(c.name);
        widget->setAccessibleName(c.accessibleName);
        m_controls.insert(c.name, widget);
        placeControl(widget, c);
    }
}

QWidget* TMainForm::createControl(const Control& c)
{
    switch (c.kind) {
    case Kind::Page: {
        QWidget* page = alignedContainer(nullptr);
        m_pages->addPage(page, c.caption, c.imageIndex);
        return page;
    }
    case Kind::Panel: {
        auto* panel = new TPanel;
        setBevel(*panel, c.bevel);
        if (c.color)
            panel->setColor(*c.color);
        return panel;
    }
    case Kind::StatusBar: {
        auto* bar = new TStatusBar;
        bar->OnDrawPanel = [this, draw = c.onDrawPanel](QPainter& p, const QRect& r) {
            (this->*draw)(p, r);
        };
        return bar;
    }
    case Kind::PageControl: {
        m_pages = new TPageControl;
        m_pages->setHotTrack(true);
        m_pages->setImages(imageList(c.pictures, {16, 16}));
        return m_pages;
    }
    case Kind::Label: {
        auto* label = new QLabel(c.caption);
        label->adjustSize();
        return label;
    }
    case Kind::RxLabel:
        return new TRxLabel; // set up once it lies on its panel, whose colour it takes
    case Kind::Edit:
        return new QLineEdit;
    case Kind::OkButton: {
        auto* button = new TBitBtnXP;
        button->setLoading(true);
        button->setCaption(c.caption);
        button->setKind(bkOK);
        button->setLoading(false);
        button->OnClick = [this, click = c.onClick] { (this->*click)(); };
        return button;
    }
    case Kind::ListView: {
        auto* list = new TListView;
        for (const Column& column : c.columns)
            list->addColumn(column.caption, column.width);
        list->OnChange = [this, change = c.onChange] { (this->*change)(); };
        return list;
    }
    case Kind::Image:
        return createPicture(c);
    case Kind::FlatButton: {
        auto* button = new TFlatButton;
        button->setCaption(c.caption);
        const QImage glyph = loadPicture(c.pictures.at(0));
        button->setGlyph(imageList({c.pictures.at(0)}, glyph.size()).image(0));
        return button;
    }
    }
    throw std::logic_error("unknown control kind");
}

QWidget* TMainForm::createPicture(const Control& c)
{
    auto* picture = new TImage;
    picture->setPicture(loadPicture(c.pictures.at(0)));
    picture->setHandPointer(c.handPointer);
    auto bind = [this](MouseNotify handler) -> std::function<void(QMouseEvent&)> {
        if (!handler)
            return {};
        return [this, handler](QMouseEvent& event) { (this->*handler)(event); };
    };
    picture->OnMouseDown = bind(c.onMouseDown);
    picture->OnMouseMove = bind(c.onMouseMove);
    picture->OnMouseUp = bind(c.onMouseUp);
    if (c.onClick)
        picture->OnClick = [this, click = c.onClick] { (this->*click)(); };
    return picture;
}

void TMainForm::placeControl(QWidget* widget, const Control& c)
{
    if (c.kind == Kind::Page)
        return; // the page control placed it
    QWidget* parent = c.parent.isEmpty() ? this : control(c.parent);
    widget->setParent(parent);
    if (auto* panel = qobject_cast<TPanel*>(parent))
        panel->addControl(widget, c.align);
    else
        static_cast<AlignLayout*>(parent->layout())->addWidget(widget, c.align);
    if (c.kind == Kind::RxLabel)
        setUpRxLabel(static_cast<TRxLabel&>(*widget), c);
    else if (c.geometry.size().isNull())
        widget->move(c.geometry.topLeft()); // a label sized by its text, or a filler
    else
        widget->setGeometry(c.geometry);
    if (c.font != Face::Inherited && c.kind != Kind::RxLabel)
        widget->setFont(fontOf(c.font));
    widget->setVisible(c.visible);
}

QWidget* TMainForm::control(const QString& name) const
{
    QWidget* widget = m_controls.value(name);
    if (!widget)
        throw std::logic_error("no control " + name.toStdString());
    return widget;
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

struct PageNames {
    Direction direction;
    const char *find, *list, *word, *translation;
};

constexpr PageNames kPageNames[] = {
    {Direction::EnglishToGerman, "FindEd", "ListView1", "VonEd1", "NachEd1"},
    {Direction::GermanToEnglish, "FindEd2", "ListView2", "VonEd2", "NachEd2"},
};

} // namespace

SearchPage TMainForm::searchPage(int index) const
{
    const PageNames& names = kPageNames[index];
    auto edit = [this](const char* name) {
        return static_cast<QLineEdit*>(control(QLatin1String(name)));
    };
    return {names.direction, edit(names.find),
            static_cast<TListView*>(control(QLatin1String(names.list))), edit(names.word),
            edit(names.translation)};
}

void TMainForm::search(const SearchPage& page)
{
    GaugeProgress progress(*this);
    wb::searchPage(*m_store, page, progress);
}

void TMainForm::lookUp(Direction direction, const QString& word)
{
    const int index = direction == Direction::EnglishToGerman ? 0 : 1;
    m_pages->setCurrentIndex(index);
    const SearchPage page = searchPage(index);
    page.find->setText(word);
    search(page);
    if (page.list->Items().count() > 0)
        page.list->setSelectedRow(0);
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

TStatusBar* TMainForm::gaugeBar() const
{
    return static_cast<TStatusBar*>(control(QStringLiteral("StatusBar1")));
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
        gaugeBar()->repaint(); // clears the panel, then draws the shorter bar
    else
        SBarPaintMore();
}

// The bar only grows here, so only the strip it newly covers is painted, at once: the
// search keeps the event loop busy until it ends.
void TMainForm::SBarPaintMore()
{
    const QRect bar = gaugeBarRect(m_panelRect, m_percent);
    gaugeBar()->paintNow(bar.adjusted(m_barWidth, 0, 0, 0));
}

void TMainForm::StatusBar1DrawPanel(QPainter& painter, const QRect& panel)
{
    paintGaugeBar(painter, panel, m_percent);
    m_panelRect = panel;
    m_barWidth = gaugeBarRect(panel, m_percent).width();
}

PictureButton TMainForm::aboutButton()
{
    return {static_cast<TImage&>(*control(QStringLiteral("ueberbtn"))),
            static_cast<TImage&>(*control(QStringLiteral("ueberBtn2"))), m_aboutPressed};
}

PictureButton TMainForm::exitButton()
{
    return {static_cast<TImage&>(*control(QStringLiteral("EndeBtn"))),
            static_cast<TImage&>(*control(QStringLiteral("EndeBtnDown"))), m_exitPressed};
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
