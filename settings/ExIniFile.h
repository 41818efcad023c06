#pragma once

#include "core/Color.h"
#include "settings/ByteStream.h"
#include "settings/FormHost.h"
#include "settings/IniDocument.h"
#include "settings/IniFont.h"

#include <QString>
#include <QStringList>

#include <memory>

enum TBaseDir { bdWindows, bdApplication, bdAppData, bdNone };
enum TFence { fcNone, fcDoubleQuote, fcSingleQuote };

// A settings file bound to a folder chosen by BaseDir, with fenced strings,
// saving after each change when AutoUpdate is on, and typed reads and writes
// of compound values. Every write saves the whole file when AutoUpdate is
// True and may then raise EIniFileError; the change stays in memory.
class TExIniFile {
public:
    // Unbound: bdApplication with no file name, fcNone, case-insensitive,
    // AutoUpdate on.
    TExIniFile();
    ~TExIniFile();
    TExIniFile(const TExIniFile&) = delete;
    TExIniFile& operator=(const TExIniFile&) = delete;

    // Setting BaseDir or FileName binds a new document: unsaved changes are
    // dropped and the file is read again. A failed binding raises and leaves
    // an empty document.
    TBaseDir BaseDir() const { return FBaseDir; }
    void SetBaseDir(TBaseDir value);
    const QString& FileName() const { return FFileName; }
    void SetFileName(const QString& value);
    TFence Fence() const { return FFence; }
    void SetFence(TFence value) { FFence = value; }
    bool CaseSensitive() const;
    void SetCaseSensitive(bool value);
    bool AutoUpdate() const { return FAutoUpdate; }
    void SetAutoUpdate(bool value) { FAutoUpdate = value; }

    // After the owner has configured the component: with no file name, binds
    // the executable's name with ".ini", which reads the settings file.
    void Loaded();

    // The bound document (its FileName is the full path).
    const TIniDocument& IniFile() const { return *FIniFile; }

    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    QString ReadStr(const QString& Section, const QString& Ident, const QString& Default) const;
    void WriteString(const QString& Section, const QString& Ident, const QString& Value);
    void WriteStr(const QString& Section, const QString& Ident, const QString& Value);
    int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
    int ReadInt(const QString& Section, const QString& Ident, int Default) const;
    void WriteInteger(const QString& Section, const QString& Ident, int Value);
    void WriteInt(const QString& Section, const QString& Ident, int Value);
    bool ReadBool(const QString& Section, const QString& Ident, bool Default) const;
    void WriteBool(const QString& Section, const QString& Ident, bool Value);
    double ReadFloat(const QString& Section, const QString& Name, double Default) const;
    void WriteFloat(const QString& Section, const QString& Name, double Value);
    double ReadDate(const QString& Section, const QString& Name, double Default) const;
    double ReadTime(const QString& Section, const QString& Name, double Default) const;
    double ReadDateTime(const QString& Section, const QString& Name, double Default) const;
    void WriteDate(const QString& Section, const QString& Name, double Value);
    void WriteTime(const QString& Section, const QString& Name, double Value);
    void WriteDateTime(const QString& Section, const QString& Name, double Value);
    int ReadBinaryStream(const QString& Section, const QString& Name, TByteStream& Value) const;
    void WriteBinaryStream(const QString& Section, const QString& Name, const TByteStream& Value);

    // Raises EConvertError when the stored value is not hexadecimal.
    int ReadHex(const QString& Section, const QString& Item, int Default) const;
    void WriteHex(const QString& Section, const QString& Item, int Value);
    TColor ReadColor(const QString& Section, const QString& Item, TColor Default) const;
    void WriteColor(const QString& Section, const QString& Item, TColor Value);

    // Reads Item.Count lines; a missing item gives List's line of that index
    // or an empty line. A count too large for any real list reads no more
    // lines than the section has entries or List has lines.
    void ReadList(const QString& Section, const QString& Item, QStringList& List) const;
    void WriteList(const QString& Section, const QString& Item, const QStringList& Value);
    void ReadFont(const QString& Section, const QString& Item, TIniFont& Font) const;
    void WriteFont(const QString& Section, const QString& Item, const TIniFont& Value);

    void ReadFormPos(const QString& Section, const QString& Item, TFormHost& Form) const;
    void WriteFormPos(const QString& Section, const QString& Item, const TFormHost& Value);
    void ReadFormSize(const QString& Section, const QString& Item, TFormHost& Form) const;
    void WriteFormSize(const QString& Section, const QString& Item, const TFormHost& Value);
    void ReadForm(const QString& Section, const QString& Item, TFormHost& Form) const;
    void WriteForm(const QString& Section, const QString& Item, const TFormHost& Form);

    bool SectionExists(const QString& Section) const;
    bool ValueExists(const QString& Section, const QString& Ident) const;
    void ReadSection(const QString& Section, QStringList& Strings) const;
    void ReadSections(QStringList& Strings) const;
    void ReadSectionValues(const QString& Section, QStringList& Strings) const;
    void EraseSection(const QString& Section);
    void DeleteKey(const QString& Section, const QString& Ident);
    // Saves now, whatever AutoUpdate says.
    void UpdateFile();

private:
    QString ReadFencedString(const QString& Section, const QString& Ident, TFence fence,
                             const QString& Default) const;
    void WriteFencedString(const QString& Section, const QString& Ident, TFence fence,
                           const QString& Value);
    void UpdateIfAuto();
    void Bind();
    QString ResolvePath() const;

    std::unique_ptr<TIniDocument> FIniFile;
    TBaseDir FBaseDir = bdApplication;
    QString FFileName;
    TFence FFence = fcNone;
    bool FAutoUpdate = true;
};
