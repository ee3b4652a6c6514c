#include "platform/TextBox.h"
#include "tests/support/WidgetTestSupport.h"
#include "widgets/RXCtrls.h"

#include <QLineEdit>
#include <QPainter>
#include <QShortcut>
#include <QTest>
#include <gtest/gtest.h>

#include <set>
#include <stdexcept>

namespace {

using wb::test::render;
using Pixels = std::set<std::pair<int, int>>;

const TColor kPanel(200, 220, 240);
const TColor kShadow(255, 0, 0);

// Glyph pixels in exactly the pen's colour, so text and shadow can be told apart.
QFont crispFont(int pixelSize = 11, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// A label in black on its own colour with a red shadow, on a panel.
struct LabelOnPanel {
    QWidget panel;
    TRxLabel* label = new TRxLabel(&panel);

    explicit LabelOnPanel(const QString& caption = QStringLiteral("Wort"))
    {
        panel.resize(300, 120);
        label->move(10, 10);
        label->setFont(crispFont());
        label->setColor(kPanel);
        label->setFontColor(clBlack);
        label->setShadowColor(kShadow);
        label->setCaption(caption);
    }
    QFontMetrics metrics() const { return QFontMetrics(label->font()); }
};

Pixels pixelsOf(const QImage& image, QRgb colour)
{
    Pixels pixels;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                pixels.emplace(x, y);
    return pixels;
}

// Where a shadow of `text` moved by `offset` shows: inside the image, not under the text.
Pixels shadowOf(const Pixels& text, QPoint offset, QSize image)
{
    Pixels shadow;
    for (const auto& [x, y] : text) {
        const int sx = x + offset.x(), sy = y + offset.y();
        if (sx >= 0 && sy >= 0 && sx < image.width() && sy < image.height() &&
            !text.count({sx, sy}))
            shadow.emplace(sx, sy);
    }
    return shadow;
}

Pixels shifted(const Pixels& pixels, QPoint by)
{
    Pixels result;
    for (const auto& [x, y] : pixels)
        result.emplace(x + by.x(), y + by.y());
    return result;
}

int topRow(const Pixels& pixels)
{
    int top = INT_MAX;
    for (const auto& pixel : pixels)
        top = std::min(top, pixel.second);
    return top;
}

const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kRed = qRgb(255, 0, 0);

// The caption as the text-box operation draws it with its top-left corner at `origin`.
Pixels textAt(const TRxLabel& label, QPoint origin, const wb::TextFormat& format = {})
{
    QImage image(label.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(label.font());
    painter.setPen(Qt::black);
    QRect rect(origin, QSize(label.width() * 2, label.height()));
    wb::textBox(painter, label.Caption(), rect, format);
    painter.end();
    return pixelsOf(image, kBlack);
}

TEST(TRxLabelShadow, TheDefaultShadowLiesOnePixelUpAndLeftWithItsTopRowClipped)
{
    LabelOnPanel on(QStringLiteral("Übersetzungen")); // the dots of the Ü touch the top
    const QImage image = render(*on.label);
    const Pixels text = pixelsOf(image, kBlack);
    EXPECT_EQ(text, textAt(*on.label, {1, 0}));
    EXPECT_EQ(topRow(text), 0) << "a glyph reaches the top row, whose shadow is cut off";
    EXPECT_EQ(pixelsOf(image, kRed), shadowOf(text, {-1, -1}, image.size()));
    EXPECT_FALSE(pixelsOf(image, kRed).empty());
}

TEST(TRxLabelShadow, EverySizeAndDirectionDisplacesTheCopyExactly)
{
    const std::pair<TShadowPosition, QPoint> directions[] = {{spLeftTop, {-1, -1}},
                                                             {spLeftBottom, {-1, 1}},
                                                             {spRightBottom, {1, 1}},
                                                             {spRightTop, {1, -1}}};
    for (const int size : {0, 2, 3})
        for (const auto& [position, unit] : directions) {
            LabelOnPanel on;
            on.label->setAutoSize(false);
            on.label->resize(80, 30);
            on.label->setLayout(tlCenter); // room on every side
            on.label->setShadowSize(size);
            on.label->setShadowPos(position);
            const QImage image = render(*on.label);
            const Pixels text = pixelsOf(image, kBlack);
            EXPECT_EQ(pixelsOf(image, kRed), shadowOf(text, unit * size, image.size()))
                << size << " " << int(position);
            EXPECT_EQ(pixelsOf(image, kRed).empty(), size == 0);
        }
}

TEST(TRxLabelShadow, SizeTwoUpAndLeftLosesTheLeftmostColumnAndTheTopTwoRows)
{
    LabelOnPanel on(QStringLiteral("Tal"));
    on.label->setShadowSize(2);
    const QImage image = render(*on.label);
    const Pixels text = pixelsOf(image, kBlack);
    ASSERT_EQ(text, textAt(*on.label, {1, 0}));
    // A glyph column at x = 1 casts its shadow at x = -1.
    EXPECT_EQ(pixelsOf(image, kRed), shadowOf(text, {-2, -2}, image.size()));
    for (const auto& [x, y] : pixelsOf(image, kRed))
        EXPECT_GE(y + 2, 2) << x;
}

TEST(TRxLabelShadow, DisabledTextIsGreyWithAHighlightShadowWhateverTheShadowColour)
{
    ASSERT_NE(clGrayText.rgb(), clBtnHighlight.rgb());
    ASSERT_NE(clBtnHighlight.rgb(), kPanel.rgb());
    {
        LabelOnPanel on;
        on.label->setAutoSize(false);
        on.label->resize(80, 30);
        on.label->setShadowSize(0);
        on.label->setEnabled(false);
        const QImage image = render(*on.label);
        const Pixels text = pixelsOf(image, clGrayText.rgb());
        EXPECT_EQ(text, textAt(*on.label, {1, 0}));
        EXPECT_EQ(pixelsOf(image, clBtnHighlight.rgb()), shadowOf(text, {1, 1}, image.size()));
        EXPECT_FALSE(pixelsOf(image, clBtnHighlight.rgb()).empty());
        EXPECT_EQ(on.label->ShadowSize(), 0);
    }
    {
        LabelOnPanel on;
        on.label->setAutoSize(false);
        on.label->resize(80, 30);
        on.label->setLayout(tlCenter);
        on.label->setShadowSize(3);
        on.label->setShadowPos(spRightTop);
        on.label->setEnabled(false);
        const QImage image = render(*on.label);
        const Pixels text = pixelsOf(image, clGrayText.rgb());
        EXPECT_EQ(pixelsOf(image, clBtnHighlight.rgb()), shadowOf(text, {3, -3}, image.size()));
        EXPECT_TRUE(pixelsOf(image, kRed).empty());
    }
}

// The worked example: one line in a label 57 high. The block of text and shadow is
// measured from y = -1; the text is drawn at the block's top after the move.
TEST(TRxLabelLayout, CentreAndBottomPlaceOneLineAsMeasuredAndStartAtTheLeftInset)
{
    LabelOnPanel on;
    on.label->setAutoSize(false);
    on.label->resize(161, 57);
    const int lineHeight = on.metrics().height();
    const Pixels top = pixelsOf(render(*on.label), kBlack);
    ASSERT_EQ(top, textAt(*on.label, {1, 0}));
    const std::pair<TTextLayout, int> layouts[] = {{tlCenter, (57 - lineHeight) / 2 - 1},
                                                   {tlBottom, 57 - lineHeight - 1}};
    for (const auto& [layout, textTop] : layouts) {
        on.label->setLayout(layout);
        const QImage image = render(*on.label);
        const Pixels text = pixelsOf(image, kBlack);
        EXPECT_EQ(text, shifted(top, {-1, textTop})) << int(layout);
        EXPECT_EQ(pixelsOf(image, kRed), shadowOf(text, {-1, -1}, image.size()));
    }
    if (lineHeight == 13) { // the figures as they are usually quoted
        EXPECT_EQ((57 - lineHeight) / 2 - 1, 21);
        EXPECT_EQ(57 - lineHeight - 1, 43);
    }
}

TEST(TRxLabelLayout, RightAndCentreAlignmentWithinTheNarrowedRectangle)
{
    LabelOnPanel on;
    on.label->setAutoSize(false);
    on.label->resize(101, 20);
    const int width = on.metrics().horizontalAdvance(on.label->Caption());
    on.label->setAlignment(taRightJustify);
    EXPECT_EQ(pixelsOf(render(*on.label), kBlack), textAt(*on.label, {100 - width, 0}));
    on.label->setAlignment(taCenter);
    EXPECT_EQ(pixelsOf(render(*on.label), kBlack), textAt(*on.label, {1 + (99 - width) / 2, 0}));
}

TEST(TRxLabelFit, ShadowDirectionDecidesWhatIsAddedToTextWidthAndLineHeight)
{
    LabelOnPanel on(QStringLiteral("Deutsch -> Englisch"));
    const int w = on.metrics().horizontalAdvance(on.label->Caption());
    const int h = on.metrics().height();
    EXPECT_EQ(on.label->size(), QSize(w + 2, h));
    on.label->setShadowSize(0);
    EXPECT_EQ(on.label->size(), QSize(w + 2, h));
    on.label->setShadowPos(spRightBottom);
    on.label->setShadowSize(1);
    EXPECT_EQ(on.label->size(), QSize(w + 3, h + 1));
    on.label->setShadowPos(spLeftBottom);
    on.label->setShadowSize(2);
    EXPECT_EQ(on.label->size(), QSize(w + 2, h + 2));
    EXPECT_EQ(on.label->pos(), QPoint(10, 10));
}

TEST(TRxLabelFit, ChangingShadowPosWaitsForTheNextTrigger)
{
    LabelOnPanel on(QStringLiteral("Wort"));
    const QSize before = on.label->size();
    on.label->setShadowPos(spRightBottom);
    EXPECT_EQ(on.label->size(), before);
    on.label->setShowAccelChar(false);
    EXPECT_EQ(on.label->size(), before);
    on.label->setCaption(QStringLiteral("Worte"));
    const int w = on.metrics().horizontalAdvance(QStringLiteral("Worte"));
    EXPECT_EQ(on.label->size(), QSize(w + 3, on.metrics().height() + 1));
}

TEST(TRxLabelFit, EmptyCaptionAndALoneAmpersandMeasureAsASpace)
{
    LabelOnPanel on(QStringLiteral("x"));
    const QSize space(on.metrics().horizontalAdvance(u' ') + 2, on.metrics().height());
    on.label->setCaption(QString());
    EXPECT_EQ(on.label->size(), space);
    on.label->setCaption(QStringLiteral("&"));
    EXPECT_EQ(on.label->size(), space);
    EXPECT_TRUE(pixelsOf(render(*on.label), kBlack).empty());

    on.label->setShowAccelChar(false);
    on.label->setCaption(QStringLiteral("&&")); // a trigger; no prefixes now
    on.label->setCaption(QStringLiteral("&"));
    EXPECT_EQ(on.label->size(),
              QSize(on.metrics().horizontalAdvance(u'&') + 2, on.metrics().height()));
    EXPECT_EQ(pixelsOf(render(*on.label), kBlack), textAt(*on.label, {1, 0}, {.noPrefix = true}));
    EXPECT_FALSE(pixelsOf(render(*on.label), kBlack).empty());
}

TEST(TRxLabelFit, RightJustifiedKeepsItsRightEdgeOthersTheirLeft)
{
    for (const TAlignment alignment : {taRightJustify, taLeftJustify, taCenter}) {
        LabelOnPanel on(QStringLiteral("Mittel"));
        on.label->setAlignment(alignment);
        const QRect start = on.label->geometry();
        for (const char* caption : {"M", "Ein sehr viel längerer Titel", "Mittel"}) {
            on.label->setCaption(QString::fromUtf8(caption));
            const QRect now = on.label->geometry();
            if (alignment == taRightJustify)
                EXPECT_EQ(now.x() + now.width(), start.x() + start.width()) << caption;
            else
                EXPECT_EQ(now.x(), start.x()) << caption;
        }
    }
}

TEST(TRxLabelFit, WordWrappedTakesItsWidestWrappedLine)
{
    LabelOnPanel on(QStringLiteral("Englisch nach Deutsch"));
    on.label->setAutoSize(false);
    on.label->resize(70, 17);
    on.label->setWordWrap(true);
    EXPECT_EQ(on.label->size(), QSize(70, 17)) << "no fit without AutoSize";
    on.label->setAutoSize(true);
    const wb::TextBoxLayout lines =
        wb::layoutTextBox(on.metrics(), on.label->Caption(), 68, {.wordBreak = true});
    ASSERT_GT(lines.lines.size(), 1u);
    EXPECT_EQ(on.label->size(), QSize(lines.width() + 2, lines.height()));
    EXPECT_LT(on.label->width(), 70) << "shrinks when there is room to spare";

    on.label->setCaption(QStringLiteral("Donaudampfschifffahrt"));
    EXPECT_EQ(on.label->width(), on.metrics().horizontalAdvance(on.label->Caption()) + 2);
}

// A panel that paints a pattern of its own, to see what a label lets through.
class PatternPanel : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int y = 0; y < height(); ++y)
            for (int x = 0; x < width(); ++x)
                painter.fillRect(x, y, 1, 1, (x + y) % 2 ? Qt::yellow : Qt::darkGreen);
    }
};

