#pragma once

#include "core/TextCodec.h"
#include "settings/ByteStream.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

// The in-memory copy of one INI file: ordered sections of ordered entries.
// Nothing touches the disk except Load and UpdateFile.
class TIniDocument {
public:
    // Larger files are refused rather than read into memory.
    static constexpr qint64 MaxFileSize = 64 * 1024 * 1024;

    // An empty, case-insensitive document bound to `fileName` (not loaded).
    explicit TIniDocument(const QString& fileName = QString());

    const QString& FileName() const { return FFileName; }
    bool CaseSensitive() const { return FCaseSensitive; }
    void SetCaseSensitive(bool value) { FCaseSensitive = value; }
    // The encoding the next save uses and whether it writes a byte-order
    // mark: those found on loading, or the ANSI code page for a new file.
    // A save that the code page cannot hold switches to UTF-8 with a mark.
    TextCodec::TEncoding Encoding() const { return FEncoding; }
    bool WritesBom() const { return FWithBom; }

    // Reads the file when it exists; a missing file or a folder leaves the
    // document empty. Raises EIniFileError when the file cannot be read.
    void Load();
    // Writes the whole document (CR LF, the mark again when it had one)
    // through a temporary file, or in place when the folder allows no
    // temporary file; a failure raises EIniFileError with the system's reason
    // and, but for a failed write in place, leaves the old file whole.
    void UpdateFile();

    // Takes a file's content: the encoding its byte-order mark names; without
    // one, UTF-8 when the bytes are valid UTF-8 and not all ASCII, otherwise
    // the ANSI code page. The encoding and mark are kept for saving.
    void SetBytes(const QByteArray& bytes);
    // Parses INI text, replacing the content; SaveText is what UpdateFile writes.
    void SetText(QStringView text);
    QString SaveText() const;
    void Clear();

    // The value of the first entry with the key; a missing section or key or a
    // valueless entry gives `Default`.
    QString ReadString(const QString& Section, const QString& Ident, const QString& Default) const;
    // Replaces the first entry's value, or appends the entry (and the section).
    // Raises EConvertError for a line break in any part or "=" in the key,
    // which would come back as different entries.
    void WriteString(const QString& Section, const QString& Ident, const QString& Value);

    int ReadInteger(const QString& Section, const QString& Ident, int Default) const;
    void WriteInteger(const QString& Section, const QString& Ident, int Value);
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
    // Places the decoded bytes at the stream's position (growing it) and
    // returns their count; the position is left where it was so the bytes
    // can be read at once. Nothing stored: 0, the stream untouched.
    int ReadBinaryStream(const QString& Section, const QString& Name, TByteStream& Value) const;
    // Stores the bytes from the position to the end; the stream is not changed.
    void WriteBinaryStream(const QString& Section, const QString& Name, const TByteStream& Value);

    bool SectionExists(const QString& Section) const;
    // A valueless entry counts, its text being its key.
    bool ValueExists(const QString& Section, const QString& Ident) const;
    void ReadSection(const QString& Section, QStringList& Strings) const;
    void ReadSections(QStringList& Strings) const;
    void ReadSectionValues(const QString& Section, QStringList& Strings) const;
    void EraseSection(const QString& Section);
    // Removes every entry with the key, so that none shows through afterwards.
    void DeleteKey(const QString& Section, const QString& Ident);

private:
    struct TEntry {
        QString Key; // the whole text of a valueless entry
        QString Value;
        bool HasValue = true;
    };
    struct TSection {
        QString Name;
        std::vector<TEntry> Entries;
    };

    bool SameName(const QString& a, const QString& b) const;
    const TSection* FindSection(const QString& name) const;
    TSection* FindSection(const QString& name);
    const TEntry* FindEntry(const QString& section, const QString& ident) const;

    QString FFileName;
    std::vector<TSection> FSections;
    bool FCaseSensitive = false;
    TextCodec::TEncoding FEncoding = TextCodec::teAnsi;
    bool FWithBom = false;
};
