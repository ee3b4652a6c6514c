#pragma once
// Small painting helpers shared by the pictures: colour mixing, blur, film grain.
#include <QColor>
#include <QImage>
#include <QPointF>

namespace artwork {

QColor mix(const QColor& from, const QColor& to, double amount);
// Three box blurs, close to a Gaussian of the given radius; keeps the format.
QImage blurred(const QImage& image, int radius);
// Adds monochrome noise of up to `amplitude` levels, the same for every run.
void addGrain(QImage& image, int amplitude, unsigned seed);
// Darkens towards the corners by up to `strength` (0..1).
void vignette(QImage& image, double strength);
// Smooth value noise in 0..1, the same for every run.
double valueNoise(double x, double y);
double fractalNoise(double x, double y, int octaves);
// The point at (u, v) of the quadrilateral q (top left, top right, bottom right,
// bottom left), each 0..1: how a page is laid over its corners.
QPointF bilinear(const QPointF q[4], double u, double v);

} // namespace artwork