TEST(TRxLabelBackground, OpaqueFillsItsRectangleTransparentLetsThePanelShowThrough)
{
    PatternPanel panel;
    panel.resize(120, 40);
    auto* label = new TRxLabel(&panel);
    label->setFont(crispFont());
    label->setFontColor(clBlack);
    label->setColor(kPanel);
    label->setCaption(QStringLiteral("Wort"));
    label->move(10, 10);
    EXPECT_TRUE(label->testAttribute(Qt::WA_OpaquePaintEvent));
    const QRect area = label->geometry();
    const auto check = [&](bool transparent) {
        label->setTransparent(transparent);
        EXPECT_EQ(label->testAttribute(Qt::WA_OpaquePaintEvent), !transparent);
        const QImage image = render(panel);
        int glyphs = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (pixel == kBlack || pixel == clBtnHighlight.rgb()) {
                    ++glyphs;
                    continue;
                }
                const QRgb pattern = QColor((x + y) % 2 ? Qt::yellow : Qt::darkGreen).rgb();
                ASSERT_EQ(pixel, transparent ? pattern : kPanel.rgb()) << x << "," << y;
            }
        EXPECT_GT(glyphs, 0);
    };
    check(false);
    check(true);
}

TEST(TRxLabelBackground, TakesItsPanelsColourUntilGivenOneOfItsOwn)
{
    const QColor peach(240, 202, 166);
    QWidget panel;
    QPalette palette = panel.palette();
    palette.setColor(QPalette::Window, peach);
    panel.setPalette(palette);
    auto* label = new TRxLabel(&panel);
    label->setCaption(QStringLiteral("Englisch"));
    EXPECT_TRUE(label->ParentColor());
    EXPECT_EQ(render(*label).pixel(label->width() - 1, label->height() - 1), peach.rgb());
    label->setColor(kPanel);
    EXPECT_FALSE(label->ParentColor());
    EXPECT_EQ(render(*label).pixel(label->width() - 1, label->height() - 1), kPanel.rgb());
}

