// Looking words up in the main window: the gauge in the status bar, the two search
// pages driven through the window, and the window over malformed dictionary files.
#include "app/Application.h"
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "controls/StatusBar.h"
#include "dictionary/RecordDecoder.h"
#include "tests/support/TestSupport.h"
#include "ui/MainUnit1.h"
#include "ui/ProgressGauge.h"

#include <QApplication>
#include <QLineEdit>
#include <QPaintEvent>
#include <QTest>
#include <gtest/gtest.h>

#include <set>

namespace wb {
namespace {

constexpr char kIndexError[] = "Der Index der Liste überschreitet das Maximum (65535)";

TEST(GaugeBar, IsThePanelsShareRoundedDownFromItsLeftEdge)
{
    const QRect panel(0, 0, 600, 17);
    EXPECT_EQ(gaugeBarRect(panel, 33).width(), 198);
    EXPECT_EQ(gaugeBarRect(panel, 1).width(), 6);
    EXPECT_TRUE(gaugeBarRect(panel, 0).isEmpty());
    EXPECT_EQ(gaugeBarRect(panel, 100), panel);

    const QRect inset(3, 5, 101, 12);
    const QRect half = gaugeBarRect(inset, 50);
    EXPECT_EQ(half.topLeft(), inset.topLeft());
    EXPECT_EQ(half.width(), 50); // 101 × 50 ÷ 100, the remainder dropped
    EXPECT_EQ(half.bottom(), inset.bottom());
}

// Collects the regions painted in a widget.
class PaintRecorder : public QObject {
public:
    explicit PaintRecorder(QWidget* widget) { widget->installEventFilter(this); }
    std::vector<QRegion> regions;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            regions.push_back(static_cast<QPaintEvent*>(event)->region());
        return false;
    }
};

// English: home, house, houseboat, mouse, mousetrap (no German entry at its first
// slot: the search fails there), zebra. German: Haus, Hausboot, Heim, Maus, „Kühe“.
test::GeneratedDictionary smallDictionary()
{
    test::GeneratedDictionary d;
    d.english = {{"home", {2, 0}},
                 {"house", {0, 2}},
                 {"houseboat", {1}},
                 {"mouse", {3}},
                 {"mousetrap", {kNoTranslation}},
                 {"zebra", {3}}};
    d.german = {{"Haus", 1}, {"Hausboot", 2}, {"Heim", 0}, {"Maus", 3}, {"\x84K\xfche\x93", 5}};
    test::encode(d);
    return d;
}

class MainWindowTest : public ::testing::Test {
protected:
    explicit MainWindowTest(const test::GeneratedDictionary& dictionary = smallDictionary())
        : form((dictionary.writeTo(dir.path()), dir.path()), files)
    {
        application()->setErrorReporter(&errors);
        form.show();
        form.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&form));
        QApplication::processEvents();
    }
    ~MainWindowTest() override { application()->setErrorReporter(nullptr); }

    static Application* application() { return static_cast<Application*>(qApp); }

    template <typename T = QWidget> T* named(const char* name) const
    {
        auto* widget = form.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    TStatusBar* bar() const { return named<TStatusBar>("StatusBar1"); }
    TPageControl* pages() const { return named<TPageControl>("PageControl2"); }
    void press(Qt::Key key) { QTest::keyClick(form.windowHandle(), key); }
    void enterFrom(QWidget* control)
    {
        control->setFocus();
        QApplication::processEvents();
        ASSERT_TRUE(control->hasFocus());
        press(Qt::Key_Return);
    }
    void typeInto(const char* field, const char* text)
    {
        named<QLineEdit>(field)->setFocus();
        for (const char* c = text; *c; ++c) // QTest types into a QWindow one key at a time
            QTest::keyClick(form.windowHandle(), *c);
    }
    void clickButton(const char* name)
    {
        QWidget* button = named(name);
        QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {},
                          button->mapTo(&form, button->rect().center()));
    }
    QStringList captions(const char* list) const
    {
        const TListRows& rows = named<TListView>(list)->Items();
        QStringList out;
        for (int i = 0; i < rows.count(); ++i)
            out << rows.text(i, 0);
        return out;
    }
    // How many pixels of the panel's middle line are the gauge's colour.
    int barPixels()
    {
        const QImage image = bar()->grab().toImage();
        const QRect panel = bar()->panelRect();
        int navy = 0;
        for (int x = panel.left(); x <= panel.right(); ++x)
            navy += image.pixelColor(x, panel.center().y()) == kGaugeColor;
        return navy;
    }

    test::TempDir dir;
    test::CollectingReporter files;
    test::CollectingReporter errors;
    TMainForm form;
};

