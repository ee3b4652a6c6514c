#include "ui/MainFormLayout.h"

#include "ui/MainUnit1.h"
#include "ui/Maker.h"

namespace wb::layout {
namespace {

constexpr TColor kHeadingPeach(240, 202, 166);
constexpr TColor kSideGreen(192, 220, 192);

// What differs between the two pages: the names of their controls and their texts.
struct PageNames {
    QString sheet, tabCaption;
    int imageIndex;
    QString heading, side, sideFrame, sidePicture, sideTitleBox, work, searchRow, searchLabel,
        selectionRow, headingLabel, headingText, sideTitleLabel, sideTitleText, findEdit,
        findButton;
    Notify findClick;
    QString list;
    Notify listChange;
    QString wordEdit, translationEdit;
};

const QString& findText()
{
    static const QString text = QStringLiteral("Suchen...");
    return text;
}

Controls page(const PageNames& n)
{
    const QString side = QStringLiteral(":/art/side.gif");
    const QString word = QStringLiteral("Wort");
    const QString translations = QStringLiteral("Übersetzungen");
    return {
        {.name = n.sheet,
         .kind = Kind::Page,
         .parent = "PageControl2",
         .caption = n.tabCaption,
         .imageIndex = n.imageIndex},
        {.name = n.heading,
         .kind = Kind::Panel,
         .parent = n.sheet,
         .align = TAlign::Top,
         .geometry = {0, 0, 0, 33},
         .color = kHeadingPeach,
         .bevel = Bevel::Bevelled},
        {.name = n.headingLabel,
         .kind = Kind::RxLabel,
         .parent = n.heading,
         .geometry = {16, 10, 0, 0},
         .font = Face::Bold,
         .caption = n.headingText},
        {.name = n.side,
         .kind = Kind::Panel,
         .parent = n.sheet,
         .align = TAlign::Left,
         .geometry = {0, 0, 209, 0},
         .color = kSideGreen,
         .bevel = Bevel::Bevelled},
        {.name = n.sideFrame,
         .kind = Kind::Panel,
         .parent = n.side,
         .geometry = {7, 7, 195, 284},
         .bevel = Bevel::OuterLowered},
        {.name = n.sidePicture,
         .kind = Kind::Image,
         .parent = n.sideFrame,
         .geometry = {1, 1, 193, 281},
         .pictures = {side}},
        {.name = n.sideTitleBox,
         .kind = Kind::Panel,
         .parent = n.sideFrame,
         .geometry = {8, 8, 177, 73},
         .color = kHeadingPeach,
         .bevel = Bevel::Bevelled},
        {.name = n.sideTitleLabel,
         .kind = Kind::RxLabel,
         .parent = n.sideTitleBox,
         .geometry = {8, 8, 161, 57},
         .font = Face::Heavy,
         .fontColor = clMaroon,
         .caption = n.sideTitleText,
         .wordWrap = true},
        {.name = n.work, .kind = Kind::Panel, .parent = n.sheet, .align = TAlign::Client},
        {.name = n.searchRow,
         .kind = Kind::Panel,
         .parent = n.work,
         .align = TAlign::Top,
         .geometry = {0, 0, 0, 41}},
        {.name = n.searchLabel,
         .kind = Kind::Label,
         .parent = n.searchRow,
         .geometry = {8, 8, 0, 0},
         .caption = QStringLiteral("Suchtext;")},
        {.name = n.findEdit,
         .kind = Kind::Edit,
         .parent = n.searchRow,
         .geometry = {72, 8, 281, 21},
         .accessibleName = QStringLiteral("Suchtext")},
        {.name = n.findButton,
         .kind = Kind::OkButton,
         .parent = n.searchRow,
         .geometry = {360, 8, 97, 25},
         .caption = findText(),
         .accessibleName = findText(),
         .onClick = n.findClick},
        {.name = n.selectionRow,
         .kind = Kind::Panel,
         .parent = n.work,
         .align = TAlign::Bottom,
         .geometry = {0, 0, 0, 35}},
        {.name = n.wordEdit,
         .kind = Kind::Edit,
         .parent = n.selectionRow,
         .geometry = {8, 8, 193, 21},
         .accessibleName = word},
        {.name = n.translationEdit,
         .kind = Kind::Edit,
         .parent = n.selectionRow,
         .geometry = {208, 8, 249, 21},
         .accessibleName = translations},
        // Last, so that the rows above and below it are placed first.
        {.name = n.list,
         .kind = Kind::ListView,
         .parent = n.work,
         .align = TAlign::Client,
         .accessibleName = QStringLiteral("Ergebnisse"),
         .columns = {{word, 200}, {translations, 250}},
         .onChange = n.listChange},
    };
}

const PageNames& englishPage()
{
    static const PageNames names{
        "TabSheet1",
        QStringLiteral("Englisch->Deutsch"),
        0,
        "Panel5",
        "Panel41",
        "Panel42",
        "Image6",
        "Panel24",
        "Panel2",
        "Panel1",
        "Label1",
        "Panel12",
        "RxLabel8",
        QStringLiteral("Englisch-Deutsch - Suchtext eingeben und auf \"Suchen\" klicken..."),
        "RxLabel14",
        QStringLiteral("Englisch -> Deutsch"),
        "FindEd",
        "FindBtn",
        &TMainForm::FindBtnClick,
        "ListView1",
        &TMainForm::ListView1Change,
        "VonEd1",
        "NachEd1"};
    return names;
}

const PageNames& germanPage()
{
    // The tab and the side title read alike on this page.
    static const QString title = QStringLiteral("Deutsch -> Englisch");
    static const PageNames names{
        "TabSheet2",
        title,
        1,
        "Panel3",
        "Panel4",
        "Panel6",
        "Image1",
        "Panel9",
        "Panel10",
        "Panel11",
        "Label2",
        "Panel13",
        "RxLabel1",
        QStringLiteral("Deutsch-Englisch - Suchtext eingeben und auf \"Suchen\" klicken..."),
        "RxLabel2",
        title,
        "FindEd2",
        "FindBtn2",
        &TMainForm::FindBtn2Click,
        "ListView2",
        &TMainForm::ListView2Change,
        "VonEd2",
        "NachEd2"};
    return names;
}

const PageNames& namesOf(int page)
{
    return page == 0 ? englishPage() : germanPage();
}

} // namespace

QString windowCaption()
{
    return QStringLiteral("QUORVEL Wörterbuch Englisch");
}

QString windowIcon()
{
    return QStringLiteral(":/art/icon-32.png");
}

Controls pageControl()
{
    return {{.name = "PageControl2",
             .kind = Kind::PageControl,
             .align = TAlign::Client,
             .accessibleName = englishPage().tabCaption + " / " + germanPage().tabCaption,
             .pictures = {QStringLiteral(":/art/tab-english.bmp"),
                          QStringLiteral(":/art/tab-german.bmp")}}};
}

std::vector<Controls> pages()
{
    return {page(englishPage()), page(germanPage())};
}

Controls bottomBar()
{
    // Each picture button is two pictures at one place, the pressed one below and hidden;
    // the press handlers swap them. The pressed pictures only click.
    return {
        {.name = "Panel7", .kind = Kind::Panel, .align = TAlign::Bottom, .geometry = {0, 0, 0, 41}},
        {.name = "wwwBtn",
         .kind = Kind::FlatButton,
         .parent = "Panel7",
         .geometry = {5, 5, 137, 33},
         .caption = makerWebAddress(),
         .pictures = {QStringLiteral(":/art/www.bmp")}},
        {.name = "Panel8",
         .kind = Kind::Panel,
         .parent = "Panel7",
         .align = TAlign::Right,
         .geometry = {0, 0, 216, 0}},
        {.name = "ueberBtn2",
         .kind = Kind::Image,
         .parent = "Panel8",
         .geometry = {1, 4, 101, 30},
         .pictures = {QStringLiteral(":/art/about-pressed.gif")},
         .handPointer = true,
         .visible = false,
         .onClick = &TMainForm::ueberbtnClick},
        {.name = "ueberbtn",
         .kind = Kind::Image,
         .parent = "Panel8",
         .geometry = {1, 4, 101, 30},
         .accessibleName = QStringLiteral("Über"),
         .pictures = {QStringLiteral(":/art/about.gif")},
         .handPointer = true,
         .onClick = &TMainForm::ueberbtnClick,
         .onMouseDown = &TMainForm::ueberbtnMouseDown,
         .onMouseMove = &TMainForm::ueberbtnMouseMove,
         .onMouseUp = &TMainForm::ueberbtnMouseUp},
        {.name = "EndeBtnDown",
         .kind = Kind::Image,
         .parent = "Panel8",
         .geometry = {105, 4, 101, 30},
         .pictures = {QStringLiteral(":/art/exit-pressed.gif")},
         .handPointer = true,
         .visible = false,
         .onClick = &TMainForm::EndeBtnClick},
        {.name = "EndeBtn",
         .kind = Kind::Image,
         .parent = "Panel8",
         .geometry = {105, 4, 101, 30},
         .accessibleName = QStringLiteral("Ende"),
         .pictures = {QStringLiteral(":/art/exit.gif")},
         .handPointer = true,
         .onClick = &TMainForm::EndeBtnClick,
         .onMouseDown = &TMainForm::EndeBtnMouseDown,
         .onMouseMove = &TMainForm::EndeBtnMouseMove,
         .onMouseUp = &TMainForm::EndeBtnMouseUp},
    };
}

Controls statusBar()
{
    return {{.name = "StatusBar1",
             .kind = Kind::StatusBar,
             .align = TAlign::Bottom,
             .geometry = {0, 0, 0, 19},
             .onDrawPanel = &TMainForm::StatusBar1DrawPanel}};
}

QStringList focusOrder(int page)
{
    const PageNames& n = namesOf(page);
    return {n.findEdit, n.findButton, n.list, n.wordEdit, n.translationEdit};
}

} // namespace wb::layout
