#include "ui/MainFormLayout.h"

#include "ui/Maker.h"

namespace wb::layout {
namespace {

using form::Bevel;
using form::Face;
using form::kHeadingPeach;
using form::Kind;
using form::kSideGreen;

const QString& findText()
{
    static const QString text = QStringLiteral("Suchen...");
    return text;
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

const std::vector<SearchPageDescription>& searchPages()
{
    // The tab and the side title read alike on the German page.
    static const QString germanTitle = QStringLiteral("Deutsch -> Englisch");
    static const std::vector<SearchPageDescription> pages{
        {.direction = Direction::EnglishToGerman,
         .sheet = "TabSheet1",
         .tabCaption = QStringLiteral("Englisch->Deutsch"),
         .tabPicture = QStringLiteral(":/art/tab-english.bmp"),
         .heading = "Panel5",
         .headingLabel = "RxLabel8",
         .headingText =
             QStringLiteral("Englisch-Deutsch - Suchtext eingeben und auf \"Suchen\" klicken..."),
         .side = "Panel41",
         .sideFrame = "Panel42",
         .sidePicture = "Image6",
         .sideTitleBox = "Panel24",
         .sideTitleLabel = "RxLabel14",
         .sideTitleText = QStringLiteral("Englisch -> Deutsch"),
         .work = "Panel2",
         .searchRow = "Panel1",
         .searchLabel = "Label1",
         .find = "FindEd",
         .findButton = "FindBtn",
         .selectionRow = "Panel12",
         .word = "VonEd1",
         .translation = "NachEd1",
         .list = "ListView1"},
        {.direction = Direction::GermanToEnglish,
         .sheet = "TabSheet2",
         .tabCaption = germanTitle,
         .tabPicture = QStringLiteral(":/art/tab-german.bmp"),
         .heading = "Panel3",
         .headingLabel = "RxLabel1",
         .headingText =
             QStringLiteral("Deutsch-Englisch - Suchtext eingeben und auf \"Suchen\" klicken..."),
         .side = "Panel4",
         .sideFrame = "Panel6",
         .sidePicture = "Image1",
         .sideTitleBox = "Panel9",
         .sideTitleLabel = "RxLabel2",
         .sideTitleText = germanTitle,
         .work = "Panel10",
         .searchRow = "Panel11",
         .searchLabel = "Label2",
         .find = "FindEd2",
         .findButton = "FindBtn2",
         .selectionRow = "Panel13",
         .word = "VonEd2",
         .translation = "NachEd2",
         .list = "ListView2"},
    };
    return pages;
}

Controls pageControl()
{
    QStringList tabCaptions, tabPictures;
    for (const SearchPageDescription& page : searchPages()) {
        tabCaptions << page.tabCaption;
        tabPictures << page.tabPicture;
    }
    return {{.name = kPageControl,
             .kind = Kind::PageControl,
             .align = TAlign::Client,
             .accessibleName = tabCaptions.join(" / "),
             .pictures = tabPictures}};
}

Controls pageControls(const SearchPageDescription& n, int tab)
{
    const QString side = QStringLiteral(":/art/side.gif");
    const QString word = QStringLiteral("Wort");
    const QString translations = QStringLiteral("Übersetzungen");
    return {
        {.name = n.sheet,
         .kind = Kind::Page,
         .parent = kPageControl,
         .caption = n.tabCaption,
         .imageIndex = tab},
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
        {.name = n.find,
         .kind = Kind::Edit,
         .parent = n.searchRow,
         .geometry = {72, 8, 281, 21},
         .accessibleName = QStringLiteral("Suchtext")},
        {.name = n.findButton,
         .kind = Kind::OkButton,
         .parent = n.searchRow,
         .geometry = {360, 8, 97, 25},
         .caption = findText(),
         .accessibleName = findText()},
        {.name = n.selectionRow,
         .kind = Kind::Panel,
         .parent = n.work,
         .align = TAlign::Bottom,
         .geometry = {0, 0, 0, 35}},
        {.name = n.word,
         .kind = Kind::Edit,
         .parent = n.selectionRow,
         .geometry = {8, 8, 193, 21},
         .accessibleName = word},
        {.name = n.translation,
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
         .columns = {{word, 200}, {translations, 250}}},
    };
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
         .visible = false},
        {.name = "ueberbtn",
         .kind = Kind::Image,
         .parent = "Panel8",
         .geometry = {1, 4, 101, 30},
         .accessibleName = QStringLiteral("Über"),
         .pictures = {QStringLiteral(":/art/about.gif")},
         .handPointer = true},
        {.name = "EndeBtnDown",
         .kind = Kind::Image,
         .parent = "Panel8",
         .geometry = {105, 4, 101, 30},
         .pictures = {QStringLiteral(":/art/exit-pressed.gif")},
         .handPointer = true,
         .visible = false},
        {.name = "EndeBtn",
         .kind = Kind::Image,
         .parent = "Panel8",
         .geometry = {105, 4, 101, 30},
         .accessibleName = QStringLiteral("Ende"),
         .pictures = {QStringLiteral(":/art/exit.gif")},
         .handPointer = true},
    };
}

Controls statusBar()
{
    return {{.name = kStatusBar,
             .kind = Kind::StatusBar,
             .align = TAlign::Bottom,
             .geometry = {0, 0, 0, 19}}};
}

QStringList focusOrder(const SearchPageDescription& page)
{
    return {page.find, page.findButton, page.list, page.word, page.translation};
}

} // namespace wb::layout
