#include "tools/gallery/LabelSamples.h"

#include "widgets/RXCtrls.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>

#include <functional>

namespace {

const QColor kPeach(240, 202, 166); // the heading strips of the main window

// A panel that paints stripes, so what a transparent label lets through shows.
class StripedPanel : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        for (int x = -height(); x < width(); x += 6)
            painter.fillRect(QRect(x, 0, 3, height()), QColor(120, 160, 220));
    }
};

struct LabelSample {
    const char* title;
    bool striped;
    std::function<void(TRxLabel&)> setUp;
};

void asSideTitle(TRxLabel& label, TTextLayout layout)
{
    label.applyStoredValues({{"Width", 161},
                             {"Height", 57},
                             {"AutoSize", false},
                             {"Caption", QStringLiteral("Englisch nach Deutsch")},
                             {"Font.Name", QStringLiteral("Arial Black")},
                             {"Font.Height", 19},
                             {"Font.Color", clMaroon},
                             {"WordWrap", true},
                             {"Layout", layout}});
}

void asHeading(TRxLabel& label, const QString& caption)
{
    label.applyStoredValues({{"Caption", caption},
                             {"Font.Name", QStringLiteral("DejaVu Sans")},
                             {"Font.Height", 11},
                             {"Font.Bold", true}});
}

QWidget* samplePanel(const LabelSample& sample, QWidget* parent)
{
    QWidget* panel = sample.striped ? new StripedPanel(parent) : new QWidget(parent);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, kPeach);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    panel->setFixedSize(177, 69);
    auto* label = new TRxLabel(panel);
    label->move(8, 6);
    sample.setUp(*label);
    return panel;
}

} // namespace

QWidget* labelSamples(QWidget* parent, QWidget* focusTarget)
{
    const auto shadowAt = [](TShadowPosition position, int size, const char* caption) {
        return [=](TRxLabel& l) {
            asHeading(l, QString::fromUtf8(caption));
            l.setShadowColor(clNavy);
            l.setShadowPos(position);
            l.setShadowSize(size); // re-fits to the new direction
        };
    };
    const std::vector<LabelSample> samples = {
        {"Standard", false, [](TRxLabel& l) { asHeading(l, QStringLiteral("Englisch->Deutsch")); }},
        {"spLeftTop 2", false, shadowAt(spLeftTop, 2, "Links oben")},
        {"spLeftBottom 2", false, shadowAt(spLeftBottom, 2, "Links unten")},
        {"spRightBottom 2", false, shadowAt(spRightBottom, 2, "Rechts unten")},
        {"spRightTop 3", false, shadowAt(spRightTop, 3, "Rechts oben")},
        {"deaktiviert", false,
         [](TRxLabel& l) {
             asHeading(l, QStringLiteral("Deutsch -> Englisch"));
             l.setEnabled(false);
         }},
        {"deaktiviert, Schatten 0", false,
         [](TRxLabel& l) {
             asHeading(l, QStringLiteral("Deutsch -> Englisch"));
             l.setShadowSize(0);
             l.setEnabled(false);
         }},
        {"umbrochen, tlTop", false, [](TRxLabel& l) { asSideTitle(l, tlTop); }},
        {"umbrochen, tlCenter", false, [](TRxLabel& l) { asSideTitle(l, tlCenter); }},
        {"umbrochen, tlBottom", false, [](TRxLabel& l) { asSideTitle(l, tlBottom); }},
        {"zentriert", false,
         [](TRxLabel& l) {
             asSideTitle(l, tlCenter);
             l.setAlignment(taCenter);
         }},
        {"transparent", true,
         [](TRxLabel& l) {
             asSideTitle(l, tlCenter);
             l.setTransparent(true);
         }},
        {"undurchsichtig", true, [](TRxLabel& l) { asSideTitle(l, tlCenter); }},
        {"Alt+S, Fokusrahmen", false,
         [focusTarget](TRxLabel& l) {
             asHeading(l, QStringLiteral("&Suchbegriff:"));
             l.setShowFocus(true);
             l.setFocusControl(focusTarget);
         }},
    };

    auto* widget = new QWidget(parent);
    auto* grid = new QGridLayout(widget);
    grid->setContentsMargins(0, 0, 0, 0);
    constexpr int kColumns = 5;
    for (int i = 0; i < int(samples.size()); ++i) {
        const int row = i / kColumns * 2, column = i % kColumns;
        grid->addWidget(new QLabel(QString::fromUtf8(samples[size_t(i)].title), widget), row,
                        column);
        grid->addWidget(samplePanel(samples[size_t(i)], widget), row + 1, column);
    }
    return widget;
}
