// The program's icon: a red dictionary with two speech bubbles on its cover, on a
// peach tile. It is described once, as shapes on a 128-unit square, and both painted
// at any size and written as SVG from that description, so the two never drift apart.
#include "tools/artwork/Art.h"

#include <QPainter>
#include <QPainterPath>
#include <QStringList>
#include <QTextStream>
#include <vector>

namespace artwork {

namespace {

constexpr double kUnits = 128;

struct Shape {
    // Path data in absolute M, L, Q, C and Z commands, the subset both sides share.
    const char* path;
    QColor fill, fillEnd; // a vertical gradient from fill to fillEnd when valid
    QColor stroke = QColor();
    double strokeWidth = 0;
};

QColor none()
{
    return QColor();
}

const std::vector<Shape>& iconShapes()
{
    static const std::vector<Shape> shapes = {
        // the tile
        {"M 30 8 L 98 8 Q 120 8 120 30 L 120 98 Q 120 120 98 120 L 30 120 Q 8 120 8 98 "
         "L 8 30 Q 8 8 30 8 Z",
         QColor(253, 230, 202), QColor(231, 174, 126), QColor(176, 112, 72), 2},
        // shadow under the book
        {"M 32 110 L 104 110 Q 108 114 104 116 L 32 116 Q 28 114 32 110 Z",
         QColor(150, 90, 56, 110), none()},
        // back cover and page block
        {"M 36 22 L 100 22 Q 104 22 104 26 L 104 108 Q 104 112 100 112 L 36 112 Z",
         QColor(96, 4, 4), none()},
        {"M 88 26 L 99 28 L 99 106 L 88 108 Z", QColor(252, 246, 230), QColor(226, 212, 186)},
        {"M 90 40 L 98 40 M 90 56 L 98 56 M 90 72 L 98 72 M 90 88 L 98 88", none(), none(),
         QColor(196, 176, 150), 1.2},
        // front cover with its spine
        {"M 30 18 L 88 18 Q 94 18 94 24 L 94 106 Q 94 112 88 112 L 30 112 Q 24 112 24 106 "
         "L 24 24 Q 24 18 30 18 Z",
         QColor(196, 44, 36), QColor(118, 8, 8), QColor(80, 0, 0), 1.5},
        {"M 30 18 L 38 18 L 38 112 L 30 112 Q 24 112 24 106 L 24 24 Q 24 18 30 18 Z",
         QColor(140, 16, 14), QColor(92, 4, 4)},
        {"M 40 19 L 41 19 L 41 111 L 40 111 Z", QColor(255, 160, 140, 120), none()},
        // gold frame on the cover
        {"M 46 28 L 84 28 L 84 102 L 46 102 Z", none(), none(), QColor(236, 190, 86), 2.5},
        // the English bubble and its lines
        {"M 52 36 L 74 36 Q 80 36 80 42 L 80 54 Q 80 60 74 60 L 60 60 L 52 68 L 54 60 "
         "Q 46 60 46 54 L 46 42 Q 46 36 52 36 Z",
         QColor(255, 255, 255), QColor(222, 230, 240), QColor(40, 60, 110), 1.5},
        {"M 53 44 L 73 44 M 53 51 L 67 51", none(), none(), QColor(36, 66, 140), 3},
        // the German bubble and its lines
        {"M 58 66 L 82 66 Q 88 66 88 72 L 88 84 Q 88 90 82 90 L 80 90 L 82 98 L 72 90 "
         "L 58 90 Q 52 90 52 84 L 52 72 Q 52 66 58 66 Z",
         QColor(255, 220, 96), QColor(240, 176, 40), QColor(120, 70, 0), 1.5},
        {"M 59 74 L 81 74 M 59 81 L 74 81", none(), none(), QColor(128, 0, 0), 3},
        // the ribbon marker
        {"M 76 110 L 84 110 L 84 122 L 80 118 L 76 122 Z", QColor(70, 160, 96),
         QColor(40, 120, 66)},
    };
    return shapes;
}

QPainterPath toPath(const char* data)
{
    const QStringList tokens = QString::fromLatin1(data).split(' ', Qt::SkipEmptyParts);
    QPainterPath path;
    auto number = [&](qsizetype& i) { return tokens[i++].toDouble(); };
    for (qsizetype i = 0; i < tokens.size();) {
        const QString command = tokens[i++];
        if (command == "M") {
            const double x = number(i), y = number(i);
            path.moveTo(x, y);
        } else if (command == "L") {
            const double x = number(i), y = number(i);
            path.lineTo(x, y);
        } else if (command == "Q") {
            const double cx = number(i), cy = number(i), x = number(i), y = number(i);
            path.quadTo(cx, cy, x, y);
        } else if (command == "Z") {
            path.closeSubpath();
        }
    }
    return path;
}

QString svgColour(const QColor& colour)
{
    return colour.name(QColor::HexRgb);
}

} // namespace

QImage programIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / kUnits, size / kUnits);
    for (const Shape& shape : iconShapes()) {
        const QPainterPath path = toPath(shape.path);
        const QRectF bounds = path.boundingRect();
        QBrush brush = Qt::NoBrush;
        if (shape.fill.isValid() && shape.fillEnd.isValid()) {
            QLinearGradient gradient(0, bounds.top(), 0, bounds.bottom());
            gradient.setColorAt(0, shape.fill);
            gradient.setColorAt(1, shape.fillEnd);
            brush = gradient;
        } else if (shape.fill.isValid()) {
            brush = shape.fill;
        }
        p.setBrush(brush);
        p.setPen(shape.stroke.isValid() ? QPen(shape.stroke, shape.strokeWidth, Qt::SolidLine,
                                               Qt::RoundCap, Qt::RoundJoin)
                                        : QPen(Qt::NoPen));
        p.drawPath(path);
    }
    p.end();
    return image.convertToFormat(QImage::Format_ARGB32);
}

