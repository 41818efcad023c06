#include "settings/ExIniFile.h"

#include "settings/IniErrors.h"
#include "settings/IniValues.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString ExecutablePath()
{
    if (QCoreApplication::instance())
        return QCoreApplication::applicationFilePath();
    return QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget();
}

QString WithSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// Larger stored list counts are taken for damage (see ReadList).
constexpr qsizetype MaxListCount = 100000;

QChar FenceChar(TFence fence)
{
    return fence == fcDoubleQuote ? u'"' : u'\'';
}

} // namespace

TExIniFile::TExIniFile()
{
    // Binding with no file name gives an empty document in the executable's
    // folder, as the property would.
    SetBaseDir(bdApplication);
}

TExIniFile::~TExIniFile() = default;

void TExIniFile::SetBaseDir(TBaseDir value)
{
    FBaseDir = value;
    Bind();
}

void TExIniFile::SetFileName(const QString& value)
{
    FFileName = value;
    Bind();
}

bool TExIniFile::CaseSensitive() const
{
    return FIniFile->CaseSensitive();
}

void TExIniFile::SetCaseSensitive(bool value)
{
    FIniFile->SetCaseSensitive(value);
}

QString TExIniFile::ResolvePath() const
{
    if (FFileName.contains(u'/'))
        return FFileName;
    switch (FBaseDir) {
    case bdWindows:
        return QStringLiteral("/etc/") + FFileName;
    case bdApplication: {
        const QString exe = ExecutablePath();
        if (exe.isEmpty())
            throw EIniFileError(FFileName, QStringLiteral("the program's folder was not found"));
        return WithSlash(QFileInfo(exe).path()) + FFileName;
    }
    case bdAppData: {
        QString folder = qEnvironmentVariable("XDG_CONFIG_HOME");
        // The XDG rule: a relative setting is ignored.
        if (folder.isEmpty() || !QDir::isAbsolutePath(folder)) {
            const QString home = qEnvironmentVariable("HOME");
            if (home.isEmpty())
                throw EIniFileError(FFileName, QStringLiteral("the application-data folder was not found"));
            folder = WithSlash(home) + QStringLiteral(".config");
        }
        return WithSlash(folder) + FFileName;
    }
    case bdNone:
        break;
    }
    return FFileName;
}

void TExIniFile::Bind()
{
    // The old document goes first; should the new one fail, the component is
    // left with an empty document bound to no file, so that a later save cannot
    // overwrite a file it never read.
    FIniFile = std::make_unique<TIniDocument>();
    if (FFileName.isEmpty()) {
        // No file to bind yet: only the folder, when it can be found.
        try {
            FIniFile = std::make_unique<TIniDocument>(ResolvePath());
        } catch (const EIniFileError&) {
        }
        return;
    }
    auto document = std::make_unique<TIniDocument>(ResolvePath());
    document->Load();
    FIniFile = std::move(document);
}

void TExIniFile::Loaded()
{
    if (!FFileName.isEmpty())
        return;
    QString name = QFileInfo(ExecutablePath()).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot > 0)
        name.truncate(dot);
    SetFileName(name + QStringLiteral(".ini"));
}

void TExIniFile::UpdateIfAuto()
{
    if (FAutoUpdate)
        FIniFile->UpdateFile();
}

void TExIniFile::UpdateFile()
{
    FIniFile->UpdateFile();
}

QString TExIniFile::ReadFencedString(const QString& Section, const QString& Ident, TFence fence,
                                     const QString& Default) const
{
    const QString d = fence == fcNone ? Default : FenceChar(fence) + Default + FenceChar(fence);
    QString v = FIniFile->ReadString(Section, Ident, d);
    // The component's own fence decides the stripping, whatever was passed in.
    if (FFence != fcNone && v.size() >= 2) {
        const QChar q = FenceChar(FFence);
        if (v.front() == q && v.back() == q)
            v = v.mid(1, v.size() - 2);
    }
    return v;
}

void TExIniFile::WriteFencedString(const QString& Section, const QString& Ident, TFence fence,
                                   const QString& Value)
{
    FIniFile->WriteString(Section, Ident,
                          fence == fcNone ? Value : FenceChar(fence) + Value + FenceChar(fence));
    UpdateIfAuto();
}

QString TExIniFile::ReadString(const QString& Section, const QString& Ident, const QString& Default) const
{
    return ReadFencedString(Section, Ident, FFence, Default);
}

QString TExIniFile::ReadStr(const QString& Section, const QString& Ident, const QString& Default) const
{
    return ReadString(Section, Ident, Default);
}

void TExIniFile::WriteString(const QString& Section, const QString& Ident, const QString& Value)
{
    WriteFencedString(Section, Ident, FFence, Value);
}

void TExIniFile::WriteStr(const QString& Section, const QString& Ident, const QString& Value)
{
    WriteString(Section, Ident, Value);
}

int TExIniFile::ReadInteger(const QString& Section, const QString& Ident, int Default) const
{
    return FIniFile->ReadInteger(Section, Ident, Default);
}

