#include "ui/FormBuilder.h"

#include "controls/FlatButton.h"
#include "controls/ImageList.h"
#include "controls/ListView.h"
#include "controls/PageControl.h"
#include "controls/Panel.h"
#include "controls/Picture.h"
#include "controls/StatusBar.h"
#include "platform/Fonts.h"
#include "widgets/ButtonsXP.h"
#include "widgets/RXCtrls.h"

#include <QLabel>
#include <QLineEdit>

namespace wb {

using form::Bevel;
using form::Control;
using form::Controls;
using form::Face;
using form::Kind;

namespace {

QFont fontOf(Face face)
{
    switch (face) {
    case Face::Bold:
        return defaultBoldFont();
    case Face::Heavy:
        return layoutFont(kHeavyFace, 19);
    case Face::Slogan:
        return layoutFont(kNarrowFace, 24, QFont::Bold);
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

TImageList imageList(const QStringList& pictures, QSize cell)
{
    TImageList images(cell.width(), cell.height());
    for (const QString& path : pictures) {
        const PictureFile file = loadPictureFile(path);
        images.add(file.picture, TImageList::defaultMaskColor(file.picture), file.doubled);
    }
    return images;
}

// A page has no bevels, only the alignment of its children.
QWidget* alignedContainer()
{
    auto* container = new QWidget;
    auto* alignment = new AlignLayout(container);
    alignment->setContentsMargins(0, 0, 0, 0);
    return container;
}

TPanel* panel(const Control& c)
{
    auto* panel = new TPanel;
    setBevel(*panel, c.bevel);
    if (c.color)
        panel->setColor(*c.color);
    return panel;
}

TPageControl* pageControl(const Control& c)
{
    auto* pages = new TPageControl;
    pages->setHotTrack(true);
    pages->setImages(imageList(c.pictures, {16, 16}));
    return pages;
}

QLabel* label(const Control& c)
{
    auto* label = new QLabel(c.caption);
    label->setWordWrap(c.wordWrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setAttribute(Qt::WA_TransparentForMouseEvents);
    return label;
}

TBitBtnXP* okButton(const Control& c)
{
    auto* button = new TBitBtnXP;
    if (c.caption.isEmpty()) {
        button->setKind(bkOK);
        return button;
    }
    // Loading keeps the kind from replacing the caption given here.
    button->setLoading(true);
    button->setCaption(c.caption);
    button->setKind(bkOK);
    button->setLoading(false);
    return button;
}

TBitBtnXP* glyphButton(const Control& c)
{
    auto* button = new TBitBtnXP;
    button->setGlyph(loadPictureFile(c.pictures.at(0)).picture);
    button->setNumGlyphs(c.glyphCount);
    button->setCaption(c.caption);
    return button;
}

TListView* listView(const Control& c)
{
    auto* list = new TListView;
    for (const form::Column& column : c.columns)
        list->addColumn(column.caption, column.width);
    return list;
}

TImage* image(const Control& c)
{
    auto* picture = new TImage;
    if (!c.pictures.isEmpty()) {
        const PictureFile file = loadPictureFile(c.pictures.at(0));
        picture->setPicture(file.picture, file.doubled);
    }
    picture->setHandPointer(c.handPointer);
    return picture;
}

TFlatButton* flatButton(const Control& c)
{
    auto* button = new TFlatButton;
    button->setCaption(c.caption);
    const QImage glyph = loadPictureFile(c.pictures.at(0)).picture;
    const TImageList masked = imageList({c.pictures.at(0)}, glyph.size());
    button->setGlyph(masked.image(0), masked.doubled(0));
    return button;
}

} // namespace

FormBuilder::FormBuilder(QWidget& form)
    : m_form(form)
{
}

void FormBuilder::create(const Controls& controls)
{
    for (const Control& c : controls) {
        QWidget* widget = createControl(c);
        widget->setObjectName(c.name);
        widget->setAccessibleName(c.accessibleName);
        m_controls.insert(c.name, widget);
        place(*widget, c);
    }
}

QWidget& FormBuilder::widget(const QString& name) const
{
    QWidget* widget = m_controls.value(name);
    if (!widget)
        throw ControlLookupError("no control " + name.toStdString());
    return *widget;
}

QWidget* FormBuilder::createControl(const Control& c)
{
    switch (c.kind) {
    case Kind::Page: {
        QWidget* page = alignedContainer();
        control<TPageControl>(c.parent).addPage(page, c.caption, c.imageIndex);
        return page;
    }
    case Kind::Panel:
        return panel(c);
    case Kind::StatusBar:
        return new TStatusBar;
    case Kind::PageControl:
        return pageControl(c);
    case Kind::Label:
        return label(c);
    case Kind::RxLabel: {
        auto* label = new TRxLabel; // dressed once it lies on its panel, whose colour it takes
        label->setPassesPresses(true);
        return label;
    }
    case Kind::Edit:
        return new QLineEdit;
    case Kind::OkButton:
        return okButton(c);
    case Kind::GlyphButton:
        return glyphButton(c);
    case Kind::ListView:
        return listView(c);
    case Kind::Image:
        return image(c);
    case Kind::FlatButton:
        return flatButton(c);
    }
    throw std::logic_error("unknown control kind");
}

void FormBuilder::place(QWidget& widget, const Control& c)
{
    if (c.kind == Kind::Page)
        return; // the page control placed it
    QWidget& parent = c.parent.isEmpty() ? m_form : this->widget(c.parent);
    widget.setParent(&parent);
    // Labels are drawn on their parent: every control lies above every label, so the
    // paragraph beside the About dialog's web button leaves the button's top rows to it.
    if (c.kind == Kind::Label || c.kind == Kind::RxLabel)
        widget.lower();
    if (auto* panel = qobject_cast<TPanel*>(&parent))
        panel->addControl(&widget, c.align);
    else if (auto* alignment = dynamic_cast<AlignLayout*>(parent.layout()))
        alignment->addWidget(&widget, c.align);
    if (c.kind == Kind::RxLabel) {
        dressRxLabel(control<TRxLabel>(c.name), c);
    } else {
        if (c.font != Face::Inherited)
            widget.setFont(fontOf(c.font));
        if (!c.geometry.size().isNull()) {
            widget.setGeometry(c.geometry);
        } else {
            widget.move(c.geometry.topLeft());
            // Measured in the font it now has: a label fits its text, a picture its own size.
            if (c.kind == Kind::Label || c.kind == Kind::Image)
                widget.adjustSize();
        }
    }
    widget.setVisible(c.visible);
}

void FormBuilder::dressRxLabel(TRxLabel& label, const Control& c)
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

} // namespace wb
