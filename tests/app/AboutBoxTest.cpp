// The About dialog: its year, its results, its keys and how its texts fit.
#include "controls/Panel.h"
#include "controls/Picture.h"
#include "controls/PushButton.h"
#include "platform/Forms.h"
#include "ui/AboutBoxUnit.h"
#include "ui/Maker.h"

#include <QDate>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace wb {
namespace {

TEST(AboutYear, OnlyTheFirstPlaceholderTakesTheYear)
{
    EXPECT_EQ(withYear("© XXXX Q, XXXX", 2026), "© 2026 Q, XXXX");
    EXPECT_EQ(withYear("XXXXX", 987), "987X");
    EXPECT_EQ(withYear("no year", 2026), "no year");
}

// Takes the browser's place for the web pages the dialog asks to open.
class Browser : public QObject {
    Q_OBJECT

public:
    Browser()
    {
        QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open");
    }
    ~Browser() override
    {
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    }
    Q_INVOKABLE void open(const QUrl& url) { opened.push_back(url); }
    std::vector<QUrl> opened;
};

// Runs `step` once the dialog runs modally and returns the dialog's result; a dialog
// still open after the step is closed with mrAbort.
int runModal(TAboutBox& box, const std::function<void()>& step)
{
    QTimer::singleShot(0, &box, [&box, step] {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&box));
        step();
        QTimer::singleShot(0, &box, [&box] {
            if (box.isVisible())
                box.done(mrAbort);
        });
    });
    return box.exec();
}

