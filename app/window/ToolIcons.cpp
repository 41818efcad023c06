#include "app/window/ToolIcons.h"

#include <QFile>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

#include <initializer_list>

namespace {

// Our own small files: anything larger is not one of them.
constexpr qint64 MaxSvgBytes = 256 * 1024;

QByteArray ReadSvg(const QString& Name)
{
    QFile f(QStringLiteral(":/icons/%1.svg").arg(Name));
    if (!f.open(QIODevice::ReadOnly))
        return {};
    return f.read(MaxSvgBytes);
}

QIcon Render(const QByteArray& Svg, std::initializer_list<int> Sizes)
{
    QSvgRenderer renderer(Svg);
    if (!renderer.isValid())
        return {};
    QIcon icon;
    for (int size : Sizes) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace

QIcon TToolIcons::ToolIcon(const QString& Name, const QColor& Ink)
{
    QByteArray svg = ReadSvg(Name);
    if (svg.isEmpty())
        return {};
    svg.replace(FileInk, Ink.name(QColor::HexRgb).toLatin1());
    return Render(svg, {16, 24, 27, 32, 48, 54, 64});
}

QIcon TToolIcons::CheckIcon()
{
    return Render(ReadSvg(QStringLiteral("check")), {16, 20, 24, 28, 32, 40, 48, 64});
}

QIcon TToolIcons::AppIcon()
{
    return Render(ReadSvg(QStringLiteral("plotvane")), {16, 22, 24, 32, 48, 64, 128, 256});
}