// A shown window with two fields and a label whose FocusControl is the second.
struct LabelWindow : ::testing::Test {
    void SetUp() override
    {
        window.resize(300, 100);
        first->setGeometry(120, 5, 80, 22);
        second->setGeometry(120, 40, 80, 22);
        second->setObjectName(QStringLiteral("FindEd"));
        label->setFont(crispFont());
        label->setColor(kPanel);
        label->setCaption(QStringLiteral("&Name:"));
        label->move(10, 40);
        label->setFocusControl(second);
        ASSERT_TRUE(wb::test::showActive(window));
        first->setFocus();
    }
    void TearDown() override { QApplication::setActiveWindow(&window); }
    QWindow* handle() { return window.windowHandle(); }
    QPoint inside() const { return label->geometry().center(); }
    QPoint outside() const { return {60, 90}; }

    QWidget window;
    QLineEdit* first = new QLineEdit(&window);
    QLineEdit* second = new QLineEdit(&window);
    TRxLabel* label = new TRxLabel(&window);
};

// Which pixels the dotted frame inverts along `frame`, as every other one.
Pixels dottedFrame(const QRect& frame, QSize image)
{
    Pixels dots;
    for (int y = frame.top(); y <= frame.bottom(); ++y)
        for (int x = frame.left(); x <= frame.right(); ++x) {
            const bool edge =
                x == frame.left() || x == frame.right() || y == frame.top() || y == frame.bottom();
            if (edge && (x + y) % 2 == 0 && x >= 0 && y >= 0 && x < image.width() &&
                y < image.height())
                dots.emplace(x, y);
        }
    return dots;
}

