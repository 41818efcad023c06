#include <QGuiApplication>

#include <gtest/gtest.h>

// The main of every test that draws: fonts, the palette and images need a GUI
// application; the offscreen platform keeps it headless.
int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
