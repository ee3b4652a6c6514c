#include "platform/Forms.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/ButtonLayout.h"
#include "widgets/ButtonsXP.h"
#include "widgets/KindGlyphs.h"

#include <QDialog>
#include <QLineEdit>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using wb::kindGlyph;
using wb::placeGlyphAndCaption;
using wb::test::classicStyle;
using wb::test::render;
using wb::test::themedStyle;

// A button on a panel of its own colour, drawn classic or themed.
struct ButtonOnPanel {
    QWidget panel;
    TBitBtnXP* button = new TBitBtnXP(&panel);

    ButtonOnPanel(QStyle* style, QSize size, QColor colour = {})
    {
        if (colour.isValid()) {
            QPalette palette = panel.palette();
            palette.setColor(QPalette::Window, colour);
            panel.setPalette(palette);
        }
        button->setStyle(style);
        button->setGeometry(QRect(QPoint(0, 0), size));
        QFont font = button->font();
        font.setStyleStrategy(QFont::NoAntialias);
        button->setFont(font);
    }
};

// Where the pixels of `colour` lie in `image`.
QRect boundsOf(const QImage& image, QRgb colour)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

const QRgb kLime = qRgb(0, 255, 0); // only the check mark's upper edge is lime

TEST(TBitBtnXPKind, ACaptionGivenBeforeTheKindWhileLoadingIsKept)
{
    TBitBtnXP search;
    search.setLoading(true);
    search.setCaption(QStringLiteral("Suchen..."));
    search.setKind(bkOK);
    search.setLoading(false);
    EXPECT_EQ(search.Caption(), QStringLiteral("Suchen..."));

    TBitBtnXP ok;
    ok.setLoading(true);
    ok.setKind(bkOK);
    EXPECT_EQ(ok.Caption(), QStringLiteral("OK"));

    search.setKind(bkCancel);
    search.setKind(bkOK); // at run time the kind's caption replaces any other
    EXPECT_EQ(search.Caption(), QStringLiteral("OK"));
}

TEST(TBitBtnXPKind, PresetsAndReadingBackAsCustomOnceAPresetChanged)
{
    // What each kind gives the user: the caption with its mnemonic, the dialog's
    // result, and whether Enter or Escape clicks it.
    struct Expected {
        TBitBtnXPKind kind;
        const char* caption;
        int modalResult;
        bool isDefault;
        bool isCancel;
    };
    const Expected kinds[] = {
        {bkOK, "OK", mrOk, true, false},
        {bkCancel, "Cancel", mrCancel, false, true},
        {bkHelp, "&Help", mrNone, false, false},
        {bkYes, "&Yes", mrYes, true, false},
        {bkNo, "&No", mrNo, false, true},
        {bkClose, "&Close", mrNone, false, false},
        {bkAbort, "Abort", mrAbort, false, false},
        {bkRetry, "&Retry", mrRetry, false, false},
        {bkIgnore, "&Ignore", mrIgnore, false, false},
        {bkAll, "&All", mrAll, false, false},
    };
    for (const Expected& expected : kinds) {
        SCOPED_TRACE(expected.caption);
        TBitBtnXP button;
        button.setKind(expected.kind);
        EXPECT_EQ(button.Kind(), expected.kind);
        EXPECT_EQ(button.Default(), expected.isDefault);
        EXPECT_EQ(button.Cancel(), expected.isCancel);
        EXPECT_EQ(button.ModalResult(), expected.modalResult);
        EXPECT_EQ(button.Caption(), QString::fromLatin1(expected.caption));
        // Every button of a kind shares the kind's one glyph, with its disabled image.
        EXPECT_EQ(button.Glyph().cacheKey(), kindGlyph(expected.kind).cacheKey());
        EXPECT_FALSE(button.Glyph().isNull());
        EXPECT_EQ(button.NumGlyphs(), 2);
    }
    const std::function<void(TBitBtnXP&)> changes[] = {
        [](TBitBtnXP& b) { b.setDefault(false); },
        [](TBitBtnXP& b) { b.setModalResult(0); },
        [](TBitBtnXP& b) { b.setCancel(true); },
        [](TBitBtnXP& b) { b.setGlyph(kindGlyph(bkOK)); },
    };
    for (const auto& change : changes) {
        TBitBtnXP button;
        button.setKind(bkOK);
        button.setCaption(QStringLiteral("Los")); // not a preset
        EXPECT_EQ(button.Kind(), bkOK);
        change(button);
        EXPECT_EQ(button.Kind(), bkCustom);
    }
}