Pixels differing(const QImage& a, const QImage& b)
{
    Pixels pixels;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (a.pixel(x, y) != b.pixel(x, y)) {
                EXPECT_EQ(b.pixel(x, y), a.pixel(x, y) ^ 0x00ffffff) << x << "," << y;
                pixels.emplace(x, y);
            }
    return pixels;
}

TEST_F(LabelWindow, TheFocusRectangleFollowsTheFocusControlAndGoesWithIt)
{
    const QImage plain = render(*label);
    label->setShowFocus(true);
    EXPECT_EQ(render(*label), plain) << "the focus is elsewhere";
    second->setFocus();
    ASSERT_TRUE(label->FocusActive());
    // Around text and shadow, widened by a pixel: its top and left lie outside.
    const QSize size = label->size();
    const QRect frame(-1, -1, size.width() + 1, size.height() + 1);
    EXPECT_EQ(differing(plain, render(*label)), dottedFrame(frame, size));
    first->setFocus();
    EXPECT_FALSE(label->FocusActive());
    EXPECT_EQ(render(*label), plain);

    second->setFocus();
    delete second;
    second = nullptr;
    EXPECT_EQ(label->FocusControl(), nullptr);
    EXPECT_EQ(render(*label), plain);
    EXPECT_FALSE(label->FocusActive());
}

