#pragma once
// TRxCustomLabel: a windowless label that draws its caption over a displaced shadow
// copy, sizes itself to the text, places it vertically, greys it while disabled,
// hands the focus to its FocusControl on its mnemonic and reports the pointer
// entering and leaving. It never takes the focus and owns no other control.
// TRxLabel publishes it for form definitions: stored values are applied in order.
#include "platform/Canvas.h"
#include "platform/Colors.h"
#include "widgets/LabelTypes.h"
#include "widgets/ShadowText.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <string_view>
#include <variant>
#include <vector>

class TRxCustomLabel : public QWidget {
    Q_OBJECT

public:
    explicit TRxCustomLabel(QWidget* parent = nullptr);
    ~TRxCustomLabel() override;

    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // The font's colour; the font itself is the widget's.
    TColor FontColor() const { return m_fontColor; }
    void setFontColor(TColor color);
    bool ParentFont() const { return !testAttribute(Qt::WA_SetFont); }
    void setParentFont(bool parentFont);
    // The parent's background colour while ParentColor is set.
    TColor Color() const;
    void setColor(TColor color);
    bool ParentColor() const { return m_parentColor; }
    void setParentColor(bool parentColor);

    TAlignment Alignment() const { return m_alignment; }
    void setAlignment(TAlignment alignment);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    TTextLayout Layout() const { return m_layout; }
    void setLayout(TTextLayout layout);
    using QWidget::setLayout;
    TColor ShadowColor() const { return m_shadowColor; }
    void setShadowColor(TColor color);
    int ShadowSize() const { return m_shadowSize; }
    void setShadowSize(int size); // 0 to 255
    TShadowPosition ShadowPos() const { return m_shadowPos; }
    void setShadowPos(TShadowPosition position);
    bool ShowAccelChar() const { return m_showAccelChar; }
    void setShowAccelChar(bool show);
    bool ShowFocus() const { return m_showFocus; }
    void setShowFocus(bool show);
    bool Transparent() const { return !testAttribute(Qt::WA_OpaquePaintEvent); }
    void setTransparent(bool transparent);
    bool WordWrap() const { return m_wordWrap; }
    void setWordWrap(bool wordWrap);
    QWidget* FocusControl() const { return m_focusControl; }
    // Always stored, even when unchanged.
    void setFocusControl(QWidget* control);

    // A label that passes presses on lets every press, release and double-click go to
    // its parent, as if it were drawn there, while it still follows the pointer
    // entering and leaving. It raises no mouse-button events then.
    bool PassesPresses() const { return m_passesPresses; }
    void setPassesPresses(bool passes) { m_passesPresses = passes; }

    bool FocusActive() const { return m_focusActive; }
    bool MouseInside() const { return m_mouseInside; }
    bool LeftPressed() const { return m_leftPressed; }

    using Notify = std::function<void(TRxCustomLabel& sender)>;
    using MouseNotify = std::function<void(TRxCustomLabel& sender, Qt::MouseButton button,
                                           Qt::KeyboardModifiers modifiers, QPoint position)>;
    Notify OnMouseEnter;
    Notify OnMouseLeave;
    Notify OnClick;
    Notify OnDblClick;
    MouseNotify OnMouseDown;
    MouseNotify OnMouseUp;

    // Sizes the label to its text while AutoSize is set; every call measures anew.
    void FitToText();

protected:
    // The text colour while enabled.
    virtual TColor CaptionColor() const { return m_fontColor; }
    // The text that is drawn, measured and searched for the mnemonic.
    virtual QString DisplayText() const { return m_caption; }
    virtual void PointerEntered();
    virtual void PointerLeft();

    // Whether the pointer counts as inside, decided afresh from where it is.
    void RecheckPointer(QPoint global);
    void RecheckPointer();

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void Paint();
    void RenderCaption(QRect& rect, const wb::TextFormat& format);
    CaptionStyle captionStyle() const;
    wb::TextFormat paintFormat() const;
    bool isRightToLeft() const { return layoutDirection() == Qt::RightToLeft; }

    void focusMovedTo(const QWidget* now);
    void setFocusActive(bool active);
    void watchFocusControl(QWidget* control);
    void focusControlDestroyed();
    void updateMnemonic();
    void updateMnemonicEnabled();
    void callHandler(const Notify& handler);
    void callHandler(const MouseNotify& handler, const QMouseEvent& event);

    QPointer<QWidget> m_focusControl;
    QMetaObject::Connection m_focusControlWatch;
    TAlignment m_alignment = taLeftJustify;
    bool m_autoSize = true;
    TTextLayout m_layout = tlTop;
    TColor m_shadowColor = clBtnHighlight;
    int m_shadowSize = 1;
    TShadowPosition m_shadowPos = spLeftTop;
    bool m_wordWrap = false;
    bool m_showAccelChar = true;
    bool m_showFocus = false;
    bool m_focusActive = false;
    bool m_mouseInside = false;
    bool m_leftPressed = false;
    bool m_passesPresses = false;
    int m_textInsetLeft = 0;
    int m_textInsetRight = 0;

    QString m_caption;
    TColor m_fontColor = clWindowText;
    TColor m_color = clBtnFace;
    bool m_parentColor = true;
    wb::Canvas m_canvas;
    std::vector<int> m_mnemonicShortcuts;
};

// One value of a form definition. Enumerations are stored as their own types, sizes
// and positions as int; FocusControl names a control of the label's window.
using StoredValue =
    std::variant<bool, int, QString, TColor, TAlignment, TTextLayout, TShadowPosition>;

struct StoredProperty {
    std::string_view name; // as the form definition spells it: "Caption", "Font.Height"
    StoredValue value;
};

class TRxLabel : public TRxCustomLabel {
    Q_OBJECT

public:
    using TRxCustomLabel::TRxCustomLabel;

    // Applies the values in their sequence, each with the effect of its setter, so a
    // caption or font value re-fits at once. An unknown property, a value of the wrong
    // type or a FocusControl that the window does not hold throws std::invalid_argument.
    void applyStoredValues(const std::vector<StoredProperty>& values);
    void applyStoredValue(const StoredProperty& property);
};
