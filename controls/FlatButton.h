#pragma once
// A flat speed button with a glyph: a tool button that shows its frame only under the
// pointer, with the glyph unscaled beside the caption. It performs no action of its own;
// OnClick is the window's to bind.
#include <QImage>
#include <QToolButton>
#include <functional>

class TFlatButton : public QToolButton {
    Q_OBJECT

public:
    explicit TFlatButton(QWidget* parent = nullptr);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    const QImage& Glyph() const { return m_glyph; }
    // The glyph is shown at its own size; `doubled`, the same glyph at twice the size
    // with a device pixel ratio of 2, on screens of twice the density.
    void setGlyph(const QImage& glyph, const QImage& doubled = QImage());

    std::function<void()> OnClick;

private:
    QImage m_glyph;
};