// The window started on a word by the desktop's search (`woerterbuch [--de] WORD`).
using StartOnWord = MainWindowTest;

TEST_F(StartOnWord, SearchesThePageOfTheDirectionAndShowsTheFirstRow)
{
    form.lookUp(Direction::GermanToEnglish, QStringLiteral("ha"));
    EXPECT_EQ(pages()->currentIndex(), 1);
    EXPECT_EQ(named<QLineEdit>("FindEd2")->text(), QStringLiteral("ha"));
    EXPECT_EQ(captions("ListView2"), (QStringList{"Haus", "Hausboot"}));
    EXPECT_EQ(named<QLineEdit>("VonEd2")->text(), QStringLiteral("Haus"));
    EXPECT_EQ(named<QLineEdit>("NachEd2")->text(), QStringLiteral("house"));
    EXPECT_TRUE(captions("ListView1").isEmpty()) << "the other page is left alone";
    EXPECT_EQ(form.gaugePercent(), 0);

    form.lookUp(Direction::EnglishToGerman, QStringLiteral("HOUSE"));
    EXPECT_EQ(pages()->currentIndex(), 0);
    EXPECT_EQ(captions("ListView1"), (QStringList{"house", "houseboat"}));
    EXPECT_EQ(named<QLineEdit>("VonEd1")->text(), QStringLiteral("house"));
    EXPECT_EQ(named<QLineEdit>("NachEd1")->text(), QStringLiteral("Haus; Heim"));
}

TEST_F(StartOnWord, AWordThatFindsNothingLeavesTheFieldsEmpty)
{
    form.lookUp(Direction::EnglishToGerman, QStringLiteral("xylophone"));
    EXPECT_EQ(named<QLineEdit>("FindEd")->text(), QStringLiteral("xylophone"));
    EXPECT_TRUE(captions("ListView1").isEmpty());
    EXPECT_TRUE(named<QLineEdit>("VonEd1")->text().isEmpty());
    EXPECT_TRUE(errors.messages.empty());
}

using Gauge = MainWindowTest;

TEST_F(Gauge, GrowsByPaintingOnlyTheNewStripAndShrinksByRepaintingTheBar)
{
    const QRect panel = bar()->panelRect();
    const int tenth = gaugeBarRect(panel, 10).width();
    const int half = gaugeBarRect(panel, 50).width();
    PaintRecorder painted(bar());

    form.SetProSatus(0);
    EXPECT_TRUE(painted.regions.empty());
    form.SetProSatus(10);
    ASSERT_EQ(painted.regions.size(), 1u);
    EXPECT_EQ(painted.regions[0], QRegion(panel.left(), panel.top(), tenth, panel.height()));
    form.SetProSatus(10);
    EXPECT_EQ(painted.regions.size(), 1u);
    form.SetProSatus(50);
    ASSERT_EQ(painted.regions.size(), 2u);
    EXPECT_EQ(painted.regions[1],
              QRegion(panel.left() + tenth, panel.top(), half - tenth, panel.height()));
    painted.regions.clear();
    EXPECT_EQ(barPixels(), half);

    form.SetProSatus(100);
    EXPECT_EQ(barPixels(), panel.width());
    painted.regions.clear();
    form.SetProSatus(0);
    ASSERT_EQ(painted.regions.size(), 1u);
    EXPECT_EQ(painted.regions[0], QRegion(bar()->rect()));
    EXPECT_EQ(barPixels(), 0);
}

TEST_F(Gauge, AWalkPaintsOncePerBarWidthNotOncePerEntry)
{
    const QRect panel = bar()->panelRect();
    PaintRecorder painted(bar());
    constexpr int kEntries = 65535;
    std::set<int> widths;
    for (int i = 0; i < kEntries; ++i) {
        const int percent = i * 100 / (kEntries - 1);
        form.SetProSatus(percent);
        if (percent > 0)
            widths.insert(gaugeBarRect(panel, percent).width());
    }
    EXPECT_EQ(painted.regions.size(), widths.size());
    form.SetProSatus(0);
    EXPECT_EQ(painted.regions.size(), widths.size() + 1);
}

TEST_F(Gauge, AFailedSearchLeavesTheBarUntilTheNextSearchReports)
{
    typeInto("FindEd", "mou");
    press(Qt::Key_Return);
    ASSERT_EQ(errors.messages, std::vector<std::string>{kIndexError});
    const int percent = form.gaugePercent();
    EXPECT_GT(percent, 0);
    bar()->repaint();
    EXPECT_EQ(barPixels(), gaugeBarRect(bar()->panelRect(), percent).width());

    PaintRecorder painted(bar());
    named<QLineEdit>("FindEd")->setText("hou");
    press(Qt::Key_Return);
    ASSERT_FALSE(painted.regions.empty());
    EXPECT_EQ(painted.regions.front(), QRegion(bar()->rect())); // the first report, 0
    EXPECT_EQ(form.gaugePercent(), 0);
    EXPECT_EQ(barPixels(), 0);
}

