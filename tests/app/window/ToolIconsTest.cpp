#include "app/window/ToolIcons.h"

#include <QImage>
#include <QPixmap>

#include <gtest/gtest.h>

namespace {

// Counts the opaque pixels of a picture and those of them in the colour Ink.
std::pair<int, int> InkPixels(const QImage& Image, const QColor& Ink)
{
    int opaque = 0;
    int ink = 0;
    const QImage argb = Image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y)
        for (int x = 0; x < argb.width(); ++x) {
            const QRgb px = argb.pixel(x, y);
            if (qAlpha(px) < 250)
                continue;
            ++opaque;
            if (std::abs(qRed(px) - Ink.red()) <= 2 && std::abs(qGreen(px) - Ink.green()) <= 2 &&
                std::abs(qBlue(px) - Ink.blue()) <= 2)
                ++ink;
        }
    return {opaque, ink};
}

} // namespace

TEST(ToolIcons, ToolbarPicturesAreDrawnEntirelyInTheGivenInk)
{
    const QColor ink(0xd0, 0x30, 0x90);
    for (const char* name : {"open", "paste", "copy", "save"}) {
        SCOPED_TRACE(name);
        const QIcon icon = TToolIcons::ToolIcon(QString::fromLatin1(name), ink);
        ASSERT_FALSE(icon.isNull());
        for (int size : {16, 27, 54}) {
            const QImage image = icon.pixmap(size, size).toImage();
            EXPECT_EQ(image.size(), QSize(size, size));
            const auto [opaque, inked] = InkPixels(image, ink);
            EXPECT_GT(opaque, size);
            EXPECT_EQ(inked, opaque);
        }
    }
}

TEST(ToolIcons, AnUnknownPictureIsANullIcon)
{
    EXPECT_TRUE(TToolIcons::ToolIcon(QStringLiteral("nope"), Qt::black).isNull());
    EXPECT_TRUE(TToolIcons::ToolIcon(QStringLiteral("../styles/Sky"), Qt::black).isNull());
}

TEST(ToolIcons, CheckAndProgramIconsAreDrawnInColour)
{
    const QImage check = TToolIcons::CheckIcon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(check.size(), QSize(16, 16));
    int green = 0;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb px = check.pixel(x, y);
            if (qAlpha(px) > 200 && qGreen(px) > qRed(px) + 60 && qGreen(px) > qBlue(px) + 40)
                ++green;
        }
    EXPECT_GE(green, 12);

    const QIcon app = TToolIcons::AppIcon();
    ASSERT_FALSE(app.isNull());
    EXPECT_EQ(app.pixmap(256, 256).size(), QSize(256, 256));
    const QImage small = app.pixmap(16, 16).toImage();
    EXPECT_GT(InkPixels(small, Qt::transparent).first, 100);
}