TEST(TBitBtnXPProperties, MarginBelowMinusOneIsIgnoredAndStyleDoesNotChangeThePicture)
{
    ButtonOnPanel themed(themedStyle(), {97, 25});
    themed.button->setKind(bkOK);
    themed.button->setMargin(0);
    themed.button->setMargin(-5);
    EXPECT_EQ(themed.button->Margin(), 0);
    const QImage before = render(*themed.button);
    themed.button->setStyle(bsWin31);
    EXPECT_EQ(themed.button->Style(), bsWin31);
    EXPECT_EQ(render(*themed.button), before);
    // Margin 0: the glyph touches the content's left edge (the whole themed button).
    EXPECT_EQ(boundsOf(before, kLime).left(), boundsOf(kindGlyph(bkOK), kLime).left());
}

TEST(TBitBtnXPPainting, GlyphAndCaptionLieWhereTheLayoutPutsThemAndMoveOnePixelWhenPressed)
{
    for (QStyle* style : {themedStyle(), classicStyle()}) {
        ButtonOnPanel search(style, {97, 25});
        search.button->setCaption(QStringLiteral("Suchen..."));
        search.button->setKind(bkOK);
        search.button->setLoading(false);
        const QImage up = render(*search.button);

        // The caption box is the one the layout gives for the caption's measured size.
        const QSize caption =
            wb::measureTextBox(search.button->font(), search.button->Caption(), {}, {}).size();
        const auto place =
            placeGlyphAndCaption(QRect(0, 0, 97, 25), {18, 18}, caption, blGlyphLeft, -1, 4);
        const QRect lime = boundsOf(kindGlyph(bkOK), kLime);
        EXPECT_EQ(boundsOf(up, kLime), lime.translated(place.glyph));
        const QRect ink = boundsOf(up, search.button->palette().color(QPalette::ButtonText).rgb());
        EXPECT_TRUE(place.caption.contains(ink)) << style->name().toStdString();

        search.button->setDown(true);
        const QImage pressed = render(*search.button);
        EXPECT_EQ(boundsOf(pressed, kLime), boundsOf(up, kLime).translated(1, 1));
        EXPECT_EQ(boundsOf(pressed, search.button->palette().color(QPalette::ButtonText).rgb()),
                  ink.translated(1, 1));
    }
}

TEST(TBitBtnXPPainting, DisabledTwoCellGlyphAndEmbossedCaption)
{
    ButtonOnPanel button(classicStyle(), {97, 25});
    button.button->setKind(bkOK);
    button.button->setCaption(QString());
    button.button->setEnabled(false);
    const QImage image = render(*button.button);
    const QImage glyph = kindGlyph(bkOK);
    const QPoint at(40, 4); // the glyph alone, centred in the classic interior
    for (int y = 0; y < 18; ++y)
        for (int x = 0; x < 18; ++x) {
            const QRgb source = glyph.pixel(18 + x, y);
            const QRgb expected = source == qRgb(255, 255, 255)   ? clBtnHighlight.rgb()
                                  : source == qRgb(128, 128, 128) ? clBtnShadow.rgb()
                                                                  : clBtnFace.rgb();
            EXPECT_EQ(image.pixel(at + QPoint(x, y)), expected) << x << "," << y;
        }

    button.button->setGlyph(QImage());
    button.button->setCaption(QStringLiteral("Suchen..."));
    const QImage caption = render(*button.button);
    const QRgb highlight = clBtnHighlight.rgb(), shadow = clBtnShadow.rgb();
    const QRect inner(3, 3, 91, 19); // inside the classic frame
    int lit = 0;
    for (int y = inner.top(); y <= inner.bottom(); ++y)
        for (int x = inner.left(); x <= inner.right(); ++x)
            if (caption.pixel(x, y) == highlight) {
                ++lit;
                EXPECT_EQ(caption.pixel(x - 1, y - 1), shadow) << x << "," << y;
            }
    EXPECT_GT(lit, 0);
    EXPECT_FALSE(boundsOf(caption, shadow).intersected(inner).isEmpty());
}

