#include <QGuiApplication>

#include <gtest/gtest.h>

// Frames need fonts and the palette: a GUI application on the offscreen platform.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