TEST_F(LabelWindow, NoFocusRectangleWithoutAFocusControlAndNoneFromAnEarlierOne)
{
    label->setShowFocus(true);
    label->setFocusControl(nullptr);
    const QImage plain = render(*label);
    second->setFocus();
    EXPECT_EQ(render(*label), plain);
    label->setFocusControl(first); // does not hold the focus now
    EXPECT_FALSE(label->FocusActive());
    EXPECT_EQ(render(*label), plain);
    label->setFocusControl(second); // does
    EXPECT_TRUE(label->FocusActive());
    EXPECT_NE(render(*label), plain);
}

TEST_F(LabelWindow, TheLabelNeverTakesTheFocus)
{
    QTest::mouseClick(handle(), Qt::LeftButton, {}, inside());
    EXPECT_TRUE(first->hasFocus());
    EXPECT_EQ(label->focusPolicy(), Qt::NoFocus);
}

struct PointerEvents {
    int entered = 0;
    int left = 0;
    int clicks = 0;
    void attach(TRxLabel& label)
    {
        label.OnMouseEnter = [this](TRxCustomLabel&) { ++entered; };
        label.OnMouseLeave = [this](TRxCustomLabel&) { ++left; };
        label.OnClick = [this](TRxCustomLabel&) { ++clicks; };
    }
};

