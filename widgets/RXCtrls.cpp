#include "widgets/RXCtrls.h"

#include "platform/Forms.h"
#include "platform/GeneralErrorHandler.h"
#include "platform/Pointer.h"
#include "widgets/LabelLayout.h"

#include <QApplication>
#include <QImage>
#include <QKeySequence>
#include <QMouseEvent>

namespace {

// The keys that offer `mnemonic`: Alt with the key, and for a to z also with Shift,
// since the letter counts in either case.
std::vector<QKeySequence> mnemonicKeys(QChar mnemonic)
{
    const int key = mnemonic.toUpper().unicode();
    std::vector<QKeySequence> keys{QKeySequence(Qt::ALT | key)};
    if (key >= 'A' && key <= 'Z')
        keys.emplace_back(Qt::ALT | Qt::SHIFT | key);
    return keys;
}

} // namespace

TRxCustomLabel::TRxCustomLabel(QWidget* parent)
    : QWidget(parent)
{
    resize(65, 17);
    setFocusPolicy(Qt::NoFocus);
    // An opaque label fills its rectangle itself, so its parent leaves it out.
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget*, QWidget* now) { focusMovedTo(now); });
}

TRxCustomLabel::~TRxCustomLabel()
{
    if (m_focusControl)
        m_focusControl->removeEventFilter(this);
}

void TRxCustomLabel::setCaption(const QString& caption)
{
    if (caption == m_caption)
        return;
    m_caption = caption;
    update();
    FitToText();
    updateMnemonic();
}

void TRxCustomLabel::setFontColor(TColor color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    update();
    FitToText();
}

void TRxCustomLabel::setParentFont(bool parentFont)
{
    if (parentFont == ParentFont())
        return;
    // A font that sets nothing follows the parent's; one that sets everything keeps
    // what it is now. Qt sends the font change.
    QFont own = font();
    own.setResolveMask(QFont::AllPropertiesResolved);
    setFont(parentFont ? QFont() : own);
}

TColor TRxCustomLabel::Color() const
{
    if (!m_parentColor)
        return m_color;
    const QWidget* parent = parentWidget();
    return parent ? TColor::fromQColor(parent->palette().color(parent->backgroundRole()))
                  : TColor::fromQColor(palette().color(QPalette::Window));
}

void TRxCustomLabel::setColor(TColor color)
{
    if (color == m_color && !m_parentColor)
        return;
    m_color = color;
    m_parentColor = false;
    update();
}

void TRxCustomLabel::setParentColor(bool parentColor)
{
    if (parentColor == m_parentColor)
        return;
    m_parentColor = parentColor;
    update();
}

void TRxCustomLabel::setAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TRxCustomLabel::setAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize)
        return;
    m_autoSize = autoSize;
    FitToText();
}

void TRxCustomLabel::setLayout(TTextLayout layout)
{
    if (layout == m_layout)
        return;
    m_layout = layout;
    update();
}

void TRxCustomLabel::setShadowColor(TColor color)
{
    if (color == m_shadowColor)
        return;
    m_shadowColor = color;
    update();
}

void TRxCustomLabel::setShadowSize(int size)
{
    size = std::clamp(size, 0, 255);
    if (size == m_shadowSize)
        return;
    m_shadowSize = size;
    FitToText();
    update();
}

void TRxCustomLabel::setShadowPos(TShadowPosition position)
{
    if (position == m_shadowPos)
        return;
    m_shadowPos = position; // the size follows at the next re-fit
    update();
}

void TRxCustomLabel::setShowAccelChar(bool show)
{
    if (show == m_showAccelChar)
        return;
    m_showAccelChar = show;
    update();
    updateMnemonic();
}

void TRxCustomLabel::setShowFocus(bool show)
{
    if (show == m_showFocus)
        return;
    m_showFocus = show;
    update();
}

void TRxCustomLabel::setTransparent(bool transparent)
{
    if (transparent == Transparent())
        return;
    setAttribute(Qt::WA_OpaquePaintEvent, !transparent);
    update();
}

void TRxCustomLabel::setWordWrap(bool wordWrap)
{
    if (wordWrap == m_wordWrap)
        return;
    m_wordWrap = wordWrap;
    FitToText();
}