QString programIconSvg()
{
    QString svg;
    QTextStream out(&svg);
    out << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"128\" height=\"128\" "
           "viewBox=\"0 0 128 128\">\n"
        << "  <title>W\u00f6rterbuch</title>\n  <defs>\n";
    const auto& shapes = iconShapes();
    for (size_t i = 0; i < shapes.size(); ++i) {
        if (!shapes[i].fill.isValid() || !shapes[i].fillEnd.isValid())
            continue;
        const QRectF bounds = toPath(shapes[i].path).boundingRect();
        out << "    <linearGradient id=\"g" << i
            << "\" gradientUnits=\"userSpaceOnUse\" x1=\"0\" y1=\"" << bounds.top()
            << "\" x2=\"0\" y2=\"" << bounds.bottom() << "\">\n"
            << "      <stop offset=\"0\" stop-color=\"" << svgColour(shapes[i].fill)
            << "\" stop-opacity=\"" << shapes[i].fill.alphaF() << "\"/>\n"
            << "      <stop offset=\"1\" stop-color=\"" << svgColour(shapes[i].fillEnd)
            << "\" stop-opacity=\"" << shapes[i].fillEnd.alphaF() << "\"/>\n"
            << "    </linearGradient>\n";
    }
    out << "  </defs>\n";
    for (size_t i = 0; i < shapes.size(); ++i) {
        const Shape& shape = shapes[i];
        out << "  <path d=\"" << shape.path << "\"";
        if (shape.fill.isValid() && shape.fillEnd.isValid())
            out << " fill=\"url(#g" << i << ")\"";
        else if (shape.fill.isValid())
            out << " fill=\"" << svgColour(shape.fill) << "\" fill-opacity=\""
                << shape.fill.alphaF() << "\"";
        else
            out << " fill=\"none\"";
        if (shape.stroke.isValid())
            out << " stroke=\"" << svgColour(shape.stroke) << "\" stroke-width=\""
                << shape.strokeWidth << "\" stroke-linecap=\"round\" stroke-linejoin=\"round\"";
        out << "/>\n";
    }
    out << "</svg>\n";
    return svg;
}

} // namespace artwork