int TExIniFile::ReadInt(const QString& Section, const QString& Ident, int Default) const
{
    return ReadInteger(Section, Ident, Default);
}

void TExIniFile::WriteInteger(const QString& Section, const QString& Ident, int Value)
{
    FIniFile->WriteInteger(Section, Ident, Value);
    UpdateIfAuto();
}

void TExIniFile::WriteInt(const QString& Section, const QString& Ident, int Value)
{
    WriteInteger(Section, Ident, Value);
}

bool TExIniFile::ReadBool(const QString& Section, const QString& Ident, bool Default) const
{
    return FIniFile->ReadBool(Section, Ident, Default);
}

void TExIniFile::WriteBool(const QString& Section, const QString& Ident, bool Value)
{
    FIniFile->WriteBool(Section, Ident, Value);
    UpdateIfAuto();
}

double TExIniFile::ReadFloat(const QString& Section, const QString& Name, double Default) const
{
    return FIniFile->ReadFloat(Section, Name, Default);
}

void TExIniFile::WriteFloat(const QString& Section, const QString& Name, double Value)
{
    FIniFile->WriteFloat(Section, Name, Value);
    UpdateIfAuto();
}

double TExIniFile::ReadDate(const QString& Section, const QString& Name, double Default) const
{
    return FIniFile->ReadDate(Section, Name, Default);
}

double TExIniFile::ReadTime(const QString& Section, const QString& Name, double Default) const
{
    return FIniFile->ReadTime(Section, Name, Default);
}

double TExIniFile::ReadDateTime(const QString& Section, const QString& Name, double Default) const
{
    return FIniFile->ReadDateTime(Section, Name, Default);
}

void TExIniFile::WriteDate(const QString& Section, const QString& Name, double Value)
{
    FIniFile->WriteDate(Section, Name, Value);
    UpdateIfAuto();
}

void TExIniFile::WriteTime(const QString& Section, const QString& Name, double Value)
{
    FIniFile->WriteTime(Section, Name, Value);
    UpdateIfAuto();
}

void TExIniFile::WriteDateTime(const QString& Section, const QString& Name, double Value)
{
    FIniFile->WriteDateTime(Section, Name, Value);
    UpdateIfAuto();
}

int TExIniFile::ReadBinaryStream(const QString& Section, const QString& Name, TByteStream& Value) const
{
    return FIniFile->ReadBinaryStream(Section, Name, Value);
}

void TExIniFile::WriteBinaryStream(const QString& Section, const QString& Name, const TByteStream& Value)
{
    FIniFile->WriteBinaryStream(Section, Name, Value);
    UpdateIfAuto();
}

int TExIniFile::ReadHex(const QString& Section, const QString& Item, int Default) const
{
    const QString v = ReadFencedString(Section, Item, fcNone, IniValues::HexText(uint32_t(Default)));
    // The first two characters are taken for "0x" whatever they are.
    const QStringView digits = v.size() > 2 ? QStringView(v).sliced(2, qMin<qsizetype>(8, v.size() - 2))
                                            : QStringView();
    int value = 0;
    if (!IniValues::TryHexDigitsToInt(digits, value)) {
        throw EConvertError(QStringLiteral("'%1' is not a valid hexadecimal value (section [%2], key %3)")
                                .arg(v, Section, Item));
    }
    return value;
}

void TExIniFile::WriteHex(const QString& Section, const QString& Item, int Value)
{
    WriteFencedString(Section, Item, fcNone, IniValues::HexText(uint32_t(Value)));
}

TColor TExIniFile::ReadColor(const QString& Section, const QString& Item, TColor Default) const
{
    return TColor(ReadHex(Section, Item, int(Default)));
}

void TExIniFile::WriteColor(const QString& Section, const QString& Item, TColor Value)
{
    WriteHex(Section, Item, int(Value));
}

void TExIniFile::ReadList(const QString& Section, const QString& Item, QStringList& List) const
{
    qsizetype count = qMax(0, ReadInteger(Section, Item + QStringLiteral(".Count"), int(List.size())));
    // Every item up to the count is read, missing ones included. Only a count
    // beyond any real list is taken for damage: it reads no more lines than
    // the section has entries or the list has lines, so that a file cannot
    // make us allocate gigabytes of empty lines.
    if (count > MaxListCount) {
        QStringList keys;
        FIniFile->ReadSection(Section, keys);
        count = qMin(count, qMax(keys.size(), List.size()));
    }
    QStringList lines;
    lines.reserve(count);
    for (qsizetype i = 0; i < count; ++i) {
        const QString fallback = i < List.size() ? List[i] : QString();
        lines.append(ReadFencedString(Section, Item + u'.' + QString::number(i), fcNone, fallback));
    }
    List = lines;
}

void TExIniFile::WriteList(const QString& Section, const QString& Item, const QStringList& Value)
{
    WriteInteger(Section, Item + QStringLiteral(".Count"), int(Value.size()));
    for (qsizetype i = 0; i < Value.size(); ++i)
        WriteFencedString(Section, Item + u'.' + QString::number(i), fcNone, Value[i]);
}

