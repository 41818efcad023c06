// Any command line of plotvane-render, one argument per input line, through
// parsing and a whole run. The files it names are kept inside a folder of the
// target's own: the data file is fixed, outputs and pictures keep only their
// extension, and the frame is kept small.

#include "app/RenderCommand.h"
#include "app/RenderOptions.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <exception>
#include <string>
#include <vector>

namespace {

QTemporaryDir& Folder()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        auto put = [](const QString& name, const QByteArray& bytes) {
            QFile file(dir.filePath(name));
            if (file.open(QIODevice::WriteOnly))
                file.write(bytes);
        };
        put(QStringLiteral("data.csv"), "Time (s),Volt,Amp,Watt\n0,1.5,-2,3e3\n1,2.5,-1,4e3\n2,0.5,nan,2e3\n"
                                        "3,1e-3,5,1e4\n4,7,6,-3e3\n");
        put(QStringLiteral("wall.svg"), "<svg xmlns='http://www.w3.org/2000/svg' width='8' height='8'>"
                                        "<rect width='8' height='4' fill='red'/></svg>");
        put(QStringLiteral("wall.bmp"), QByteArray::fromBase64("Qk06AAAAAAAAADYAAAAoAAAAAQAAAAEAAAABABgAAAAAAAQAAAAT"
                                                               "CwAAEwsAAAAAAAAAAAAAAAD/AA=="));
        return true;
    }();
    (void)written;
    return dir;
}

// A named file becomes one inside the folder with the same extension.
QString Inside(const QString& stem, const QString& name)
{
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9]{1,6}$"));
    const QString ext = QFileInfo(name).suffix();
    return Folder().filePath(plain.match(ext).hasMatch() ? stem + u'.' + ext : stem);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size > 4096)
        return 0;
    QStringList args = QString::fromUtf8(reinterpret_cast<const char*>(Data), qsizetype(Size)).split(u'\n');
    if (args.size() > 64)
        return 0;
    args.prepend(QStringLiteral("plotvane-render"));
    TRenderOptions options;
    try {
        options = TRenderOptions::Parse(args);
    } catch (const EUsageError&) {
        return 0; // a refused command line is a valid outcome; a crash is not
    }
    options.File = Folder().filePath(QStringLiteral("data.csv"));
    if (!options.Output.isEmpty())
        options.Output = Inside(QStringLiteral("out"), options.Output);
    if (!options.LayoutFile.isEmpty())
        options.LayoutFile = Folder().filePath(QStringLiteral("layout.json"));
    if (options.WallPicture)
        options.WallPicture = Inside(QStringLiteral("wall"), *options.WallPicture);
    options.Width = std::min(options.Width, 320);
    options.Height = std::min(options.Height, 240);
    (void)RunRenderCommand(options);
    return 0;
}

std::vector<std::string> FuzzSeeds()
{
    return {
        "--describe\n--summary\ndata.csv",
        "data.csv\n-o\nout.png\n--title\nPower\n--title-align\nright\n--title-font\nDejaVu Sans,14,bold,italic",
        "data.csv\n-o\nout.emf\n--legend\ntop\n--series\n0:name=A,color=#FF0000,width=3,style=dash,marker=on,"
        "marker-style=circle,marker-size=4,smooth=on\n--series\n2:visible=off",
        "data.csv\n--layout\nl.json\n--xmin\n1\n--xmax\n3\n--xinc\n0.5\n--ymin\n-1e3\n--ymax\n1e4\n--yinc\n0",
        "data.csv\n-o\nout.svg\n--xmag\nm\n--ymag\n1000\n--prefix-in-titles\n--x-title\nt\n--y-title\nv",
        "data.csv\n-o\nout.bmp\n--panel-color\n#102030\n--wall-color\n#FFFFFF\n--wall-picture\nw.svg\n--shadow\n"
        "--border\n--size\n200x100\n--axis-font\nSerif,9\n--no-autosize",
    };
}
