#include "ui/AboutBoxUnit.h"

#include "controls/Picture.h"
#include "platform/Fonts.h"
#include "platform/Forms.h"
#include "ui/AboutBoxLayout.h"
#include "ui/Maker.h"
#include "widgets/ButtonsXP.h"
#include "widgets/JpegPicture.h"

#include <QDate>
#include <QDesktopServices>
#include <QFile>
#include <QLabel>
#include <QScreen>
#include <QStyle>

using namespace wb;
using namespace wb::aboutlayout;

QString withYear(QString notice, int year)
{
    const qsizetype at = notice.indexOf(QLatin1String(kYearPlaceholder));
    if (at >= 0)
        notice.replace(at, qsizetype(qstrlen(kYearPlaceholder)), QString::number(year));
    return notice;
}

TAboutBox::TAboutBox(QWidget* parent, const QByteArray& photograph,
                     const QByteArray& doubledPhotograph)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint)
    , m_builder(*this)
{
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(aboutlayout::caption());
    setFont(defaultFont());
    setFixedSize(aboutlayout::kClientSize);
    m_builder.create(controls());
    showPhotograph(photograph, doubledPhotograph);
    control<TBitBtnXP>(QStringLiteral("BitBtnXP1")).OnClick = [this] { BitBtnXP1Click(); };
    setFocusOrder();
    centreOnScreen();
    FormCreate();
}

TAboutBox::~TAboutBox() = default;

namespace {

QByteArray fileContents(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

} // namespace

QByteArray TAboutBox::storedPhotograph()
{
    return fileContents(aboutlayout::photograph());
}

QByteArray TAboutBox::storedDoubledPhotograph()
{
    return fileContents(doubledPicturePath(aboutlayout::photograph()));
}

void TAboutBox::FormCreate()
{
    auto& copyright = control<QLabel>(QStringLiteral("Copyright"));
    copyright.setText(withYear(copyright.text(), QDate::currentDate().year()));
    copyright.adjustSize();
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
    return &m_builder.widget(name);
}

// A damaged file shows what could be decoded of it, or nothing; the doubled one only
// when it decodes whole.
void TAboutBox::showPhotograph(const QByteArray& photograph, const QByteArray& doubledPhotograph)
{
    auto& picture = control<TImage>(QStringLiteral("ProgramIcon"));
    const QImage image = decodeJpeg(photograph).image;
    const JpegDecodeResult doubled = decodeJpeg(doubledPhotograph);
    picture.setPicture(image, doubled.complete ? doubled.image : QImage());
    picture.setHidden(image.isNull());
}

// The table's order is the focus order; the first control that takes the focus has it
// on opening.
void TAboutBox::setFocusOrder()
{
    QWidget* previous = nullptr;
    for (const form::Control& c : controls()) {
        QWidget* widget = control(c.name);
        if (!(widget->focusPolicy() & Qt::TabFocus))
            continue;
        if (previous)
            setTabOrder(previous, widget);
        else
            widget->setFocus();
        previous = widget;
    }
}

void TAboutBox::centreOnScreen()
{
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (screen)
        move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                 screen->availableGeometry())
                 .topLeft());
}