void TExIniFile::ReadFont(const QString& Section, const QString& Item, TIniFont& Font) const
{
    TIniFont font;
    font.Name = ReadFencedString(Section, Item + QStringLiteral(".Name"), fcNone, Font.Name);
    font.Size = ReadInteger(Section, Item + QStringLiteral(".Size"), Font.Size);
    font.Style = ReadInteger(Section, Item + QStringLiteral(".Style"), Font.Style) & 0xFF;
    font.Color = ReadColor(Section, Item + QStringLiteral(".Color"), Font.Color);
    Font = font;
}

void TExIniFile::WriteFont(const QString& Section, const QString& Item, const TIniFont& Value)
{
    WriteFencedString(Section, Item + QStringLiteral(".Name"), fcNone, Value.Name);
    WriteInteger(Section, Item + QStringLiteral(".Size"), Value.Size);
    WriteInteger(Section, Item + QStringLiteral(".Style"), Value.Style);
    WriteColor(Section, Item + QStringLiteral(".Color"), Value.Color);
}

void TExIniFile::ReadFormPos(const QString& Section, const QString& Item, TFormHost& Form) const
{
    Form.SetLeft(ReadInteger(Section, Item + QStringLiteral(".X"), Form.Left()));
    Form.SetTop(ReadInteger(Section, Item + QStringLiteral(".Y"), Form.Top()));
}

void TExIniFile::WriteFormPos(const QString& Section, const QString& Item, const TFormHost& Value)
{
    WriteInteger(Section, Item + QStringLiteral(".X"), Value.Left());
    WriteInteger(Section, Item + QStringLiteral(".Y"), Value.Top());
}

void TExIniFile::ReadFormSize(const QString& Section, const QString& Item, TFormHost& Form) const
{
    Form.SetWidth(ReadInteger(Section, Item + QStringLiteral(".XSize"), Form.Width()));
    Form.SetHeight(ReadInteger(Section, Item + QStringLiteral(".YSize"), Form.Height()));
}

void TExIniFile::WriteFormSize(const QString& Section, const QString& Item, const TFormHost& Value)
{
    WriteInteger(Section, Item + QStringLiteral(".XSize"), Value.Width());
    WriteInteger(Section, Item + QStringLiteral(".YSize"), Value.Height());
}

void TExIniFile::ReadForm(const QString& Section, const QString& Item, TFormHost& Form) const
{
    TWindowPlacement p = Form.GetPlacement();
    p.flags = ReadInteger(Section, Item + QStringLiteral(".Flags"), p.flags);
    p.showCmd = ReadInteger(Section, Item + QStringLiteral(".Show"), p.showCmd);
    p.maxX = ReadInteger(Section, Item + QStringLiteral(".MaxX"), p.maxX);
    p.maxY = ReadInteger(Section, Item + QStringLiteral(".MaxY"), p.maxY);
    p.normalLeft = ReadInteger(Section, Item + QStringLiteral(".X"), p.normalLeft);
    p.normalTop = ReadInteger(Section, Item + QStringLiteral(".Y"), p.normalTop);
    p.normalRight = ReadInteger(Section, Item + QStringLiteral(".XSize"), p.normalRight);
    p.normalBottom = ReadInteger(Section, Item + QStringLiteral(".YSize"), p.normalBottom);
    Form.SetPlacement(p);
}

void TExIniFile::WriteForm(const QString& Section, const QString& Item, const TFormHost& Form)
{
    const TWindowPlacement p = Form.GetPlacement();
    WriteInteger(Section, Item + QStringLiteral(".Flags"), p.flags);
    WriteInteger(Section, Item + QStringLiteral(".Show"), p.showCmd);
    WriteInteger(Section, Item + QStringLiteral(".MaxX"), p.maxX);
    WriteInteger(Section, Item + QStringLiteral(".MaxY"), p.maxY);
    WriteInteger(Section, Item + QStringLiteral(".X"), p.normalLeft);
    WriteInteger(Section, Item + QStringLiteral(".Y"), p.normalTop);
    WriteInteger(Section, Item + QStringLiteral(".XSize"), p.normalRight);
    WriteInteger(Section, Item + QStringLiteral(".YSize"), p.normalBottom);
}

bool TExIniFile::SectionExists(const QString& Section) const
{
    return FIniFile->SectionExists(Section);
}

bool TExIniFile::ValueExists(const QString& Section, const QString& Ident) const
{
    return FIniFile->ValueExists(Section, Ident);
}

void TExIniFile::ReadSection(const QString& Section, QStringList& Strings) const
{
    FIniFile->ReadSection(Section, Strings);
}

void TExIniFile::ReadSections(QStringList& Strings) const
{
    FIniFile->ReadSections(Strings);
}

void TExIniFile::ReadSectionValues(const QString& Section, QStringList& Strings) const
{
    FIniFile->ReadSectionValues(Section, Strings);
}

void TExIniFile::EraseSection(const QString& Section)
{
    FIniFile->EraseSection(Section);
    UpdateIfAuto();
}

void TExIniFile::DeleteKey(const QString& Section, const QString& Ident)
{
    FIniFile->DeleteKey(Section, Ident);
    UpdateIfAuto();
}