TEST(TBitBtnXPPainting, DisabledOneCellGlyphShowsOnlyItsBlackPixelsEmbossed)
{
    QImage picture(16, 16, QImage::Format_RGB32);
    picture.fill(qRgb(128, 128, 0));
    for (int i = 3; i < 12; ++i) {
        picture.setPixel(i, 5, qRgb(0, 0, 0));
        picture.setPixel(4, i, qRgb(0, 0, 0));
        picture.setPixel(i, 9, qRgb(0, 0, 255)); // not black: not shown
    }
    ButtonOnPanel button(classicStyle(), {60, 30});
    button.button->setGlyph(picture);
    button.button->setEnabled(false);
    const QImage image = render(*button.button);
    const QPoint at(22, 7); // (56 - 16 + 1) div 2 + 2, (26 - 16 + 1) div 2 + 2
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const bool dark = picture.pixel(x, y) == qRgb(0, 0, 0);
            const bool lit = x > 0 && y > 0 && picture.pixel(x - 1, y - 1) == qRgb(0, 0, 0);
            const QRgb expected = dark  ? clBtnShadow.rgb()
                                  : lit ? clBtnHighlight.rgb()
                                        : clBtnFace.rgb();
            EXPECT_EQ(image.pixel(at + QPoint(x, y)), expected) << x << "," << y;
        }
}

TEST(TBitBtnXPPainting, ThemedButtonShowsItsParentsColourOutsideTheShape)
{
    const QColor peach(240, 202, 166);
    ButtonOnPanel web(themedStyle(), {169, 25}, peach);
    web.button->setGlyph(QImage(QStringLiteral(":/glyphs/GLOBE.bmp")));
    web.button->setCaption(QStringLiteral("www.example.org"));
    const QImage image = render(*web.button);
    EXPECT_EQ(image.pixel(0, 0), peach.rgb());
    EXPECT_EQ(image.pixel(168, 24), peach.rgb());
    EXPECT_NE(image.pixel(84, 12), peach.rgb());
}

// A window with a text field, a default bitmap button and another push button.
class DefaultButtonWindow : public ::testing::TestWithParam<bool> {
protected:
    void SetUp() override
    {
        window.resize(300, 100);
        edit->setGeometry(5, 5, 80, 22);
        ok->setGeometry(100, 5, 97, 25);
        ok->setKind(bkOK);
        ok->setStyle(GetParam() ? themedStyle() : classicStyle());
        other->move(210, 5);
        ASSERT_TRUE(wb::test::showActive(window));
        edit->setFocus();
    }

    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    TBitBtnXP* ok = new TBitBtnXP(&window);
    TButton* other = new TButton(&window);
};

TEST_P(DefaultButtonWindow, TheDefaultButtonIsDrawnActiveUntilAnotherPushButtonHasTheFocus)
{
    ASSERT_TRUE(ok->isDrawnActive());
    const QImage active = render(*ok);
    if (!GetParam()) { // classic: an outline in the window-frame colour
        const QRgb frame = clWindowFrame.rgb();
        for (const QPoint edge : {QPoint(0, 0), QPoint(50, 0), QPoint(96, 12), QPoint(40, 24)})
            EXPECT_EQ(active.pixel(edge), frame);
    }
    other->setFocus();
    EXPECT_FALSE(ok->isDrawnActive());
    const QImage inactive = render(*ok);
    EXPECT_NE(inactive, active);
    if (!GetParam()) {
        EXPECT_NE(inactive.pixel(50, 0), clWindowFrame.rgb());
    }
}

