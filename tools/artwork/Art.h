#pragma once
// The pictures of the windows, each drawn at its final size by QPainter. Nothing here
// knows a file format; main.cpp pairs each picture with its encoder and file name.
#include <QImage>
#include <QString>

namespace artwork {

// The colour a masked picture leaves transparent, in its top-left pixel.
inline constexpr QRgb kMaskColor = 0xffff00ff;

enum class Flag { English, German };
enum class PictureButton { About, Exit };

QImage tabIcon(Flag flag);                                // 16 x 16, masked
QImage pictureButton(PictureButton button, bool pressed); // 101 x 30
QImage sidePicture();                                     // 193 x 281
QImage webGlyph();                                        // 24 x 25, masked
QImage programIcon(int size);                             // size x size, with alpha
QString programIconSvg();
QImage photograph(); // 306 x 322

} // namespace artwork
