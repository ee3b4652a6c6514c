// The windows' tests on a screen of twice the density: Qt reads the scale factor when
// the application starts, so these run in a program of their own.
#include "app/Application.h"

#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    wb::Application application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
