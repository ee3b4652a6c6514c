// The main window as laid out: where its controls lie at the layout's size and after a
// resize, how they look, and how the focus moves through them.
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "platform/Colors.h"
#include "platform/Fonts.h"
#include "tests/support/TestSupport.h"
#include "ui/FormControls.h"
#include "ui/MainUnit1.h"
#include "widgets/RXCtrls.h"

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace wb {
namespace {

class MainWindowLayout : public ::testing::Test {
protected:
    MainWindowLayout()
        : form(dir.path(), reporter)
    {
    }

    QWidget* named(const char* name) const
    {
        auto* widget = form.findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    // Where a control lies within its parent.
    QRect at(const char* name) const { return named(name)->geometry(); }
    QRect inWindow(const char* name) const
    {
        QWidget* widget = named(name);
        return {widget->mapTo(&form, QPoint(0, 0)), widget->size()};
    }
    void resizeTo(QSize size)
    {
        form.show(); // Qt lays out only what is shown
        form.resize(size);
        QApplication::processEvents();
    }
    bool showActive()
    {
        form.show();
        form.activateWindow();
        return QTest::qWaitForWindowActive(&form);
    }
    void pressTab(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab, modifiers);
    }

    test::TempDir dir;
    test::CollectingReporter reporter;
    TMainForm form;
};

struct PageNames {
    int index;
    const char *heading, *side, *sideFrame, *picture, *titleBox, *work, *searchRow, *label,
        *selectionRow, *headingLabel, *titleLabel, *find, *findButton, *list, *word, *translation;
};

constexpr PageNames kPages[] = {
    {0, "Panel5", "Panel41", "Panel42", "Image6", "Panel24", "Panel2", "Panel1", "Label1",
     "Panel12", "RxLabel8", "RxLabel14", "FindEd", "FindBtn", "ListView1", "VonEd1", "NachEd1"},
    {1, "Panel3", "Panel4", "Panel6", "Image1", "Panel9", "Panel10", "Panel11", "Label2", "Panel13",
     "RxLabel1", "RxLabel2", "FindEd2", "FindBtn2", "ListView2", "VonEd2", "NachEd2"},
};

TEST_F(MainWindowLayout, BottomStripsAndPicturesLieAlongTheBottomAndTheRightEdge)
{
    resizeTo({680, 444});
    EXPECT_EQ(inWindow("StatusBar1"), QRect(0, 425, 680, 19));
    EXPECT_EQ(inWindow("Panel7"), QRect(0, 384, 680, 41));
    EXPECT_EQ(inWindow("PageControl2"), QRect(0, 0, 680, 384));
    EXPECT_EQ(at("Panel8"), QRect(680 - 216, 0, 216, 41));
    // Each pressed picture lies exactly over its released one; the exit picture stands
    // right of the about picture on the same line, both inside the right-hand panel,
    // and the web button inside the bar, left of that panel.
    EXPECT_EQ(at("ueberBtn2"), at("ueberbtn"));
    EXPECT_EQ(at("EndeBtnDown"), at("EndeBtn"));
    EXPECT_EQ(at("EndeBtn").top(), at("ueberbtn").top());
    EXPECT_LT(at("ueberbtn").right(), at("EndeBtn").left());
    const QRect rightPanel(QPoint(0, 0), at("Panel8").size());
    EXPECT_TRUE(rightPanel.contains(at("ueberbtn")));
    EXPECT_TRUE(rightPanel.contains(at("EndeBtn")));
    const QRect web = inWindow("wwwBtn");
    EXPECT_TRUE(inWindow("Panel7").contains(web));
    EXPECT_LT(web.right(), inWindow("Panel8").left());
}

TEST_F(MainWindowLayout, BothPagesLayOutTheirControlsAlike)
{
    auto* pages = static_cast<TPageControl*>(named("PageControl2"));
    for (const PageNames& p : kPages) {
        SCOPED_TRACE(p.heading);
        pages->setCurrentIndex(p.index);
        resizeTo({680, 444});
        const QSize page = pages->currentWidget()->size();
        EXPECT_EQ(at(p.heading), QRect(0, 0, page.width(), 33));
        EXPECT_EQ(at(p.headingLabel).topLeft(), QPoint(16, 10));
        EXPECT_EQ(at(p.side), QRect(0, 33, 209, page.height() - 33));
        EXPECT_EQ(at(p.sideFrame), QRect(7, 7, 195, 284));
        EXPECT_EQ(at(p.picture), QRect(1, 1, 193, 281));
        EXPECT_EQ(at(p.titleBox), QRect(8, 8, 177, 73));
        EXPECT_EQ(at(p.titleLabel), QRect(8, 8, 161, 57));
        const QRect work = at(p.work);
        EXPECT_EQ(work, QRect(209, 33, page.width() - 209, page.height() - 33));
        EXPECT_EQ(at(p.searchRow), QRect(0, 0, work.width(), 41));
        EXPECT_EQ(at(p.label).topLeft(), QPoint(8, 8));
        EXPECT_EQ(at(p.find), QRect(72, 8, 281, 21));
        EXPECT_EQ(at(p.findButton), QRect(360, 8, 97, 25));
        EXPECT_EQ(at(p.list), QRect(0, 41, work.width(), work.height() - 41 - 35));
        EXPECT_EQ(at(p.selectionRow), QRect(0, work.height() - 35, work.width(), 35));
        EXPECT_EQ(at(p.word), QRect(8, 8, 193, 21));
        EXPECT_EQ(at(p.translation), QRect(208, 8, 249, 21));
    }
}

TEST_F(MainWindowLayout, ResizingKeepsTheStripsAndHandsTheChangeToTheWorkArea)
{
    for (const QSize size : {QSize(900, 600), QSize(420, 260)}) {
        SCOPED_TRACE(size.width());
        resizeTo(size);
        EXPECT_EQ(inWindow("StatusBar1"), QRect(0, size.height() - 19, size.width(), 19));
        EXPECT_EQ(inWindow("Panel7"), QRect(0, size.height() - 60, size.width(), 41));
        EXPECT_EQ(inWindow("PageControl2").size(), QSize(size.width(), size.height() - 60));
        // The pictures ride along the right edge of the bottom bar.
        EXPECT_EQ(inWindow("Panel8"), QRect(size.width() - 216, size.height() - 60, 216, 41));
        EXPECT_EQ(at("EndeBtn"), QRect(105, 4, 101, 30));
        EXPECT_EQ(at("Panel5").height(), 33);
        EXPECT_EQ(at("Panel41").width(), 209);
        const QRect work = at("Panel2");
        EXPECT_EQ(work.right(), at("Panel5").right());
        EXPECT_EQ(at("ListView1").height(), work.height() - 41 - 35);
        EXPECT_EQ(at("ListView1").width(), work.width());
        EXPECT_EQ(at("Panel12").bottom(), work.height() - 1);
    }
}

TEST_F(MainWindowLayout, TheHeadingStripIsBevelledInsideItsEdges)
{
    resizeTo({680, 444});
    QWidget* heading = named("Panel5");
    const QImage image = heading->grab().toImage();
    const QRgb shadow = clBtnShadow.rgb(), highlight = clBtnHighlight.rgb();
    const int right = image.width() - 1, bottom = image.height() - 1;
    // Outer lowered: shadow above and left, highlight below and right; inner raised.
    EXPECT_EQ(image.pixel(10, 0), shadow);
    EXPECT_EQ(image.pixel(0, 10), shadow);
    EXPECT_EQ(image.pixel(10, bottom), highlight);
    EXPECT_EQ(image.pixel(right, 10), highlight);
    EXPECT_EQ(image.pixel(10, 1), highlight);
    EXPECT_EQ(image.pixel(1, 10), highlight);
    EXPECT_EQ(image.pixel(10, bottom - 1), shadow);
    EXPECT_EQ(image.pixel(right - 1, 10), shadow);
    EXPECT_EQ(image.pixel(right - 5, 16), wb::form::kHeadingPeach.rgb());
}

TEST_F(MainWindowLayout, AtStartOnlyTheNormalPicturesAreSeen)
{
    ASSERT_TRUE(showActive());
    EXPECT_TRUE(named("ueberbtn")->isVisible());
    EXPECT_TRUE(named("EndeBtn")->isVisible());
    EXPECT_FALSE(named("ueberBtn2")->isVisible());
    EXPECT_FALSE(named("EndeBtnDown")->isVisible());
    QWidget* bar = named("Panel8");
    EXPECT_EQ(bar->childAt(at("ueberbtn").center()), named("ueberbtn"));
    EXPECT_EQ(bar->childAt(at("EndeBtn").center()), named("EndeBtn"));
}

TEST_F(MainWindowLayout, FocusStartsOnTheTabStripAndWalksTheShownPage)
{
    ASSERT_TRUE(showActive());
    auto* pages = static_cast<TPageControl*>(named("PageControl2"));
    EXPECT_EQ(QApplication::focusWidget(), pages->tabBar());
    for (const PageNames& p : kPages) {
        SCOPED_TRACE(p.find);
        EXPECT_EQ(pages->currentIndex(), p.index);
        for (const char* name : {p.find, p.findButton, p.list, p.word, p.translation}) {
            pressTab();
            EXPECT_EQ(QApplication::focusWidget(), named(name)) << name;
        }
        pressTab(); // the bottom bar takes no focus: round to the tab strip
        EXPECT_EQ(QApplication::focusWidget(), pages->tabBar());
        QTest::keyClick(form.windowHandle(), Qt::Key_Tab, Qt::ControlModifier);
    }
    EXPECT_EQ(pages->currentIndex(), 0);
}

// Counts the presses that reach a control.
class PressCounter : public QObject {
public:
    explicit PressCounter(QWidget* control) { control->installEventFilter(this); }
    int presses = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        presses += event->type() == QEvent::MouseButtonPress;
        return false;
    }
};

// Labels are drawn on their panels: a press on one is the panel's, while the shadowed
// labels still notice the pointer coming and going.
TEST_F(MainWindowLayout, APressOnALabelIsItsPanelsAndTheShadowedOnesStillFollowThePointer)
{
    ASSERT_TRUE(showActive());
    // Qt stacks siblings in the order of the children list, the last on top.
    for (QWidget* label : form.findChildren<QWidget*>()) {
        if (!qobject_cast<QLabel*>(label) && !qobject_cast<TRxLabel*>(label))
            continue;
        const QObjectList stack = label->parent()->children();
        for (const QObject* sibling : stack)
            if (!qobject_cast<const QLabel*>(sibling) && !qobject_cast<const TRxLabel*>(sibling) &&
                sibling->isWidgetType()) {
                EXPECT_LT(stack.indexOf(label), stack.indexOf(sibling))
                    << label->objectName().toStdString() << " above "
                    << sibling->objectName().toStdString();
            }
    }
    for (const PageNames& p : kPages) {
        static_cast<TPageControl*>(named("PageControl2"))->setCurrentIndex(p.index);
        for (const char* name : {p.label, p.headingLabel, p.titleLabel}) {
            SCOPED_TRACE(name);
            PressCounter panel(named(name)->parentWidget());
            const QPoint centre = inWindow(name).center();
            QTest::mouseClick(form.windowHandle(), Qt::LeftButton, {}, centre);
            EXPECT_EQ(panel.presses, 1);
            if (auto* label = qobject_cast<TRxLabel*>(named(name))) {
                QTest::mouseMove(form.windowHandle(), centre);
                EXPECT_TRUE(label->MouseInside());
                QTest::mouseMove(form.windowHandle(), inWindow(name).bottomRight() + QPoint(4, 4));
                EXPECT_FALSE(label->MouseInside());
            }
        }
    }
}

TEST_F(MainWindowLayout, LabelsTakeTheirFontsAndColours)
{
    for (const PageNames& p : kPages) {
        SCOPED_TRACE(p.headingLabel);
        auto* heading = static_cast<TRxLabel*>(named(p.headingLabel));
        EXPECT_EQ(heading->font(), defaultBoldFont());
        EXPECT_EQ(heading->font().pixelSize(), 11);
        EXPECT_EQ(heading->FontColor(), clWindowText);
        EXPECT_TRUE(heading->AutoSize());
        // Fitted to its text: the shadow adds a pixel or two at most.
        const int advance = QFontMetrics(heading->font()).horizontalAdvance(heading->Caption());
        EXPECT_GE(heading->width(), advance);
        EXPECT_LE(heading->width(), advance + 2);
        auto* title = static_cast<TRxLabel*>(named(p.titleLabel));
        EXPECT_EQ(title->font(), layoutFont(kHeavyFace, 19));
        EXPECT_EQ(title->FontColor(), clMaroon);
        EXPECT_TRUE(title->WordWrap());
        EXPECT_FALSE(title->AutoSize());
        // Opaque on the strip they stand on, in its colour.
        const TColor strip = static_cast<TPanel*>(named(p.heading))->Color();
        for (TRxLabel* label : {heading, title}) {
            EXPECT_EQ(label->Color(), strip);
            EXPECT_FALSE(label->Transparent());
        }
        EXPECT_EQ(named(p.label)->font().pixelSize(), 11);
        auto* list = static_cast<TListView*>(named(p.list));
        EXPECT_EQ(list->header()->sectionSize(0), 200);
        EXPECT_EQ(list->header()->sectionSize(1), 250);
    }
}

} // namespace
} // namespace wb
