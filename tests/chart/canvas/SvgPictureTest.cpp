// SVG pictures come from anyone: a compressed bomb must not be unpacked
// whole, and a picture must not draw files of the reader's into the chart.

#include "chart/canvas/SvgGraphic.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <zlib.h>

#include <stdexcept>
#include <string>

namespace {

QByteArray Gzip(const QByteArray& Bytes)
{
    z_stream z{};
    EXPECT_EQ(deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, MAX_WBITS + 16, 9, Z_DEFAULT_STRATEGY), Z_OK);
    QByteArray out(qsizetype(deflateBound(&z, uLong(Bytes.size()))), Qt::Uninitialized);
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Bytes.constData()));
    z.avail_in = uInt(Bytes.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    EXPECT_EQ(deflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

QByteArray Svg(const QByteArray& Body)
{
    return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
           "width='10' height='10'>"
           + Body + "</svg>";
}

QRgb Centre(const TSvgGraphic& Picture)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Picture.Draw(painter, QRectF(0, 0, 10, 10), true);
    painter.end();
    return image.pixel(5, 5);
}

std::string Refusal(const QByteArray& Bytes)
{
    try {
        TSvgGraphic::FromBytes(Bytes);
    } catch (const std::runtime_error& e) {
        return e.what();
    }
    return "(loaded)";
}

TEST(SvgPicture, CompressedDocumentsAreBoundedByTheirInflatedSize)
{
    const QByteArray small = Gzip(Svg("<rect width='10' height='10' fill='#0000ff'/>"));
    EXPECT_EQ(Centre(*TSvgGraphic::FromBytes(small)), qRgb(0, 0, 255));

    // 80 MB of comment packs into well under a megabyte.
    QByteArray huge = Svg("<rect width='10' height='10' fill='#0000ff'/><!--");
    huge.chop(6);
    huge += QByteArray(80 * 1024 * 1024, ' ') + "--></svg>";
    const QByteArray bomb = Gzip(huge);
    huge.clear();
    ASSERT_LT(bomb.size(), 1024 * 1024);
    const std::string message = Refusal(bomb);
    EXPECT_NE(message.find("inflates to more than"), std::string::npos) << message;

    EXPECT_NE(Refusal(bomb.left(bomb.size() / 2)).find("damaged"), std::string::npos);
}

TEST(SvgPicture, OnlyEmbeddedImagesAreDrawn)
{
    QTemporaryDir dir;
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    const QString secret = dir.filePath(QStringLiteral("secret.png"));
    ASSERT_TRUE(red.save(secret, "PNG"));
    QFile css(dir.filePath(QStringLiteral("s.css")));
    ASSERT_TRUE(css.open(QIODevice::WriteOnly));
    css.write("rect { fill: #ff0000 }");
    css.close();

    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    red.save(&buffer, "PNG");
    const QByteArray embedded = Svg("<image width='10' height='10' xlink:href='data:image/png;base64," + png.toBase64() + "'/>");
    EXPECT_EQ(Centre(*TSvgGraphic::FromBytes(embedded)), qRgb(255, 0, 0));
    // References inside the document and links stay.
    EXPECT_NO_THROW(TSvgGraphic::FromBytes(Svg("<defs><rect id='r' width='10' height='10'/></defs>"
                                               "<use xlink:href='#r'/><a href='https://example.org/'><circle r='2'/></a>")));

    const QByteArray path = secret.toUtf8();
    const QByteArray outside[] = {
        Svg("<image width='10' height='10' xlink:href='" + path + "'/>"),
        Svg("<image width='10' height='10' xlink:href=' file://" + path + "'/>"),
        Svg("<image width='10' height='10' href='" + path + "'/>"),
        Svg("<image width='10' height='10' xlink:href='secret.png'/>"),
        Svg("<image width='10' height='10' xlink:href='http://example.invalid/x.png'/>"),
        Svg("<image width='10' height='10' xlink:href='data:" + path + "'/>"),
        Svg("<image width='10' height='10' xlink:href='DATA:,x'/>"),
        // Hidden behind an entity.
        "<!DOCTYPE svg [<!ENTITY f '" + path + "'>]>" + Svg("<image width='10' height='10' xlink:href='&f;'/>"),
        Gzip(Svg("<image width='10' height='10' xlink:href='" + path + "'/>")),
        "<?xml-stylesheet type='text/css' href='" + dir.filePath(QStringLiteral("s.css")).toUtf8() + "'?>"
            + Svg("<rect width='10' height='10'/>"),
    };
    for (const QByteArray& bytes : outside) {
        const std::string message = Refusal(bytes);
        EXPECT_NE(message.find("outside the picture"), std::string::npos) << bytes.left(300).constData() << "\n" << message;
    }
    EXPECT_NE(Refusal(outside[0]).find(path.constData()), std::string::npos) << "the message names the reference";
}

} // namespace