TEST_F(LabelWindow, LeavingWithTheLeftButtonHeldCountsOnlyAtTheRelease)
{
    PointerEvents events;
    events.attach(*label);
    QTest::mouseMove(handle(), outside());
    QTest::mouseMove(handle(), inside());
    EXPECT_EQ(events.entered, 1);
    EXPECT_TRUE(label->MouseInside());
    QTest::mousePress(handle(), Qt::LeftButton, {}, inside());
    EXPECT_TRUE(label->LeftPressed());
    QTest::mouseMove(handle(), outside());
    EXPECT_EQ(events.left, 0);
    QTest::mouseRelease(handle(), Qt::LeftButton, {}, outside());
    EXPECT_EQ(events.left, 1);
    EXPECT_FALSE(label->MouseInside());
    EXPECT_FALSE(label->LeftPressed());
    EXPECT_EQ(events.clicks, 0) << "released elsewhere";

    QTest::mouseMove(handle(), inside());
    QTest::mouseClick(handle(), Qt::LeftButton, {}, inside());
    EXPECT_EQ(events.clicks, 1);
    EXPECT_EQ(events.entered, 2);
    EXPECT_EQ(events.left, 1) << "the release over the label keeps it inside";
    QTest::mouseMove(handle(), outside());
    EXPECT_EQ(events.left, 2);
}

// Presses go to the window beneath, which holds the grab; entering and leaving do not.
TEST_F(LabelWindow, ALabelThatPassesPressesOnStillFollowsThePointer)
{
    struct WindowPresses : QObject {
        int presses = 0, releases = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            presses += event->type() == QEvent::MouseButtonPress;
            releases += event->type() == QEvent::MouseButtonRelease;
            return false;
        }
    } beneath;
    window.installEventFilter(&beneath);
    PointerEvents events;
    events.attach(*label);
    int downs = 0;
    label->OnMouseDown = [&downs](TRxCustomLabel&, Qt::MouseButton, Qt::KeyboardModifiers, QPoint) {
        ++downs;
    };
    label->setPassesPresses(true);
    QTest::mouseMove(handle(), outside());
    QTest::mouseMove(handle(), inside());
    EXPECT_EQ(events.entered, 1);
    QTest::mouseClick(handle(), Qt::LeftButton, {}, inside());
    QTest::mouseClick(handle(), Qt::RightButton, {}, inside());
    EXPECT_EQ(beneath.presses, 2);
    EXPECT_EQ(beneath.releases, 2);
    EXPECT_EQ(downs, 0);
    EXPECT_EQ(events.clicks, 0);
    EXPECT_FALSE(label->LeftPressed());
    EXPECT_TRUE(label->MouseInside());
    QTest::mouseMove(handle(), outside());
    EXPECT_EQ(events.left, 1);
}

TEST_F(LabelWindow, NoEnterWhileAnotherApplicationIsActive)
{
    PointerEvents events;
    events.attach(*label);
    QTest::mouseMove(handle(), outside());
    QApplication::setActiveWindow(nullptr); // what the desktop does when another program takes over
    QTest::mouseMove(handle(), inside());
    EXPECT_EQ(events.entered, 0);
    EXPECT_FALSE(label->MouseInside());

    QTest::mouseMove(handle(), outside());
    QApplication::setActiveWindow(&window);
    QTest::mouseMove(handle(), inside());
    EXPECT_EQ(events.entered, 1);
}

TEST_F(LabelWindow, DisablingUnderThePointerLeavesAndEnablingEntersAgain)
{
    PointerEvents events;
    events.attach(*label);
    QCursor::setPos(window.mapToGlobal(inside()));
    QTest::mouseMove(handle(), inside());
    ASSERT_TRUE(label->MouseInside());
    const int entered = events.entered;
    label->setEnabled(false);
    EXPECT_EQ(events.left, 1);
    EXPECT_FALSE(label->MouseInside());
    label->setEnabled(true);
    EXPECT_EQ(events.entered, entered + 1);
}

