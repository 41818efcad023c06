// Any bytes as a picture file, the decoder chosen by the extension as the
// program chooses it: the first byte picks the extension, the rest is the file.

#include "chart/canvas/Graphic.h"
#include "chart/panel/ChartPicture.h"
#include "EmfBuilder.h"
#include "WmfBuilder.h"

#include <QBuffer>
#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace {

const char* const Extensions[] = {"png", "bmp", "ico", "gif", "jpg", "tif", "webp", "wbmp", "svg", "emf", "wmf"};
constexpr size_t ExtensionCount = sizeof Extensions / sizeof *Extensions;

// A gzip stream, as an .svgz file holds it.
QByteArray Gzip(const QByteArray& bytes)
{
    z_stream z{};
    deflateInit2(&z, 9, Z_DEFLATED, MAX_WBITS + 16, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(int(deflateBound(&z, uLong(bytes.size()))) + 32, '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(bytes.constData()));
    z.avail_in = uInt(bytes.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.resize(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size < 1 || Size > 1 << 16)
        return 0;
    static QTemporaryDir dir;
    const QString name = dir.filePath(QStringLiteral("picture.") + QLatin1String(Extensions[Data[0] % ExtensionCount]));
    {
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        file.write(reinterpret_cast<const char*>(Data + 1), qint64(Size - 1));
    }
    std::unique_ptr<TGraphic> graphic;
    try {
        graphic = TChartPicture::LoadGraphic(name);
    } catch (const std::exception&) {
        return 0; // a refused picture is a valid outcome; a crash is not
    }
    if (!graphic || graphic->IsEmpty())
        return 0;
    (void)graphic->Size();
    QImage image(64, 48, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setClipRect(2, 2, 60, 44);
    graphic->Draw(painter, QRectF(1, 1, 62, 45), Data[0] & 0x80);
    return 0;
}

std::vector<std::string> FuzzSeeds()
{
    using namespace MetafileBytes;
    auto with = [](const char* ext, const QByteArray& bytes) {
        size_t k = 0;
        while (std::string(Extensions[k]) != ext)
            ++k;
        return std::string(1, char(k)) + bytes.toStdString();
    };
    QImage small(5, 3, QImage::Format_ARGB32);
    small.fill(qRgba(200, 40, 10, 180));
    small.setPixel(1, 1, qRgba(0, 0, 255, 255));
    auto encoded = [&](const char* format) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        small.save(&buffer, format);
        return bytes;
    };
    const QByteArray svg = "<svg xmlns='http://www.w3.org/2000/svg' width='20' height='10'>"
                           "<rect x='1' y='1' width='8' height='8' fill='#c02010'/>"
                           "<circle cx='15' cy='5' r='4' stroke='blue' fill='none'/></svg>";
    return {
        with("png", encoded("PNG")),
        with("bmp", encoded("BMP")),
        with("ico", encoded("ICO")),
        with("jpg", encoded("JPG")),
        with("tif", encoded("TIFF")),
        with("webp", encoded("WEBP")),
        with("wbmp", encoded("WBMP")),
        with("gif", QByteArray::fromBase64("R0lGODlhAQABAIAAAP///wAAACH5BAEAAAAALAAAAAABAAEAAAICRAEAOw==")),
        with("svg", svg),
        with("svg", Gzip(svg)),
        with("emf", TEmfBuilder().RedFill(40, 20).Poly16(87, {{0, 0}, {30, 15}, {39, 2}}).Build()),
        with("wmf", TWmfBuilder().Window(0, 0, 40, 20).Brush(0x00FF00).Select(0).Rect(2, 2, 30, 15).Build(true, 0, 0, 40, 20)),
    };
}
