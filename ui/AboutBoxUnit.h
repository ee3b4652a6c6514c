#pragma once
// The About dialog: the maker's photograph and texts, the notice line with the year of
// the opening, a button that opens the maker's web page and OK. It is made for one
// opening and shown modally; it keeps nothing between openings. OK closes it with
// mrOk, the window's close command with mrCancel; Escape does nothing.
#include "ui/FormBuilder.h"

#include <QByteArray>
#include <QDialog>

// The notice text with the first year placeholder replaced by `year`; a text without
// one is returned as it is.
QString withYear(QString notice, int year);

class TAboutBox : public QDialog {
    Q_OBJECT

public:
    // `photograph` is the JPEG file shown as the program's picture; what of it cannot
    // be decoded is not shown. `doubledPhotograph`, the same at twice the size, is
    // shown instead on screens of twice the density when it decodes completely.
    explicit TAboutBox(QWidget* parent = nullptr, const QByteArray& photograph = storedPhotograph(),
                       const QByteArray& doubledPhotograph = storedDoubledPhotograph());
    ~TAboutBox() override;

    static QByteArray storedPhotograph();
    static QByteArray storedDoubledPhotograph();

    void FormCreate();
    void BitBtnXP1Click();

    // The close command of the window ends it with mrCancel rather than 0.
    void reject() override;

    QWidget* control(const QString& name) const;

private:
    template <typename T> T& control(const QString& name) const
    {
        return m_builder.control<T>(name);
    }
    void showPhotograph(const QByteArray& photograph, const QByteArray& doubledPhotograph);
    void setFocusOrder();
    void centreOnScreen();

    wb::FormBuilder m_builder;
};
