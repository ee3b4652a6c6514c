#pragma once
// TBitBtnXP: a push button that paints itself, a glyph beside its caption, over the
// themed push-button background when styles are in use and a classic 3-D frame
// otherwise. A Kind presets glyph, caption, modal result and the Default or Cancel
// role at once. Keyboard handling, the modal result and OnClick come from TButton;
// glyph images, their display forms and the layout live in TButtonGlyph.
#include "controls/PushButton.h"
#include "platform/Canvas.h"
#include "platform/VisualStyles.h"
#include "widgets/ButtonFrame.h"
#include "widgets/ButtonGlyph.h"
#include "widgets/ButtonTypes.h"

#include <memory>

class TBitBtnXP : public TButton {
    Q_OBJECT

public:
    explicit TBitBtnXP(QWidget* parent = nullptr);
    ~TBitBtnXP() override;

    const QImage& Glyph() const { return m_glyph->Glyph(); }
    void setGlyph(const QImage& image);
    int NumGlyphs() const { return m_glyph->NumGlyphs(); }
    void setNumGlyphs(int count);
    // Reading turns a preset kind into bkCustom once a preset setting was changed.
    TBitBtnXPKind Kind();
    void setKind(TBitBtnXPKind kind);
    TButtonLayout Layout() const { return m_layout; }
    void setLayout(TButtonLayout layout);
    using QWidget::setLayout;
    int Margin() const { return m_margin; }
    void setMargin(int margin);
    int Spacing() const { return m_spacing; }
    void setSpacing(int spacing);
    TButtonStyle Style() const { return m_style; }
    void setStyle(TButtonStyle style);
    using QWidget::setStyle;

    // While a form definition is being applied, a Kind keeps a caption given before it.
    void setLoading(bool loading) { m_loading = loading; }
    bool isLoading() const { return m_loading; }

    const TButtonGlyph& glyph() const { return *m_glyph; }
    // The drawing copy of the active state.
    bool isDrawnActive() const { return m_drawnActive; }

    void Click() override;
    QSize sizeHint() const override { return size(); }

protected:
    struct PaintState {
        FrameRequest frame;
        bool stylesInUse = false;
    };
    // What this paint depends on, collected from the button's state.
    virtual PaintState paintState() const;

    void activeChanged(bool active) override;
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    void paintButton(const PaintState& state);
    QColor buttonColor() const;

    std::unique_ptr<TButtonGlyph> m_glyph;
    wb::Canvas m_canvas;
    TButtonStyle m_style = bsAutoDetect;
    TBitBtnXPKind m_kind = bkCustom;
    TButtonLayout m_layout = blGlyphLeft;
    int m_spacing = 4;
    int m_margin = -1;
    bool m_drawnActive = false;
    bool m_glyphModified = false;
    bool m_loading = false;
    bool m_takingFocus = false;
};