using SearchPages = MainWindowTest;

TEST_F(SearchPages, EnterFromAnyControlOfTheShownPageSearchesThatPageOnly)
{
    struct Page {
        int index;
        const char *find, *list, *word, *translation, *text;
        QStringList rows;
        const char* otherList;
    };
    const Page kPages[] = {
        {0, "FindEd", "ListView1", "VonEd1", "NachEd1", "hou", {"house", "houseboat"}, "ListView2"},
        {1, "FindEd2", "ListView2", "VonEd2", "NachEd2", "haus", {"Haus", "Hausboot"}, "ListView1"},
    };
    for (const Page& page : kPages) {
        pages()->setCurrentIndex(page.index);
        QApplication::processEvents();
        named<QLineEdit>("FindEd")->setText("hou");
        named<QLineEdit>("FindEd2")->setText("haus");
        for (QWidget* control :
             {named(page.find), named(page.list), named(page.word), named(page.translation),
              static_cast<QWidget*>(pages()->tabBar())}) {
            SCOPED_TRACE(control->objectName().toStdString() + " on page " +
                         std::to_string(page.index));
            named<TListView>(page.list)->Items().clear();
            named<TListView>(page.otherList)->Items().clear();
            enterFrom(control);
            EXPECT_EQ(captions(page.list), page.rows);
            EXPECT_TRUE(captions(page.otherList).isEmpty()); // the hidden page's button
            EXPECT_TRUE(control->hasFocus());
        }
    }
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(SearchPages, RightAfterStartEnterSearchesTheEnglishPageWithItsEmptyField)
{
    ASSERT_TRUE(pages()->tabBar()->hasFocus());
    named<TListView>("ListView1")->Items().add("stale");
    press(Qt::Key_Return);
    EXPECT_TRUE(captions("ListView1").isEmpty());
    press(Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(SearchPages, ASearchReplacesTheRowsAndKeepsTheFields)
{
    typeInto("FindEd", "hou");
    press(Qt::Key_Return);
    auto* list = named<TListView>("ListView1");
    EXPECT_EQ(list->Items().text(0, 1), "Haus; Heim");
    EXPECT_EQ(list->selectedRow(), -1);
    EXPECT_EQ(named<QLineEdit>("FindEd")->text(), "hou");

    list->setFocus();
    press(Qt::Key_Down);
    press(Qt::Key_Down);
    const int row = list->selectedRow();
    ASSERT_GE(row, 0);
    EXPECT_EQ(named<QLineEdit>("VonEd1")->text(), list->Items().text(row, 0));
    EXPECT_EQ(named<QLineEdit>("NachEd1")->text(), list->Items().text(row, 1));
    press(Qt::Key_Up);
    EXPECT_EQ(named<QLineEdit>("VonEd1")->text(), list->Items().text(list->selectedRow(), 0));
    const QString word = named<QLineEdit>("VonEd1")->text();
    const QString translation = named<QLineEdit>("NachEd1")->text();

    named<QLineEdit>("FindEd")->setText("ze");
    enterFrom(list);
    EXPECT_EQ(captions("ListView1"), QStringList{"zebra"});
    EXPECT_EQ(list->selectedRow(), -1);
    EXPECT_EQ(named<QLineEdit>("VonEd1")->text(), word);
    EXPECT_EQ(named<QLineEdit>("NachEd1")->text(), translation);
}

TEST_F(SearchPages, AFailedSearchKeepsItsRowsAndItsLastRowHasNoTranslation)
{
    typeInto("FindEd", "hou");
    press(Qt::Key_Return);
    auto* list = named<TListView>("ListView1");
    list->setSelectedRow(0);
    ASSERT_EQ(named<QLineEdit>("NachEd1")->text(), "Haus; Heim");

    named<QLineEdit>("FindEd")->setText("mou");
    clickButton("FindBtn");
    EXPECT_EQ(errors.messages, std::vector<std::string>{kIndexError});
    EXPECT_EQ(captions("ListView1"), (QStringList{"mouse", "mousetrap"}));
    EXPECT_EQ(list->Items().row(1).subItems.size(), 0);

    list->setSelectedRow(1);
    EXPECT_EQ(named<QLineEdit>("VonEd1")->text(), "mousetrap");
    EXPECT_EQ(named<QLineEdit>("NachEd1")->text(), "");
    EXPECT_EQ(errors.messages.size(), 1u);
}

TEST_F(SearchPages, EachPageKeepsItsRowsWhenTheOtherIsShown)
{
    typeInto("FindEd", "hou");
    press(Qt::Key_Return);
    pages()->setCurrentIndex(1);
    typeInto("FindEd2", "m");
    press(Qt::Key_Return);
    EXPECT_EQ(captions("ListView2"), QStringList{"Maus"});
    pages()->setCurrentIndex(0);
    EXPECT_EQ(captions("ListView1"), (QStringList{"house", "houseboat"}));
    EXPECT_EQ(named<QLineEdit>("FindEd")->text(), "hou");
}

TEST_F(SearchPages, RowsShowTheCharactersOfTheDictionarysCodePage)
{
    pages()->setCurrentIndex(1);
    named<QLineEdit>("FindEd2")->setText(QString::fromUtf8("\u201e"));
    clickButton("FindBtn2");
    EXPECT_EQ(captions("ListView2"), QStringList{QString::fromUtf8("\u201eK\u00fche\u201c")});
    EXPECT_EQ(named<TListView>("ListView2")->Items().text(0, 1), "zebra");
}

// Malformed files: the window starts, and every search lists rows or ends in the
// list-index error, never anything else.
struct Malformed {
    const char* name;
    test::GeneratedDictionary (*make)();
};

test::GeneratedDictionary garbage()
{
    test::GeneratedDictionary d;
    std::uint32_t state = 12345;
    for (auto* bytes : {&d.engdeu, &d.deueng})
        for (int i = 0; i < 5000; ++i) {
            state = state * 1103515245u + 12345u;
            bytes->push_back(std::uint8_t(state >> 16));
        }
    return d;
}

test::GeneratedDictionary truncated()
{
    test::GeneratedDictionary d = test::generateDictionary(300, 400, 7);
    d.engdeu.resize(d.engdeu.size() / 2 + 3);
    d.deueng.resize(d.deueng.size() / 3 + 1);
    return d;
}

test::GeneratedDictionary pastTheOtherFile()
{
    test::GeneratedDictionary d = test::generateDictionary(300, 400, 9);
    for (auto& entry : d.english)
        entry.references[0] = std::uint16_t(entry.references[0] + 400);
    for (auto& entry : d.german)
        entry.reference = std::uint16_t(entry.reference + 300);
    test::encode(d);
    return d;
}

class MalformedData : public MainWindowTest, public ::testing::WithParamInterface<Malformed> {
protected:
    MalformedData()
        : MainWindowTest(GetParam().make())
    {
    }
};

TEST_P(MalformedData, EverySearchListsRowsOrEndsInTheListIndexError)
{
    for (int page = 0; page < 2; ++page) {
        pages()->setCurrentIndex(page);
        const char* field = page == 0 ? "FindEd" : "FindEd2";
        for (const char* key : {"", "a", "e", "s", "\xc3\xa4", "zz"}) {
            errors.messages.clear();
            named<QLineEdit>(field)->setText(QString::fromUtf8(key));
            clickButton(page == 0 ? "FindBtn" : "FindBtn2");
            for (const std::string& message : errors.messages)
                EXPECT_EQ(message.rfind("Der Index der Liste überschreitet das Maximum (", 0), 0u)
                    << message;
            EXPECT_LE(errors.messages.size(), 1u);
        }
    }
    EXPECT_TRUE(form.isVisible());
}

// The desktop's search starts the window on a word before the event loop runs; the
// failing search must end in the same message as a typed one, not in an abort.
class StartOnBrokenData : public MainWindowTest {
protected:
    StartOnBrokenData()
        : MainWindowTest(pastTheOtherFile())
    {
    }
};

TEST_F(StartOnBrokenData, TheListIndexErrorIsShownAndTheWindowStays)
{
    const std::string_view first = form.store()->englishWords()[0];
    EXPECT_NO_THROW(form.lookUp(Direction::EnglishToGerman,
                                QString::fromLatin1(first.data(), qsizetype(first.size()))));
    ASSERT_EQ(errors.messages.size(), 1u);
    EXPECT_EQ(errors.messages[0].rfind("Der Index der Liste überschreitet das Maximum (", 0), 0u)
        << errors.messages[0];
    EXPECT_TRUE(form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(Files, MalformedData,
                         ::testing::Values(Malformed{"Garbage", garbage},
                                           Malformed{"Truncated", truncated},
                                           Malformed{"PastTheOtherFile", pastTheOtherFile}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace wb
