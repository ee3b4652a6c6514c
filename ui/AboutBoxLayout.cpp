#include "ui/AboutBoxLayout.h"

#include "ui/Maker.h"

namespace wb::aboutlayout {

using form::Face;
using form::Kind;

QString caption()
{
    return QStringLiteral("Info");
}

QString photograph()
{
    return QStringLiteral(":/art/photograph.jpg");
}

form::Controls controls()
{
    const QString panel = QStringLiteral("Panel1");
    return {
        {.name = panel,
         .kind = Kind::Panel,
         .geometry = {8, 8, 649, 385},
         .color = form::kHeadingPeach,
         .bevel = form::Bevel::Bevelled},
        {.name = "BitBtnXP1",
         .kind = Kind::GlyphButton,
         .parent = panel,
         .geometry = {336, 240, 169, 25},
         .caption = makerWebAddress(),
         .pictures = {QStringLiteral(":/glyphs/GLOBE.bmp")},
         .glyphCount = 2},
        {.name = "BitBtn1", .kind = Kind::OkButton, .geometry = {241, 404, 181, 37}},
        {.name = "ProgramIcon", .kind = Kind::Image, .parent = panel, .geometry = {16, 40, 0, 0}},
        {.name = "ProductName",
         .kind = Kind::Label,
         .parent = panel,
         .geometry = {8, 8, 0, 0},
         .font = Face::Slogan,
         .caption = QStringLiteral("QUORVEL – Wörter, die verbinden")},
        {.name = "Copyright",
         .kind = Kind::Label,
         .parent = panel,
         .geometry = {336, 40, 0, 0},
         .caption = QStringLiteral("Copyright © XXXX QUORVEL Software")},
        {.name = "Comments",
         .kind = Kind::Label,
         .parent = panel,
         .geometry = {336, 56, 257, 33},
         .caption = QStringLiteral("QUORVEL Software, Kontakt: info@quorvel.example"),
         .wordWrap = true},
        {.name = "Label1",
         .kind = Kind::Label,
         .parent = panel,
         .geometry = {336, 96, 0, 0},
         .font = Face::Bold,
         .caption = QStringLiteral("Sprache verstehen, Wort für Wort.")},
        {.name = "Label2",
         .kind = Kind::Label,
         .parent = panel,
         .geometry = {336, 112, 0, 0},
         .caption = QStringLiteral("QUORVEL schreibt Software für Sprachen.")},
        {.name = "Label3",
         .kind = Kind::Label,
         .parent = panel,
         .geometry = {336, 128, 238, 121},
         .caption = QStringLiteral(
             "Unsere Programme helfen beim Nachschlagen und Lernen: Wörterbücher, "
             "Vokabeltrainer und kleine Werkzeuge für den Alltag. Auf unserer Website "
             "finden Sie neue Versionen, Hinweise zur Bedienung und weitere Programme."),
         .wordWrap = true},
    };
}

} // namespace wb::aboutlayout