void TRxCustomLabel::setFocusControl(QWidget* control)
{
    if (m_focusControl) {
        disconnect(m_focusControlWatch);
        m_focusControl->removeEventFilter(this);
    }
    m_focusControl = control;
    if (control)
        watchFocusControl(control);
    // The rectangle shows whether the new control holds the focus now, not whether
    // the old one did when the focus last moved.
    setFocusActive(control && window()->focusWidget() == control);
    updateMnemonic();
    if (m_showFocus)
        update();
}

void TRxCustomLabel::watchFocusControl(QWidget* control)
{
    m_focusControlWatch =
        connect(control, &QObject::destroyed, this, [this] { focusControlDestroyed(); });
    // Its visibility and enabled state decide whether the mnemonic may be claimed.
    control->installEventFilter(this);
}

void TRxCustomLabel::focusControlDestroyed()
{
    m_focusControl = nullptr; // already gone; nothing to unsubscribe from
    setFocusControl(nullptr);
}

void TRxCustomLabel::FitToText()
{
    if (!m_autoSize)
        return;
    QRect rect = captionWorkingRect(size(), m_textInsetLeft, m_textInsetRight);
    {
        // A surface of the screen's resolution, only for this measurement.
        QImage screen(1, 1, QImage::Format_RGB32);
        const wb::CanvasBinding binding(m_canvas, &screen);
        wb::TextFormat format;
        format.expandTabs = true;
        format.wordBreak = m_wordWrap;
        format.measure = true;
        RenderCaption(rect, format);
    }
    setGeometry(fittedBounds(geometry(), rect, effectiveAlignment(m_alignment, isRightToLeft()),
                             m_textInsetLeft, m_textInsetRight));
}

void TRxCustomLabel::PointerEntered()
{
    callHandler(OnMouseEnter);
}

void TRxCustomLabel::PointerLeft()
{
    callHandler(OnMouseLeave);
}

void TRxCustomLabel::RecheckPointer(QPoint global)
{
    const bool wasInside = m_mouseInside;
    m_mouseInside = isEnabled() && wb::controlAt(global) == this && wb::applicationIsActive();
    if (m_mouseInside == wasInside)
        return;
    if (m_mouseInside)
        PointerEntered();
    else
        PointerLeft();
}

void TRxCustomLabel::RecheckPointer()
{
    RecheckPointer(wb::pointerPosition());
}

CaptionStyle TRxCustomLabel::captionStyle() const
{
    return {.text = DisplayText(),
            .font = font(),
            .textColor = CaptionColor(),
            .shadow = {m_shadowPos, m_shadowSize, m_shadowColor},
            .enabled = isEnabled(),
            .showAccelChar = m_showAccelChar,
            .rightToLeft = isRightToLeft()};
}

wb::TextFormat TRxCustomLabel::paintFormat() const
{
    wb::TextFormat format;
    format.expandTabs = true;
    format.wordBreak = m_wordWrap;
    switch (m_alignment) {
    case taLeftJustify:
        format.align = wb::TextAlign::Left;
        break;
    case taRightJustify:
        format.align = wb::TextAlign::Right;
        break;
    case taCenter:
        format.align = wb::TextAlign::Center;
        break;
    }
    return format;
}

void TRxCustomLabel::RenderCaption(QRect& rect, const wb::TextFormat& format)
{
    renderCaption(m_canvas.painter(), captionStyle(), rect, format);
}

void TRxCustomLabel::paintEvent(QPaintEvent*)
{
    const wb::CanvasBinding binding(m_canvas, this);
    Paint();
}

void TRxCustomLabel::Paint()
{
    if (!isEnabled())
        m_leftPressed = false;
    if (!Transparent())
        m_canvas.fillRect(rect(), Color());
    QRect rect = captionWorkingRect(size(), m_textInsetLeft, m_textInsetRight);
    const wb::TextFormat format = paintFormat();
    if (m_layout != tlTop) {
        wb::TextFormat measure = format;
        measure.measure = true;
        RenderCaption(rect, measure);
        rect = placeCaptionBlock(rect, size(), m_layout, m_textInsetLeft, m_textInsetRight);
    }
    RenderCaption(rect, format);
    if (m_showFocus && m_focusControl && m_focusActive)
        m_canvas.drawFocusRect(rect.adjusted(-1, 0, 1, 0));
}

