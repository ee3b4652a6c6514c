// A window that shows the bitmap buttons of the program the way the windows use them,
// in every state and in both drawing modes, and the shadowed label in its variants,
// for looking at them as a user would.
#include "tools/gallery/LabelSamples.h"
#include "widgets/ButtonsXP.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include <functional>
#include <memory>

namespace {

// Only one control of a window can hold the focus, so the "focused" column draws
// its buttons as the focused button draws itself.
class FocusedLook : public TBitBtnXP {
public:
    using TBitBtnXP::TBitBtnXP;

protected:
    PaintState paintState() const override
    {
        PaintState state = TBitBtnXP::paintState();
        state.frame.hasFocus = true;
        state.frame.active = true;
        return state;
    }
};

enum class Look { Normal, Pressed, Disabled, Focused, Default };

struct Sample {
    const char* name;
    QSize size;
    QColor panel; // invalid: the window's own colour
    std::function<void(TBitBtnXP&)> setUp;
};

QWidget* panelFor(const Sample& sample, QWidget* parent)
{
    auto* panel = new QWidget(parent);
    if (sample.panel.isValid()) {
        QPalette palette = panel->palette();
        palette.setColor(QPalette::Window, sample.panel);
        panel->setPalette(palette);
        panel->setAutoFillBackground(true);
    }
    panel->setFixedSize(sample.size + QSize(16, 12));
    return panel;
}

QWidget* sampleButton(const Sample& sample, Look look, QStyle* style, QWidget* parent)
{
    QWidget* panel = panelFor(sample, parent);
    TBitBtnXP* button = look == Look::Focused ? new FocusedLook(panel) : new TBitBtnXP(panel);
    if (style)
        button->setStyle(style);
    button->setLoading(true);
    sample.setUp(*button);
    button->setLoading(false);
    button->setGeometry(QRect(QPoint(8, 6), sample.size));
    button->setDefault(look == Look::Default);
    button->setDown(look == Look::Pressed);
    button->setEnabled(look != Look::Disabled);
    if (look != Look::Default)
        button->setFocusPolicy(Qt::NoFocus); // the focus stays in the line edit
    return panel;
}

// One drawing mode: a row per look, a column per button.
void addSection(QGridLayout* grid, int& row, const QString& title, QStyle* style,
                const std::vector<Sample>& samples, QWidget* parent)
{
    grid->addWidget(new QLabel(QStringLiteral("<b>%1</b>").arg(title), parent), row++, 0, 1, 4);
    for (int column = 0; column < int(samples.size()); ++column)
        grid->addWidget(new QLabel(QString::fromLatin1(samples[size_t(column)].name), parent), row,
                        column + 1);
    ++row;
    const char* looks[] = {"normal", "gedrückt", "deaktiviert", "fokussiert", "Standard"};
    for (int look = 0; look < 5; ++look) {
        grid->addWidget(new QLabel(QString::fromUtf8(looks[look]), parent), row, 0);
        for (int column = 0; column < int(samples.size()); ++column)
            grid->addWidget(sampleButton(samples[size_t(column)], Look(look), style, parent), row,
                            column + 1);
        ++row;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    std::unique_ptr<QStyle> classic(QStyleFactory::create(QStringLiteral("windows")));

    const QImage globe(QStringLiteral(":/glyphs/GLOBE.bmp"));
    const std::vector<Sample> samples = {
        {"FindBtn",
         {97, 25},
         {},
         [](TBitBtnXP& b) {
             b.setCaption(QStringLiteral("Suchen..."));
             b.setKind(bkOK);
         }},
        {"BitBtnXP1",
         {169, 25},
         QColor(240, 202, 166),
         [&globe](TBitBtnXP& b) {
             b.setCaption(QStringLiteral("www.example.org"));
             b.setGlyph(globe);
             b.setNumGlyphs(2);
         }},
        {"BitBtn1", {181, 37}, {}, [](TBitBtnXP& b) { b.setKind(bkOK); }},
    };

    QWidget window;
    window.setWindowTitle(QStringLiteral("Schaltflächen"));
    auto* grid = new QGridLayout(&window);
    auto* edit = new QLineEdit(&window);
    edit->setPlaceholderText(QStringLiteral("Eingabefeld mit dem Fokus"));
    int row = 0;
    grid->addWidget(edit, row++, 0, 1, 3);
    addSection(grid, row, QStringLiteral("Klassisch (Stil „Windows“)"), classic.get(), samples,
               &window);
    addSection(grid, row, QStringLiteral("Mit Stil (%1)").arg(QApplication::style()->name()),
               nullptr, samples, &window);
    grid->addWidget(new QLabel(QStringLiteral("<b>Beschriftungen mit Schatten</b>"), &window),
                    row++, 0, 1, 4);
    grid->addWidget(labelSamples(&window, edit), row++, 0, 1, 4);
    window.show();
    window.activateWindow();
    edit->setFocus();
    return application.exec();
}
