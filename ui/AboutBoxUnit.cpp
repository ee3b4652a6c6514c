#include "ui/AboutBoxUnit.h"

#include "controls/Panel.h"
#include "controls/Picture.h"
#include "platform/Fonts.h"
#include "platform/Forms.h"
#include "ui/Maker.h"
#include "widgets/ButtonsXP.h"
#include "widgets/JpegPicture.h"

#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QStyle>
#include <stdexcept>

using namespace wb;
using namespace wb::aboutlayout;

namespace {

QFont fontOf(Face face)
{
    switch (face) {
    case Face::Bold:
        return defaultBoldFont();
    case Face::Slogan:
        return designFont(kNarrowFace, 24, QFont::Bold);
    case Face::Inherited:
        break;
    }
    return defaultFont();
}

QImage loadGlyph(const QString& path)
{
    QImage image(path);
    if (image.isNull())
        throw std::runtime_error("missing picture " + path.toStdString());
    return image;
}

} // namespace

QString withYear(QString notice, int year)
{
    const qsizetype at = notice.indexOf(QLatin1String(kYearPlaceholder));
    if (at >= 0)
        notice.replace(at, qsizetype(qstrlen(kYearPlaceholder)), QString::number(year));
    return notice;
}

TAboutBox::TAboutBox(QWidget* parent, const QByteArray& photograph)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(aboutlayout::caption());
    setFont(defaultFont());
    setFixedSize(kClientSize);
    createControls(photograph);
    centreOnScreen();
    FormCreate();
}

TAboutBox::~TAboutBox() = default;

QByteArray TAboutBox::storedPhotograph()
{
    QFile file(aboutlayout::photograph());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

void TAboutBox::FormCreate()
{
    auto* copyright = static_cast<QLabel*>(control(QStringLiteral("Copyright")));
    copyright->setText(withYear(copyright->text(), QDate::currentDate().year()));
    copyright->adjustSize();
}

// Whether a browser came up is not ours to report; the dialog stays open either way.
void TAboutBox::BitBtnXP1Click()
{
    QDesktopServices::openUrl(makerWebPage());
}

void TAboutBox::reject()
{
    done(mrCancel);
}

QWidget* TAboutBox::control(const QString& name) const
{
    QWidget* widget = m_controls.value(name);
    if (!widget)
        throw std::logic_error("no control " + name.toStdString());
    return widget;
}

void TAboutBox::createControls(const QByteArray& photograph)
{
    QWidget* previous = nullptr;
    for (const Control& c : controls()) {
        QWidget* parent = c.parent.isEmpty() ? this : control(c.parent);
        QWidget* widget = createControl(c, photograph);
        widget->setObjectName(c.name);
        widget->setParent(parent);
        if (auto* panel = qobject_cast<TPanel*>(parent))
            panel->addControl(widget, TAlign::None);
        if (c.font != Face::Inherited)
            widget->setFont(fontOf(c.font));
        if (c.geometry.size().isNull()) {
            widget->move(c.geometry.topLeft());
            widget->adjustSize(); // a label fits its text, a picture its photograph
        } else {
            widget->setGeometry(c.geometry);
        }
        m_controls.insert(c.name, widget);
        if (widget->focusPolicy() & Qt::TabFocus) {
            if (previous)
                setTabOrder(previous, widget);
            else
                widget->setFocus(); // the first in the table has the focus on opening
            previous = widget;
        }
    }
}

QWidget* TAboutBox::createControl(const Control& c, const QByteArray& photograph)
{
    switch (c.kind) {
    case Kind::Panel: {
        auto* panel = new TPanel;
        panel->setBevelled();
        panel->setColor(kPanelColor);
        return panel;
    }
    case Kind::Picture: {
        auto* picture = new TImage;
        // A damaged file shows what could be decoded of it, or nothing.
        const QImage image = decodeJpeg(photograph).image;
        picture->setPicture(image);
        picture->setHidden(image.isNull());
        return picture;
    }
    case Kind::Label:
    case Kind::WrapLabel: {
        auto* label = new QLabel(c.caption);
        label->setWordWrap(c.kind == Kind::WrapLabel);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case Kind::WebButton: {
        auto* button = new TBitBtnXP;
        button->setGlyph(loadGlyph(QStringLiteral(":/glyphs/GLOBE.bmp")));
        button->setNumGlyphs(2);
        button->setCaption(makerWebAddress());
        button->OnClick = [this] { BitBtnXP1Click(); };
        return button;
    }
    case Kind::OkButton: {
        auto* button = new TBitBtnXP;
        button->setKind(bkOK);
        return button;
    }
    }
    throw std::logic_error("unknown control kind");
}

void TAboutBox::centreOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen)
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
}
