#include "settings/IniDocument.h"

#include "settings/IniErrors.h"
#include "settings/IniValues.h"
#include "core/WriteFailure.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <string_view>

namespace {

// The loader trims control characters and spaces, not Unicode blanks.
bool IsBlank(QChar c)
{
    return c.unicode() <= 0x20;
}

QStringView TrimLeft(QStringView s)
{
    qsizetype i = 0;
    while (i < s.size() && IsBlank(s[i]))
        ++i;
    return s.mid(i);
}

QStringView TrimRight(QStringView s)
{
    qsizetype n = s.size();
    while (n > 0 && IsBlank(s[n - 1]))
        --n;
    return s.left(n);
}

QStringView Trim(QStringView s)
{
    return TrimRight(TrimLeft(s));
}

bool HasLineBreak(const QString& s)
{
    return s.contains(u'\r') || s.contains(u'\n');
}


} // namespace

TIniDocument::TIniDocument(const QString& fileName) : FFileName(fileName) {}

bool TIniDocument::SameName(const QString& a, const QString& b) const
{
    return QString::compare(a, b, FCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive) == 0;
}

const TIniDocument::TSection* TIniDocument::FindSection(const QString& name) const
{
    for (const TSection& section : FSections) {
        if (SameName(section.Name, name))
            return &section;
    }
    return nullptr;
}

TIniDocument::TSection* TIniDocument::FindSection(const QString& name)
{
    return const_cast<TSection*>(std::as_const(*this).FindSection(name));
}

const TIniDocument::TEntry* TIniDocument::FindEntry(const QString& section, const QString& ident) const
{
    const TSection* s = FindSection(section);
    if (!s)
        return nullptr;
    for (const TEntry& entry : s->Entries) {
        if (SameName(entry.Key, ident))
            return &entry;
    }
    return nullptr;
}

void TIniDocument::Clear()
{
    FSections.clear();
}

void TIniDocument::SetText(QStringView text)
{
    FSections.clear();
    // Section index by name under the present case rule, so that a file with
    // many sections loads in linear time.
    QHash<QString, size_t> index;
    TSection* current = nullptr;
    for (const QString& rawLine : TextCodec::SplitLines(text)) {
        const QStringView line = Trim(rawLine);
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.size() >= 2 && line.startsWith(u'[') && line.endsWith(u']')) {
            const QString name = Trim(line.mid(1, line.size() - 2)).toString();
            const QString key = FCaseSensitive ? name : name.toCaseFolded();
            const auto found = index.constFind(key);
            if (found != index.constEnd()) {
                current = &FSections[*found];
            } else {
                index.insert(key, FSections.size());
                FSections.push_back(TSection{name, {}});
                current = &FSections.back();
            }
            continue;
        }
        if (!current)
            continue;
        const qsizetype eq = line.indexOf(u'=');
        if (eq < 0) {
            current->Entries.push_back(TEntry{line.toString(), QString(), false});
        } else {
            current->Entries.push_back(TEntry{TrimRight(line.left(eq)).toString(),
                                              TrimLeft(line.mid(eq + 1)).toString(), true});
        }
    }
}

QString TIniDocument::SaveText() const
{
    QString text;
    for (const TSection& section : FSections) {
        text += u'[' + section.Name + QStringLiteral("]\r\n");
        for (const TEntry& entry : section.Entries) {
            text += entry.Key;
            if (entry.HasValue)
                text += u'=' + entry.Value;
            text += QStringLiteral("\r\n");
        }
        text += QStringLiteral("\r\n");
    }
    return text;
}