TEST(AboutBox, IsAFixedDialogWithThisYearAndThePhotograph)
{
    TAboutBox box;
    EXPECT_EQ(box.objectName(), "AboutBox");
    EXPECT_EQ(box.windowTitle(), "Info");
    EXPECT_EQ(box.size(), QSize(664, 453));
    EXPECT_EQ(box.minimumSize(), box.maximumSize());
    EXPECT_FALSE(box.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
    const QString notice = static_cast<QLabel*>(box.control("Copyright"))->text();
    EXPECT_TRUE(notice.contains(QString::number(QDate::currentDate().year())))
        << notice.toStdString();
    EXPECT_FALSE(notice.contains("XXXX"));
    auto& photo = static_cast<TImage&>(*box.control("ProgramIcon"));
    EXPECT_EQ(photo.Picture().size(), QSize(306, 322));
    EXPECT_EQ(photo.geometry(), QRect(16, 40, 306, 322));
    EXPECT_EQ(box.control("BitBtn1")->geometry(), QRect(241, 404, 181, 37));
    EXPECT_EQ(static_cast<TButton*>(box.control("BitBtnXP1"))->Caption(), makerWebAddress());
}

TEST(AboutBox, EveryTextFitsItsPlaceOnThePanel)
{
    TAboutBox box;
    const QRect inside = static_cast<TPanel*>(box.control("Panel1"))->clientRect();
    for (QLabel* label : box.findChildren<QLabel*>()) {
        const QString name = label->objectName();
        const QFontMetrics metrics(label->font());
        EXPECT_TRUE(inside.contains(label->geometry())) << name.toStdString();
        if (label->wordWrap()) {
            const QRect needed = metrics.boundingRect(QRect(QPoint(), label->size()),
                                                      Qt::TextWordWrap, label->text());
            EXPECT_LE(needed.height(), label->height()) << name.toStdString();
        } else {
            EXPECT_GE(label->width(), metrics.horizontalAdvance(label->text()))
                << name.toStdString();
        }
    }
    // The paragraph ends above the web button below it.
    auto* paragraph = static_cast<QLabel*>(box.control("Label3"));
    const QRect used =
        QFontMetrics(paragraph->font())
            .boundingRect(QRect(QPoint(), paragraph->size()), Qt::TextWordWrap, paragraph->text());
    EXPECT_LT(paragraph->y() + used.height(), box.control("BitBtnXP1")->y());
}

TEST(AboutBox, EnterOnOpeningOpensTheWebPageAndTheDialogStaysOpen)
{
    Browser browser;
    TAboutBox box;
    const int result = runModal(box, [&] {
        EXPECT_EQ(QApplication::focusWidget(), box.control("BitBtnXP1"));
        QTest::keyClick(box.windowHandle(), Qt::Key_Return);
        EXPECT_TRUE(box.isVisible());
    });
    ASSERT_EQ(browser.opened.size(), 1u);
    EXPECT_EQ(browser.opened[0], makerWebPage());
    EXPECT_EQ(result, mrAbort);
}

// The paragraph's box reaches over the web button's top rows; the button lies above it.
TEST(AboutBox, TheWebButtonTakesAPressOnItsTopRowUnderTheParagraph)
{
    Browser browser;
    TAboutBox box;
    auto* web = static_cast<TButton*>(box.control("BitBtnXP1"));
    const QRect overlap = box.control("Label3")->geometry() & web->geometry();
    ASSERT_FALSE(overlap.isEmpty());
    for (int y = overlap.top(); y <= overlap.bottom(); ++y)
        for (int x = overlap.left(); x <= overlap.right(); ++x)
            ASSERT_EQ(web->parentWidget()->childAt(x, y), web) << x << "," << y;
    // Qt stacks siblings in the order of the children list, the last on top.
    const QObjectList stack = web->parentWidget()->children();
    for (const QLabel* label : box.findChildren<QLabel*>())
        EXPECT_LT(stack.indexOf(label), stack.indexOf(web)) << label->objectName().toStdString();
    runModal(box, [&] {
        const QPoint topRow = web->mapTo(&box, QPoint(web->width() / 2, 0));
        QTest::mousePress(box.windowHandle(), Qt::LeftButton, {}, topRow);
        EXPECT_TRUE(web->isDown());
        QTest::mouseRelease(box.windowHandle(), Qt::LeftButton, {}, topRow);
    });
    EXPECT_EQ(browser.opened.size(), 1u);
}

TEST(AboutBox, EscapeLeavesItOpen)
{
    TAboutBox box;
    const int result = runModal(box, [&] {
        QTest::keyClick(box.windowHandle(), Qt::Key_Escape);
        QCoreApplication::processEvents();
        EXPECT_TRUE(box.isVisible());
    });
    EXPECT_EQ(result, mrAbort);
}

TEST(AboutBox, OkGivesOkAndTheCloseCommandCancel)
{
    {
        TAboutBox box;
        auto* ok = box.control("BitBtn1");
        EXPECT_EQ(runModal(box,
                           [&] {
                               QTest::mouseClick(box.windowHandle(), Qt::LeftButton, {},
                                                 ok->mapTo(&box, QPoint(90, 18)));
                           }),
                  mrOk);
    }
    {
        TAboutBox box;
        EXPECT_EQ(runModal(box, [&] { box.close(); }), mrCancel);
    }
    {
        TAboutBox box;
        EXPECT_EQ(runModal(box,
                           [&] {
                               box.control("BitBtn1")->setFocus();
                               QTest::keyClick(box.windowHandle(), Qt::Key_Return);
                           }),
                  mrOk);
    }
}

TEST(AboutBox, ADamagedPhotographShowsWhatDecodedAndTheDialogStillOpens)
{
    const QByteArray good = TAboutBox::storedPhotograph();
    {
        TAboutBox box(nullptr, QByteArray("not a picture at all"));
        EXPECT_FALSE(box.control("ProgramIcon")->isVisibleTo(&box));
        EXPECT_EQ(runModal(box, [&] { box.close(); }), mrCancel);
    }
    {
        TAboutBox box(nullptr, good.left(good.size() / 2));
        EXPECT_TRUE(box.control("ProgramIcon")->isVisibleTo(&box));
    }
}

} // namespace
} // namespace wb

#include "AboutBoxTest.moc"