TEST_F(LabelWindow, TheMnemonicInEitherCaseMovesTheFocus)
{
    for (const Qt::KeyboardModifiers modifiers : std::initializer_list<Qt::KeyboardModifiers>{
             Qt::AltModifier, Qt::AltModifier | Qt::ShiftModifier}) {
        first->setFocus();
        QTest::keyClick(handle(), Qt::Key_N, modifiers);
        EXPECT_TRUE(second->hasFocus()) << int(modifiers);
    }
    first->setFocus();
    QTest::keyClick(handle(), Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(LabelWindow, NoMnemonicWithoutPrefixesWhileDisabledOrForADoubledAmpersand)
{
    const auto typedMovesFocus = [this] {
        first->setFocus();
        QTest::keyClick(handle(), Qt::Key_N, Qt::AltModifier);
        return second->hasFocus();
    };
    label->setShowAccelChar(false);
    EXPECT_FALSE(typedMovesFocus());
    label->setShowAccelChar(true);
    label->setEnabled(false);
    EXPECT_FALSE(typedMovesFocus());
    label->setEnabled(true);
    label->setCaption(QStringLiteral("A&&N"));
    EXPECT_FALSE(typedMovesFocus());
    label->setCaption(QStringLiteral("&Ab&n"));
    EXPECT_TRUE(typedMovesFocus()) << "the last one counts";
}

TEST_F(LabelWindow, AMnemonicWhoseControlCannotTakeTheFocusIsLeftToOthers)
{
    int others = 0;
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_N), &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&others] { ++others; });
    second->hide();
    QTest::keyClick(handle(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(others, 1);
    second->show();
    second->setEnabled(false);
    QTest::keyClick(handle(), Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(others, 2);
    EXPECT_TRUE(first->hasFocus());
}

TEST_F(LabelWindow, StoredValuesApplyInOrderAndEachCaptionOrFontValueRefitsAtOnce)
{
    auto* heading = new TRxLabel(&window);
    heading->applyStoredValue({"Left", 8});
    heading->applyStoredValue({"Top", 4});
    heading->applyStoredValue({"Width", 161});
    heading->applyStoredValue({"Height", 57});
    EXPECT_EQ(heading->geometry(), QRect(8, 4, 161, 57));
    heading->applyStoredValue({"Caption", QStringLiteral("Deutsch -> Englisch")});
    const auto expectFitted = [&] {
        const QFontMetrics metrics(heading->font());
        EXPECT_EQ(heading->geometry(),
                  QRect(8, 4, metrics.horizontalAdvance(heading->Caption()) + 2, metrics.height()));
    };
    expectFitted();
    heading->applyStoredValues({{"Font.Name", QStringLiteral("DejaVu Sans")}, {"Font.Height", 19}});
    EXPECT_EQ(heading->font().pixelSize(), 19);
    expectFitted();
    heading->applyStoredValue({"Font.Bold", true});
    expectFitted();
    EXPECT_FALSE(heading->ParentFont());

    auto* side = new TRxLabel(&window);
    side->applyStoredValues({{"Left", 0},
                             {"Top", 0},
                             {"Width", 161},
                             {"Height", 57},
                             {"AutoSize", false},
                             {"Caption", QStringLiteral("Englisch")},
                             {"Font.Height", 19},
                             {"Font.Color", clMaroon},
                             {"WordWrap", true},
                             {"FocusControl", QStringLiteral("FindEd")}});
    EXPECT_EQ(side->geometry(), QRect(0, 0, 161, 57));
    EXPECT_EQ(side->FontColor(), clMaroon);
    EXPECT_EQ(side->FocusControl(), second);
}

TEST_F(LabelWindow, StoredValuesRejectUnknownNamesWrongTypesAndMissingControls)
{
    EXPECT_THROW(label->applyStoredValue({"Shadow", 1}), std::invalid_argument);
    EXPECT_THROW(label->applyStoredValue({"Caption", 1}), std::invalid_argument);
    EXPECT_THROW(label->applyStoredValue({"ShadowSize", 256}), std::invalid_argument);
    EXPECT_THROW(label->applyStoredValue({"FocusControl", QStringLiteral("Nichts")}),
                 std::invalid_argument);
    EXPECT_EQ(label->FocusControl(), second);
}

} // namespace