void TRxCustomLabel::focusMovedTo(const QWidget* now)
{
    if (!now || now->window() != window())
        return;
    setFocusActive(m_focusControl && now == m_focusControl);
}

void TRxCustomLabel::setFocusActive(bool active)
{
    if (active == m_focusActive)
        return;
    m_focusActive = active;
    if (m_showFocus)
        update();
}

void TRxCustomLabel::updateMnemonic()
{
    for (const int id : m_mnemonicShortcuts)
        releaseShortcut(id);
    m_mnemonicShortcuts.clear();
    if (!m_focusControl || !m_showAccelChar)
        return;
    if (const std::optional<QChar> mnemonic = mnemonicCharacter(DisplayText()))
        for (const QKeySequence& key : mnemonicKeys(*mnemonic))
            m_mnemonicShortcuts.push_back(grabShortcut(key));
    updateMnemonicEnabled();
}

void TRxCustomLabel::updateMnemonicEnabled()
{
    // A disabled shortcut leaves the key to whoever else wants it; a shortcut that
    // matched is consumed even if it then did nothing.
    const bool claim = isEnabled() && wb::canFocus(m_focusControl);
    for (const int id : m_mnemonicShortcuts)
        setShortcutEnabled(id, claim);
}

bool TRxCustomLabel::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::Shortcut:
        if (m_focusControl && isEnabled() && m_showAccelChar && wb::canFocus(m_focusControl))
            m_focusControl->setFocus(Qt::ShortcutFocusReason);
        return true;
    case QEvent::Show:
        QWidget::event(event);
        updateMnemonicEnabled();
        RecheckPointer();
        return true;
    default:
        return QWidget::event(event);
    }
}

bool TRxCustomLabel::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_focusControl) {
        switch (event->type()) {
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::EnabledChange:
        case QEvent::ParentChange:
            updateMnemonicEnabled();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TRxCustomLabel::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::FontChange:
        update();
        FitToText();
        break;
    case QEvent::EnabledChange:
        update();
        updateMnemonicEnabled();
        RecheckPointer();
        break;
    case QEvent::PaletteChange:
    case QEvent::LayoutDirectionChange:
        update();
        break;
    default:
        break;
    }
}

void TRxCustomLabel::enterEvent(QEnterEvent* event)
{
    QWidget::enterEvent(event);
    if (m_mouseInside || !isEnabled() || !wb::applicationIsActive())
        return;
    m_mouseInside = true;
    PointerEntered();
}

void TRxCustomLabel::leaveEvent(QEvent* event)
{
    QWidget::leaveEvent(event);
    // Not while the left button is held after a press here: the release decides.
    if (!m_mouseInside || !isEnabled() || m_leftPressed)
        return;
    m_mouseInside = false;
    PointerLeft();
}

// Qt hands an ignored button event on to the parent, which then holds the implicit grab
// until the release; enter and leave still come here.
void TRxCustomLabel::mousePressEvent(QMouseEvent* event)
{
    if (m_passesPresses) {
        event->ignore();
        return;
    }
    event->accept(); // the press and its release are the label's, not its parent's
    callHandler(OnMouseDown, *event);
    if (event->button() == Qt::LeftButton && isEnabled())
        m_leftPressed = true;
    else if (event->button() == Qt::RightButton)
        RecheckPointer(event->globalPosition().toPoint());
}

void TRxCustomLabel::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_passesPresses) {
        event->ignore();
        return;
    }
    event->accept();
    callHandler(OnMouseUp, *event);
    if (m_leftPressed && event->button() == Qt::LeftButton) {
        m_leftPressed = false;
        if (rect().contains(event->position().toPoint()))
            callHandler(OnClick);
    }
    RecheckPointer(event->globalPosition().toPoint());
}

void TRxCustomLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (m_passesPresses) {
        event->ignore();
        return;
    }
    // The second press of a double-click is a press as well.
    callHandler(OnDblClick);
    mousePressEvent(event);
}

void TRxCustomLabel::callHandler(const Notify& handler)
{
    if (handler)
        wb::invokeHandler([&] { handler(*this); });
}

void TRxCustomLabel::callHandler(const MouseNotify& handler, const QMouseEvent& event)
{
    if (handler)
        wb::invokeHandler(
            [&] { handler(*this, event.button(), event.modifiers(), event.position().toPoint()); });
}