void TIniDocument::Load()
{
    FSections.clear();
    const QFileInfo info(FFileName);
    if (FFileName.isEmpty() || !info.exists() || info.isDir())
        return;
    if (!info.isFile())
        throw EIniFileError(FFileName, QStringLiteral("not a regular file"));
    QFile file(FFileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EIniFileError(FFileName, file.errorString());
    // As much as the file holds, not a buffer of the limit on every start.
    const QByteArray bytes = file.read(std::min<qint64>(file.size(), MaxFileSize) + 1);
    if (file.error() != QFileDevice::NoError)
        throw EIniFileError(FFileName, file.errorString());
    if (bytes.size() > MaxFileSize)
        throw EIniFileError(FFileName, QStringLiteral("the file is larger than %1 bytes").arg(MaxFileSize));

    SetBytes(bytes);
}

void TIniDocument::SetBytes(const QByteArray& bytes)
{
    int bomLength = 0;
    TextCodec::TEncoding encoding = TextCodec::DetectByBom(bytes, bomLength);
    // Without a mark, text that is valid UTF-8 beyond ASCII was almost
    // certainly written as UTF-8 (a file edited by hand on Linux); read in the
    // code page it would become mojibake at the next save. ASCII alone reads
    // the same either way and keeps the code page.
    const bool markLessUtf8 = bomLength == 0
        && std::any_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) != 0; })
        && TextCodec::IsValidUtf8(std::string_view(bytes.constData(), size_t(bytes.size())));
    if (markLessUtf8)
        encoding = TextCodec::teUtf8;
    SetText(TextCodec::Decode(bytes, encoding, bomLength));
    FEncoding = encoding;
    FWithBom = encoding != TextCodec::teAnsi && !markLessUtf8;
}

void TIniDocument::UpdateFile()
{
    const QString text = SaveText();
    TextCodec::TEncoding encoding = FEncoding;
    bool withBom = FWithBom;
    bool lossless = true;
    QByteArray bytes = TextCodec::Encode(text, encoding, withBom, &lossless);
    if (encoding == TextCodec::teAnsi && !lossless) {
        // The code page would store '?' for what it lacks; keep the text whole.
        encoding = TextCodec::teUtf8;
        withBom = true;
        bytes = TextCodec::Encode(text, encoding, withBom);
    }

    if (FFileName.isEmpty())
        throw EIniFileError(FFileName, QStringLiteral("no settings file is bound"));
    // The new file is renamed over the name (or, in the fallback below,
    // written in place): a FIFO or a device there would be replaced or
    // written into, so only a regular file, or a link to one, is saved. A
    // link is written through.
    const QFileInfo existing(FFileName);
    if (existing.exists() && !existing.isFile())
        throw EIniFileError(FFileName, QStringLiteral("not a regular file"));
    // In a folder where no temporary file can be made (read-only, while the
    // file itself is writable) the file is written in place rather than not
    // at all; everywhere else the old file stays whole until the new one is.
    if (const std::optional<QString> reason = WriteWholeFile(FFileName, bytes, true))
        throw EIniFileError(FFileName, reason->isEmpty() ? QStringLiteral("the file could not be written") : *reason);
    FEncoding = encoding;
    FWithBom = withBom;
}

QString TIniDocument::ReadString(const QString& Section, const QString& Ident, const QString& Default) const
{
    const TEntry* entry = FindEntry(Section, Ident);
    return entry && entry->HasValue ? entry->Value : Default;
}

void TIniDocument::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    if (HasLineBreak(Section) || HasLineBreak(Ident) || HasLineBreak(Value)) {
        throw EConvertError(QStringLiteral("A line break cannot be stored in the settings file "
                                           "(section [%1], key %2)").arg(Section, Ident));
    }
    if (Ident.contains(u'='))
        throw EConvertError(QStringLiteral("The key \"%1\" holds \"=\" and cannot be stored").arg(Ident));

    TSection* section = FindSection(Section);
    if (!section) {
        FSections.push_back(TSection{Section, {}});
        section = &FSections.back();
    }
    for (TEntry& entry : section->Entries) {
        if (SameName(entry.Key, Ident)) {
            entry.Value = Value;
            entry.HasValue = true;
            return;
        }
    }
    section->Entries.push_back(TEntry{Ident, Value, true});
}

int TIniDocument::ReadInteger(const QString& Section, const QString& Ident, int Default) const
{
    int value = 0;
    return IniValues::TryTextToInt(ReadString(Section, Ident, QString()), value) ? value : Default;
}

void TIniDocument::WriteInteger(const QString& Section, const QString& Ident, int Value)
{
    WriteString(Section, Ident, QString::number(Value));
}

