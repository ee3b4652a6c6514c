#pragma once
// The pictures of the windows, each drawn at its final size by QPainter. Nothing here
// knows a file format; main.cpp pairs each picture with its encoder and file name.
// A `scale` of 2 draws the same picture for screens of twice the density: the sizes
// below are then logical, the image has twice as many pixels each way and a device
// pixel ratio of 2. At scale 1 the pixels are exactly those drawn before scales existed.
#include <QImage>
#include <QString>

namespace artwork {

// The colour a masked picture leaves transparent, in its top-left pixel.
inline constexpr QRgb kMaskColor = 0xffff00ff;

enum class Flag { English, German };
enum class PictureButton { About, Exit };

QImage tabIcon(Flag flag, int scale = 1);                                // 16 x 16, masked
QImage pictureButton(PictureButton button, bool pressed, int scale = 1); // 101 x 30
QImage sidePicture(int scale = 1);                                       // 193 x 281
QImage webGlyph(int scale = 1);                                          // 24 x 25, masked
QImage programIcon(int size);                                            // size x size, with alpha
QString programIconSvg();
QImage photograph(int scale = 1); // 306 x 322

} // namespace artwork
