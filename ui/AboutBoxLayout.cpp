#include "ui/AboutBoxLayout.h"

namespace wb::aboutlayout {

QString caption()
{
    return QStringLiteral("Info");
}

QString photograph()
{
    return QStringLiteral(":/art/photograph.jpg");
}

Controls controls()
{
    const QString panel = QStringLiteral("Panel1");
    return {
        {.name = panel, .kind = Kind::Panel, .geometry = {8, 8, 649, 385}},
        {.name = "BitBtnXP1",
         .kind = Kind::WebButton,
         .parent = panel,
         .geometry = {336, 240, 169, 25}},
        {.name = "BitBtn1", .kind = Kind::OkButton, .geometry = {241, 404, 181, 37}},
        {.name = "ProgramIcon", .kind = Kind::Picture, .parent = panel, .geometry = {16, 40, 0, 0}},
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
         .kind = Kind::WrapLabel,
         .parent = panel,
         .geometry = {336, 56, 257, 33},
         .caption = QStringLiteral("QUORVEL Software, Kontakt: info@quorvel.example")},
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
         .kind = Kind::WrapLabel,
         .parent = panel,
         .geometry = {336, 128, 238, 121},
         .caption = QStringLiteral(
             "Unsere Programme helfen beim Nachschlagen und Lernen: Wörterbücher, "
             "Vokabeltrainer und kleine Werkzeuge für den Alltag. Auf unserer Website "
             "finden Sie neue Versionen, Hinweise zur Bedienung und weitere Programme.")},
    };
}

} // namespace wb::aboutlayout
