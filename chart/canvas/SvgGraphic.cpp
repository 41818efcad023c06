#include "chart/canvas/SvgGraphic.h"

#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <stdexcept>
#include <utility>

namespace {

// QSvgRenderer only reports failure through the log; a first pass with the XML
// reader yields a message with a position for malformed documents.
QString XmlError(const QByteArray& Bytes)
{
    QXmlStreamReader reader(Bytes);
    bool sawRoot = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isStartElement() && !sawRoot) {
            sawRoot = true;
            if (reader.name() != QLatin1String("svg"))
                return QStringLiteral("the document's root element is <%1>, not <svg>").arg(reader.name());
        }
    }
    if (reader.hasError())
        return QStringLiteral("%1 (line %2, column %3)")
            .arg(reader.errorString())
            .arg(reader.lineNumber())
            .arg(reader.columnNumber());
    if (!sawRoot)
        return QStringLiteral("the document has no <svg> element");
    return {};
}

} // namespace

TSvgGraphic::TSvgGraphic(QByteArray Bytes, std::unique_ptr<QSvgRenderer> Renderer)
    : FBytes(std::move(Bytes)), FRenderer(std::move(Renderer))
{
}

TSvgGraphic::~TSvgGraphic() = default;

std::unique_ptr<TSvgGraphic> TSvgGraphic::FromBytes(const QByteArray& Bytes)
{
    // Compressed SVG (svgz) is not XML until the renderer inflates it.
    const bool compressed = Bytes.startsWith("\x1f\x8b");
    if (!compressed) {
        const QString error = XmlError(Bytes);
        if (!error.isEmpty())
            throw std::runtime_error("Invalid SVG picture: " + error.toStdString());
    }
    auto renderer = std::make_unique<QSvgRenderer>();
    if (!renderer->load(Bytes) || !renderer->isValid())
        throw std::runtime_error("Invalid SVG picture: the SVG renderer could not read the document");
    return std::unique_ptr<TSvgGraphic>(new TSvgGraphic(Bytes, std::move(renderer)));
}

bool TSvgGraphic::IsEmpty() const { return !FRenderer || !FRenderer->isValid() || Size().isEmpty(); }

QSize TSvgGraphic::Size() const { return FRenderer ? FRenderer->defaultSize() : QSize(); }

void TSvgGraphic::Draw(QPainter& painter, const QRectF& target, bool /*smooth*/) const
{
    // Vector drawing: interpolation quality does not apply.
    if (FRenderer && FRenderer->isValid() && !target.isEmpty())
        FRenderer->render(&painter, target);
}
