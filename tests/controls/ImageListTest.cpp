#include "controls/ImageList.h"
#include "tests/support/WidgetTestSupport.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

TEST(TImageList, MaskColourPixelsLeaveTheBackground)
{
    QImage picture(3, 2, QImage::Format_RGB32);
    picture.fill(qRgb(128, 128, 0));
    picture.setPixel(1, 0, qRgb(0, 128, 0));
    TImageList list(3, 2);
    EXPECT_EQ(TImageList::defaultMaskColor(picture), qRgb(128, 128, 0));
    const int index = list.add(picture, TImageList::defaultMaskColor(picture));
    EXPECT_EQ(list.count(), 1);

    QImage canvas(5, 4, QImage::Format_RGB32);
    canvas.fill(Qt::blue);
    QPainter painter(&canvas);
    list.draw(painter, index, QPoint(2, 1));
    painter.end();
    EXPECT_EQ(canvas.pixel(3, 1), qRgb(0, 128, 0));
    EXPECT_EQ(canvas.pixel(2, 1), qRgb(0, 0, 255));
    EXPECT_EQ(canvas.pixel(4, 2), qRgb(0, 0, 255));
}

} // namespace
