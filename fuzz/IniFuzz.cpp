// Settings text of any bytes: decoding, parsing, typed reads, saving.

#include "core/TextCodec.h"
#include "settings/ByteStream.h"
#include "settings/IniDocument.h"
#include "settings/IniErrors.h"

#include <QByteArray>
#include <QStringList>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* Data, size_t Size)
{
    if (Size > 1 << 16)
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(Data), qsizetype(Size));
    TIniDocument doc;
    doc.SetBytes(bytes);
    QStringList sections;
    doc.ReadSections(sections);
    for (const QString& section : sections) {
        QStringList values;
        doc.ReadSectionValues(section, values);
        for (const QString& line : values) {
            const QString key = line.section(u'=', 0, 0);
            doc.ReadInteger(section, key, 0);
            doc.ReadFloat(section, key, 0);
            doc.ReadDateTime(section, key, 0);
            doc.ReadString(section, key, QString());
            TByteStream stream;
            doc.ReadBinaryStream(section, key, stream);
        }
    }
    try {
        doc.WriteString(QStringLiteral("FORM"), QStringLiteral("Key"), QStringLiteral("Value"));
    } catch (const std::exception&) {
    }
    (void)TextCodec::Encode(doc.SaveText(), doc.Encoding(), doc.WritesBom());
    return 0;
}