TEST_P(DefaultButtonWindow, FocusAddsTheDottedRectangleFourPixelsInAndNothingElse)
{
    const QImage unfocused = render(*ok);
    ok->setFocus();
    ASSERT_TRUE(ok->hasFocus());
    const QImage focused = render(*ok);
    const QRect ring = QRect(0, 0, 97, 25).adjusted(4, 4, -4, -4);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 97; ++x) {
            const bool dot = ring.contains(x, y) && !ring.adjusted(1, 1, -1, -1).contains(x, y) &&
                             (x + y) % 2 == 0;
            const QRgb expected = dot ? unfocused.pixel(x, y) ^ 0x00ffffff : unfocused.pixel(x, y);
            ASSERT_EQ(focused.pixel(x, y), expected) << x << "," << y;
        }
}

INSTANTIATE_TEST_SUITE_P(BothDrawingModes, DefaultButtonWindow, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "Themed" : "Classic"; });

struct ClickWindow : ::testing::Test {
    void SetUp() override
    {
        window.resize(200, 80);
        button->setGeometry(10, 10, 97, 25);
        button->OnClick = [this] { ++clicks; };
        ASSERT_TRUE(wb::test::showActive(window));
        edit->setFocus();
    }
    QPoint centre() const { return button->geometry().center(); }

    QWidget window;
    QLineEdit* edit = new QLineEdit(&window);
    TBitBtnXP* button = new TBitBtnXP(&window);
    int clicks = 0;
};

TEST_F(ClickWindow, APressTakesTheFocusFirstAndADoubleClickClicksTwice)
{
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre());
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(clicks, 1);
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, centre());
    EXPECT_EQ(clicks, 3);
}

TEST_F(ClickWindow, APressIsDroppedWhenTheFocusCannotBeTaken)
{
    // The field takes the focus straight back, as a validating field would.
    QObject::connect(qApp, &QApplication::focusChanged, edit, [this](QWidget*, QWidget* now) {
        if (now == button)
            edit->setFocus();
    });
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre());
    EXPECT_TRUE(edit->hasFocus());
    EXPECT_EQ(clicks, 0);
}

TEST_F(ClickWindow, CloseKindClosesTheFormWithoutOnClick)
{
    button->setKind(bkClose);
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {}, centre());
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(clicks, 0);
}

TEST_F(ClickWindow, HelpKindShowsTheNearestHelpContextInsteadOfOnClick)
{
    wb::test::Recording recording;
    button->setKind(bkHelp);
    button->click();
    EXPECT_EQ(clicks, 1); // no help context anywhere: an ordinary click
    wb::setHelpContext(&window, 42);
    button->click();
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(recording.helpContexts, std::vector<int>{42});
}

TEST(TBitBtnXPModal, OkKindOnAModalDialogClosesItWithResultOneAfterOnClick)
{
    QDialog dialog;
    dialog.resize(200, 100);
    auto* ok = new TBitBtnXP(&dialog);
    ok->setGeometry(10, 10, 181, 37);
    ok->setKind(bkOK);
    int clicks = 0;
    ok->OnClick = [&] { ++clicks; };
    QTimer::singleShot(0, &dialog, [&] {
        if (QTest::qWaitForWindowActive(&dialog))
            QTest::keyClick(dialog.windowHandle(), Qt::Key_Return); // the focused Default button
        QTimer::singleShot(300, &dialog, [&] { dialog.done(-1); });
    });
    EXPECT_EQ(dialog.exec(), mrOk);
    EXPECT_EQ(clicks, 1);
}

} // namespace