bool TIniDocument::ReadBool(const QString& Section, const QString& Ident, bool Default) const
{
    return ReadInteger(Section, Ident, Default ? 1 : 0) != 0;
}

void TIniDocument::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    WriteString(Section, Ident, Value ? QStringLiteral("1") : QStringLiteral("0"));
}

double TIniDocument::ReadFloat(const QString& Section, const QString& Name, double Default) const
{
    double value = 0;
    return IniValues::TryTextToFloat(ReadString(Section, Name, QString()), value) ? value : Default;
}

void TIniDocument::WriteFloat(const QString& Section, const QString& Name, double Value)
{
    WriteString(Section, Name, IniValues::FloatToText(Value));
}

double TIniDocument::ReadDate(const QString& Section, const QString& Name, double Default) const
{
    double value = 0;
    return IniValues::TryTextToDate(ReadString(Section, Name, QString()), value) ? value : Default;
}

double TIniDocument::ReadTime(const QString& Section, const QString& Name, double Default) const
{
    double value = 0;
    return IniValues::TryTextToTime(ReadString(Section, Name, QString()), value) ? value : Default;
}

double TIniDocument::ReadDateTime(const QString& Section, const QString& Name, double Default) const
{
    double value = 0;
    return IniValues::TryTextToDateTime(ReadString(Section, Name, QString()), value) ? value : Default;
}

void TIniDocument::WriteDate(const QString& Section, const QString& Name, double Value)
{
    WriteString(Section, Name, IniValues::DateToText(Value));
}

void TIniDocument::WriteTime(const QString& Section, const QString& Name, double Value)
{
    WriteString(Section, Name, IniValues::TimeToText(Value));
}

void TIniDocument::WriteDateTime(const QString& Section, const QString& Name, double Value)
{
    WriteString(Section, Name, IniValues::DateTimeToText(Value));
}

int TIniDocument::ReadBinaryStream(const QString& Section, const QString& Name, TByteStream& Value) const
{
    const QByteArray bytes = IniValues::HexToBytes(ReadString(Section, Name, QString()));
    if (bytes.isEmpty())
        return 0;
    const qsizetype position = std::clamp<qsizetype>(Value.Position, 0, Value.Bytes.size());
    if (Value.Bytes.size() < position + bytes.size())
        Value.Bytes.resize(position + bytes.size());
    std::copy(bytes.begin(), bytes.end(), Value.Bytes.begin() + position);
    Value.Position = position;
    return int(bytes.size());
}

void TIniDocument::WriteBinaryStream(const QString& Section, const QString& Name, const TByteStream& Value)
{
    const qsizetype position = std::clamp<qsizetype>(Value.Position, 0, Value.Bytes.size());
    WriteString(Section, Name, IniValues::BytesToHex(Value.Bytes.mid(position)));
}

bool TIniDocument::SectionExists(const QString& Section) const
{
    return FindSection(Section) != nullptr;
}

bool TIniDocument::ValueExists(const QString& Section, const QString& Ident) const
{
    return FindEntry(Section, Ident) != nullptr;
}

void TIniDocument::ReadSection(const QString& Section, QStringList& Strings) const
{
    Strings.clear();
    if (const TSection* section = FindSection(Section)) {
        for (const TEntry& entry : section->Entries)
            Strings.append(entry.Key);
    }
}

void TIniDocument::ReadSections(QStringList& Strings) const
{
    Strings.clear();
    for (const TSection& section : FSections)
        Strings.append(section.Name);
}

void TIniDocument::ReadSectionValues(const QString& Section, QStringList& Strings) const
{
    Strings.clear();
    if (const TSection* section = FindSection(Section)) {
        for (const TEntry& entry : section->Entries)
            Strings.append(entry.HasValue ? entry.Key + u'=' + entry.Value : entry.Key);
    }
}

void TIniDocument::EraseSection(const QString& Section)
{
    std::erase_if(FSections, [&](const TSection& s) { return SameName(s.Name, Section); });
}

void TIniDocument::DeleteKey(const QString& Section, const QString& Ident)
{
    if (TSection* section = FindSection(Section))
        std::erase_if(section->Entries, [&](const TEntry& e) { return SameName(e.Key, Ident); });
}
