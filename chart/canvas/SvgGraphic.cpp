#include "chart/canvas/SvgGraphic.h"

#include <QPainter>
#include <QRectF>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <zlib.h>

#include <stdexcept>
#include <utility>

namespace {

// Inflates a gzip (or zlib) stream, stopping as soon as the result would
// exceed MaxBytes rather than when the whole bomb has been unpacked.
QByteArray Inflate(const QByteArray& Bytes)
{
    z_stream z{};
    if (inflateInit2(&z, MAX_WBITS + 32) != Z_OK)
        throw std::runtime_error("Invalid SVG picture: the compressed document could not be inflated");
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(Bytes.constData()));
    z.avail_in = uInt(Bytes.size());
    QByteArray out;
    constexpr qsizetype Chunk = 1 << 16;
    int status = Z_OK;
    while (status == Z_OK) {
        if (out.size() > TSvgGraphic::MaxBytes) {
            inflateEnd(&z);
            throw std::runtime_error(QStringLiteral("Invalid SVG picture: the compressed document inflates to more than %1 bytes")
                                         .arg(TSvgGraphic::MaxBytes)
                                         .toStdString());
        }
        const qsizetype done = out.size();
        out.resize(done + Chunk);
        z.next_out = reinterpret_cast<Bytef*>(out.data() + done);
        z.avail_out = uInt(Chunk);
        status = inflate(&z, Z_NO_FLUSH);
        out.resize(done + Chunk - qsizetype(z.avail_out));
        if (status == Z_BUF_ERROR && z.avail_in > 0)
            status = Z_OK; // only the output was full
    }
    inflateEnd(&z);
    if (status != Z_STREAM_END)
        throw std::runtime_error("Invalid SVG picture: the compressed document is damaged");
    if (out.size() > TSvgGraphic::MaxBytes)
        throw std::runtime_error(QStringLiteral("Invalid SVG picture: the compressed document inflates to more than %1 bytes")
                                     .arg(TSvgGraphic::MaxBytes)
                                     .toStdString());
    return out;
}

// A reference the renderer resolves inside the document or from the text of
// the reference itself; anything else it would fetch from the disk.
bool SelfContained(QStringView Href)
{
    const QStringView Text = Href.trimmed();
    if (Text.isEmpty() || Text.startsWith(u'#'))
        return true;
    // The renderer takes only this spelling as a data URL, and falls back to
    // reading a file of that name when one does not decode: only the
    // well-formed ones pass.
    return Text.startsWith(QLatin1String("data:")) && Text.contains(u',');
}

// QSvgRenderer only reports failure through the log; a first pass with the XML
// reader throws a message with a position for malformed documents, and
// EOutsideReference for anything the renderer would read from elsewhere.
void CheckDocument(const QByteArray& Bytes)
{
    QXmlStreamReader reader(Bytes);
    bool sawRoot = false;
    auto fail = [](const QString& message) { throw std::runtime_error("Invalid SVG picture: " + message.toStdString()); };
    while (!reader.atEnd()) {
        reader.readNext();
        // The renderer loads the style sheet such an instruction names.
        if (reader.isProcessingInstruction() && reader.processingInstructionTarget() == QLatin1String("xml-stylesheet"))
            throw TSvgGraphic::EOutsideReference(
                QStringLiteral("the document reads a style sheet from outside the picture (<?xml-stylesheet %1?>)")
                    .arg(reader.processingInstructionData().trimmed().left(200))
                    .toStdString());
        if (!reader.isStartElement())
            continue;
        if (!sawRoot) {
            sawRoot = true;
            if (reader.name() != QLatin1String("svg"))
                fail(QStringLiteral("the document's root element is <%1>, not <svg>").arg(reader.name()));
        }
        // A link is never followed when drawing.
        if (reader.name() == QLatin1String("a"))
            continue;
        for (const QXmlStreamAttribute& attribute : reader.attributes()) {
            if (attribute.name() == QLatin1String("href") && !SelfContained(attribute.value()))
                throw TSvgGraphic::EOutsideReference(QStringLiteral("<%1> on line %3 refers to \"%2\" outside the picture")
                                                         .arg(reader.name(), attribute.value().trimmed().left(200))
                                                         .arg(reader.lineNumber())
                                                         .toStdString());
        }
    }
    if (reader.hasError())
        fail(QStringLiteral("%1 (line %2, column %3)")
                 .arg(reader.errorString())
                 .arg(reader.lineNumber())
                 .arg(reader.columnNumber()));
    if (!sawRoot)
        fail(QStringLiteral("the document has no <svg> element"));
}

} // namespace

TSvgGraphic::TSvgGraphic(QByteArray Bytes, std::unique_ptr<QSvgRenderer> Renderer)
    : FBytes(std::move(Bytes)), FRenderer(std::move(Renderer))
{
}

TSvgGraphic::~TSvgGraphic() = default;

std::unique_ptr<TSvgGraphic> TSvgGraphic::FromBytes(const QByteArray& Bytes)
{
    // Compressed SVG (svgz) is inflated here, under the size bound, so that
    // the checks see the document the renderer draws.
    const QByteArray Document = Bytes.startsWith("\x1f\x8b") ? Inflate(Bytes) : Bytes;
    if (Document.size() > MaxBytes)
        throw std::runtime_error(QStringLiteral("Invalid SVG picture: the document is larger than %1 bytes").arg(MaxBytes).toStdString());
    CheckDocument(Document);
    auto renderer = std::make_unique<QSvgRenderer>();
    if (!renderer->load(Document) || !renderer->isValid())
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
