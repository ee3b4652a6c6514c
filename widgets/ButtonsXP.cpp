#include "widgets/ButtonsXP.h"

#include "platform/Forms.h"
#include "platform/GeneralErrorHandler.h"
#include "widgets/KindGlyphs.h"

#include <QMouseEvent>

TBitBtnXP::TBitBtnXP(QWidget* parent)
    : TButton(parent)
    , m_glyph(std::make_unique<TButtonGlyph>([this] { update(); }))
{
    wb::loadStyleLibrary();
}

TBitBtnXP::~TBitBtnXP() = default;

void TBitBtnXP::setGlyph(const QImage& image)
{
    m_glyph->setGlyph(image);
    m_glyphModified = true;
    update();
}

void TBitBtnXP::setNumGlyphs(int count)
{
    count = std::min(count, 4);
    if (count == m_glyph->NumGlyphs())
        return;
    m_glyph->setNumGlyphs(std::max(count, 0));
    update();
}

TBitBtnXPKind TBitBtnXP::Kind()
{
    if (m_kind != bkCustom) {
        const wb::KindPreset& preset = wb::kindPreset(m_kind);
        if (Default() != preset.isDefault || Cancel() != preset.isCancel ||
            ModalResult() != preset.modalResult || m_glyphModified)
            m_kind = bkCustom;
    }
    return m_kind;
}

void TBitBtnXP::setKind(TBitBtnXPKind kind)
{
    if (kind == m_kind)
        return;
    if (kind != bkCustom) {
        const wb::KindPreset& preset = wb::kindPreset(kind);
        setDefault(preset.isDefault);
        setCancel(preset.isCancel);
        // A form definition lists the caption before the kind and leaves it out when
        // it is the kind's own, so a caption already given while loading is kept.
        if (!(m_loading && !Caption().isEmpty()))
            setCaption(QString::fromLatin1(preset.caption));
        setModalResult(preset.modalResult);
        m_glyph->setGlyph(wb::kindGlyph(kind));
        m_glyph->setNumGlyphs(2);
        m_glyphModified = false;
    }
    m_kind = kind;
    update();
}

void TBitBtnXP::setLayout(TButtonLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TBitBtnXP::setMargin(int margin)
{
    if (margin < -1 || margin == m_margin)
        return;
    m_margin = margin;
    update();
}

void TBitBtnXP::setSpacing(int spacing)
{
    if (spacing == m_spacing)
        return;
    m_spacing = spacing;
    update();
}

void TBitBtnXP::setStyle(TButtonStyle style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void TBitBtnXP::Click()
{
    if (m_takingFocus)
        return;
    QWidget* form = wb::parentForm(this);
    if (m_kind == bkClose && form) {
        wb::invokeHandler([form] { form->close(); });
        return;
    }
    if (m_kind == bkHelp)
        for (const QWidget* control = this; control; control = control->parentWidget())
            if (const int context = wb::helpContext(control)) {
                wb::showHelp(context);
                return;
            }
    TButton::Click();
}

TBitBtnXP::PaintState TBitBtnXP::paintState() const
{
    PaintState state;
    state.frame.pressed = isDown();
    state.frame.hasFocus = hasFocus();
    state.frame.disabled = !isEnabled();
    state.frame.active = m_drawnActive;
    state.frame.color = buttonColor();
    state.stylesInUse = wb::stylesInUse(this);
    return state;
}

void TBitBtnXP::activeChanged(bool active)
{
    if (active == m_drawnActive)
        return;
    m_drawnActive = active;
    // At once: the old active button must lose its look before the next one paints.
    repaint();
}

bool TBitBtnXP::event(QEvent* event)
{
    if (event->type() == QEvent::Polish)
        m_glyph->prepareStateImage(isEnabled() ? gsUp : gsDisabled);
    return TButton::event(event);
}

void TBitBtnXP::paintEvent(QPaintEvent*)
{
    const wb::CanvasBinding binding(m_canvas, this);
    paintButton(paintState());
}

void TBitBtnXP::paintButton(const PaintState& state)
{
    const QRect client = rect();
    const FrameRequest& frame = state.frame;
    const TGlyphState glyphState = frame.disabled ? gsDisabled : frame.pressed ? gsDown : gsUp;
    QRect content = buttonFrame(state.stylesInUse).paint(m_canvas, this, client, frame);
    if (frame.active)
        content = client.adjusted(1, 1, -1, -1);
    m_canvas.setFont(font());
    if (frame.pressed)
        content.translate(1, 1);
    m_glyph->draw(m_canvas, content,
                  {Caption(), m_layout, m_margin, m_spacing, glyphState,
                   palette().color(QPalette::ButtonText), layoutDirection() == Qt::RightToLeft});
    if (frame.active && frame.hasFocus)
        m_canvas.drawFocusRect(client.adjusted(4, 4, -4, -4));
}

QColor TBitBtnXP::buttonColor() const
{
    if (const QWidget* parent = parentWidget())
        return parent->palette().color(parent->backgroundRole());
    return palette().color(QPalette::Button);
}

void TBitBtnXP::changeEvent(QEvent* event)
{
    switch (event->type()) {
    case QEvent::EnabledChange:
    case QEvent::FontChange:
    case QEvent::PaletteChange:
        update();
        break;
    default:
        break;
    }
    TButton::changeEvent(event);
}

void TBitBtnXP::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && !hasFocus()) {
        m_takingFocus = true;
        setFocus(Qt::MouseFocusReason);
        m_takingFocus = false;
        // Whoever lost the focus may have kept it (or passed it on); then the press
        // does not belong to this button any more.
        if (!hasFocus()) {
            event->accept();
            return;
        }
    }
    TButton::mousePressEvent(event);
}

void TBitBtnXP::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double-click is a press like the first, so it clicks too.
    mousePressEvent(event);
}
