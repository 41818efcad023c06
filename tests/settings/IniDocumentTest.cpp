#include "settings/IniDocument.h"
#include "settings/IniErrors.h"

#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

namespace {

QByteArray ReadBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void WriteBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

} // namespace

TEST(IniDocument, ParsesTrimsAndSkips)
{
    TIniDocument doc;
    doc.SetText(u"dropped=before any section\r\n"
                u"  [ Main ]  \r\n"
                u"; a comment\n"
                u"\n"
                u"Key = Value  \r"
                u"\t=empty key\n"
                u"bare line\n"
                u"Path=a=b\n"
                u"[Broken\n");
    EXPECT_EQ(doc.ReadString("Main", "Key", "x"), "Value");
    EXPECT_EQ(doc.ReadString("Main", "", "x"), "empty key");
    EXPECT_EQ(doc.ReadString("Main", "Path", "x"), "a=b");
    // A line without "=" is kept but has no value.
    EXPECT_TRUE(doc.ValueExists("Main", "bare line"));
    EXPECT_EQ(doc.ReadString("Main", "bare line", "x"), "x");
    EXPECT_TRUE(doc.ValueExists("Main", "[Broken"));
    EXPECT_FALSE(doc.ValueExists("Main", "dropped"));

    QStringList names;
    doc.ReadSections(names);
    EXPECT_EQ(names, QStringList{"Main"});
    QStringList lines;
    doc.ReadSectionValues("Main", lines);
    EXPECT_EQ(lines, (QStringList{"Key=Value", "=empty key", "bare line", "Path=a=b", "[Broken"}));
}

TEST(IniDocument, DuplicateSectionsMergeAndSaveAsOne)
{
    TIniDocument doc;
    doc.SetText(u"[A]\na=1\n[B]\nb=2\n[a]\nc=3\n");
    QStringList keys;
    doc.ReadSection("A", keys);
    EXPECT_EQ(keys, (QStringList{"a", "c"}));
    EXPECT_EQ(doc.SaveText(), "[A]\r\na=1\r\nc=3\r\n\r\n[B]\r\nb=2\r\n\r\n");
}

TEST(IniDocument, LookupIgnoresCaseUnlessCaseSensitive)
{
    TIniDocument doc;
    doc.SetText(u"[Form]\nPosition=7\n");
    EXPECT_EQ(doc.ReadInteger("FORM", "position", 0), 7);
    doc.SetCaseSensitive(true);
    EXPECT_EQ(doc.ReadInteger("FORM", "position", 0), 0);
    EXPECT_FALSE(doc.SectionExists("FORM"));
    doc.WriteInteger("Form", "POSITION", 8);
    EXPECT_EQ(doc.ReadInteger("Form", "Position", 0), 7);
    EXPECT_EQ(doc.ReadInteger("Form", "POSITION", 0), 8);
}

TEST(IniDocument, WritesReplaceInPlaceOrAppend)
{
    TIniDocument doc;
    doc.SetText(u"[S]\na=1\nflag\nb=2\n");
    doc.WriteString("s", "A", "10");
    doc.WriteString("S", "flag", "on");
    doc.WriteString("S", "c", "3");
    doc.WriteString("New", "k", "");
    EXPECT_EQ(doc.SaveText(), "[S]\r\na=10\r\nflag=on\r\nb=2\r\nc=3\r\n\r\n[New]\r\nk=\r\n\r\n");

    doc.DeleteKey("S", "b");
    doc.EraseSection("new");
    doc.EraseSection("missing");
    doc.DeleteKey("missing", "a");
    EXPECT_EQ(doc.SaveText(), "[S]\r\na=10\r\nflag=on\r\nc=3\r\n\r\n");
}

TEST(IniDocument, DeleteKeyRemovesDuplicatesToo)
{
    TIniDocument doc;
    doc.SetText(u"[S]\nk=1\nk=2\n");
    EXPECT_EQ(doc.ReadString("S", "k", ""), "1");
    doc.DeleteKey("S", "K");
    EXPECT_FALSE(doc.ValueExists("S", "k"));
}

TEST(IniDocument, RefusesTextThatWouldReadBackDifferently)
{
    TIniDocument doc;
    EXPECT_THROW(doc.WriteString("S", "k", "one\r\n[Injected]\r\nx=1"), EConvertError);
    EXPECT_THROW(doc.WriteString("S", "k\n", "v"), EConvertError);
    EXPECT_THROW(doc.WriteString("S\r", "k", "v"), EConvertError);
    EXPECT_THROW(doc.WriteString("S", "a=b", "v"), EConvertError);
    EXPECT_FALSE(doc.SectionExists("S"));
}

TEST(IniDocument, TypedReadsFallBackToDefault)
{
    TIniDocument doc;
    doc.SetText(u"[S]\nhex=0x10\ndollar=$10\nfrac=1.5\nyes=yes\nzero=0\nempty=\n");
    EXPECT_EQ(doc.ReadInteger("S", "hex", -1), 16);
    EXPECT_EQ(doc.ReadInteger("S", "dollar", -1), 16);
    EXPECT_EQ(doc.ReadInteger("S", "frac", -1), -1);
    EXPECT_TRUE(doc.ReadBool("S", "yes", true));
    EXPECT_FALSE(doc.ReadBool("S", "yes", false));
    EXPECT_FALSE(doc.ReadBool("S", "zero", true));
    EXPECT_TRUE(doc.ReadBool("S", "hex", false));
    EXPECT_EQ(doc.ReadFloat("S", "frac", 0), 1.5);
    EXPECT_EQ(doc.ReadFloat("S", "empty", 2.5), 2.5);
    EXPECT_EQ(doc.ReadDateTime("S", "yes", 3.0), 3.0);

    doc.WriteBool("S", "b", true);
    doc.WriteFloat("S", "f", -0.125);
    EXPECT_EQ(doc.ReadString("S", "b", ""), "1");
    EXPECT_EQ(doc.ReadString("S", "f", ""), "-0.125");
}

TEST(IniDocument, BinaryStreamAtPosition)
{
    TIniDocument doc;
    TByteStream out{QByteArray("skip\x01\x02\xFF", 7), 4};
    doc.WriteBinaryStream("S", "data", out);
    EXPECT_EQ(doc.ReadString("S", "data", ""), "0102FF");

    TByteStream in{QByteArray("abcdef"), 2};
    EXPECT_EQ(doc.ReadBinaryStream("S", "data", in), 3);
    EXPECT_EQ(in.Bytes, QByteArray("ab\x01\x02\xFF" "f", 6));
    EXPECT_EQ(in.Position, 2);

    TByteStream untouched{QByteArray("xy"), 1};
    EXPECT_EQ(doc.ReadBinaryStream("S", "missing", untouched), 0);
    EXPECT_EQ(untouched.Bytes, QByteArray("xy"));
    EXPECT_EQ(untouched.Position, 1);
}

TEST(IniDocument, SavingKeepsTheLoadedEncodingAndBom)
{
    QTemporaryDir dir;
    const struct {
        const char* name;
        QByteArray bom;
        QStringConverter::Encoding qt;
    } cases[] = {
        {"utf8.ini", QByteArray("\xEF\xBB\xBF"), QStringConverter::Utf8},
        {"utf16le.ini", QByteArray("\xFF\xFE"), QStringConverter::Utf16LE},
        {"utf16be.ini", QByteArray("\xFE\xFF"), QStringConverter::Utf16BE},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path = dir.filePath(c.name);
        QStringEncoder encoder(c.qt);
        WriteBytes(path, c.bom + QByteArray(encoder.encode(u"[見出し]\nName=グラフ\n")));

        TIniDocument doc(path);
        doc.Load();
        EXPECT_EQ(doc.ReadString("見出し", "Name", ""), "グラフ");
        doc.WriteString("見出し", "Other", "値");
        doc.UpdateFile();

        const QByteArray expected =
            c.bom + QByteArray(encoder.encode(u"[見出し]\r\nName=グラフ\r\nOther=値\r\n\r\n"));
        EXPECT_EQ(ReadBytes(path), expected);
    }
}

TEST(IniDocument, MarkLessUtf8StaysUtf8WithoutAMark)
{
    // A file edited by hand on Linux: UTF-8 with no byte-order mark.
    QTemporaryDir dir;
    const QString path = dir.filePath("plain.ini");
    WriteBytes(path, "[\xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97]\nName=caf\xC3\xA9\n");
    TIniDocument doc(path);
    doc.Load();
    EXPECT_EQ(doc.Encoding(), TextCodec::teUtf8);
    EXPECT_EQ(doc.ReadString("見出し", "Name", ""), "café");
    doc.WriteString("見出し", "Other", "値");
    doc.UpdateFile();
    EXPECT_EQ(ReadBytes(path), QByteArray("[\xE8\xA6\x8B\xE5\x87\xBA\xE3\x81\x97]\r\nName=caf\xC3\xA9\r\n"
                                          "Other=\xE5\x80\xA4\r\n\r\n"));

    // Bytes that are not UTF-8 are the code page's; ASCII alone stays with it too.
    WriteBytes(path, "[S]\nName=caf\xE9\n");
    doc.Load();
    EXPECT_EQ(doc.ReadString("S", "Name", ""), "café");
    EXPECT_EQ(doc.Encoding(), TextCodec::teAnsi);
    WriteBytes(path, "[S]\nName=cafe\n");
    doc.Load();
    EXPECT_EQ(doc.Encoding(), TextCodec::teAnsi);
}

TEST(IniDocument, UndefinedCp1252BytesRoundTrip)
{
    // Windows maps 0x81, 0x8D, 0x8F, 0x90 and 0x9D to the C1 controls of the
    // same number; such a file must come back byte for byte, not as UTF-8.
    QTemporaryDir dir;
    const QString path = dir.filePath("cp1252.ini");
    const QByteArray value("\x81\x8D\x8F\x90\x9D\xE9\x80");
    WriteBytes(path, "[S]\r\nk=" + value + "\r\n\r\n");
    TIniDocument doc(path);
    doc.Load();
    EXPECT_EQ(doc.ReadString("S", "k", ""), QString::fromUtf8("\u0081\u008D\u008F\u0090\u009Dé€"));
    doc.WriteString("S", "j", "x");
    doc.UpdateFile();
    EXPECT_EQ(doc.Encoding(), TextCodec::teAnsi);
    EXPECT_EQ(ReadBytes(path), "[S]\r\nk=" + value + "\r\nj=x\r\n\r\n");
}

TEST(IniDocument, NewFileUsesTheCodePageUnlessTextWouldBeLost)
{
    // The tests run under C.UTF-8, whose legacy code page is CP1252.
    QTemporaryDir dir;
    const QString path = dir.filePath("new.ini");
    TIniDocument doc(path);
    doc.Load();
    doc.WriteString("S", "k", "café");
    doc.UpdateFile();
    EXPECT_EQ(ReadBytes(path), QByteArray("[S]\r\nk=caf\xE9\r\n\r\n"));
    EXPECT_EQ(doc.Encoding(), TextCodec::teAnsi);

    doc.WriteString("S", "j", "日本");
    doc.UpdateFile();
    EXPECT_EQ(ReadBytes(path), QByteArray("\xEF\xBB\xBF[S]\r\nk=caf\xC3\xA9\r\nj=\xE6\x97\xA5\xE6\x9C\xAC\r\n\r\n"));
    EXPECT_EQ(doc.Encoding(), TextCodec::teUtf8);

    TIniDocument again(path);
    again.Load();
    EXPECT_EQ(again.ReadString("S", "j", ""), "日本");
}

TEST(IniDocument, MissingFileOrFolderGivesEmptyDocument)
{
    QTemporaryDir dir;
    TIniDocument missing(dir.filePath("none.ini"));
    EXPECT_NO_THROW(missing.Load());
    TIniDocument folder(dir.path());
    EXPECT_NO_THROW(folder.Load());
    EXPECT_THROW(folder.UpdateFile(), EIniFileError);
    TIniDocument unbound;
    EXPECT_THROW(unbound.UpdateFile(), EIniFileError);
}

// The settings file is a regular file: a FIFO or a link to a device in its
// place is refused and left as it is; a link to a file is saved through.
TEST(IniDocument, SavingRefusesSpecialFilesAndWritesThroughLinks)
{
    QTemporaryDir dir;
    const QByteArray fifo = dir.filePath("pipe.ini").toLocal8Bit();
    ASSERT_EQ(mkfifo(fifo.constData(), 0600), 0);
    const QString fifoLink = dir.filePath("fifo-link.ini");
    ASSERT_TRUE(QFile::link(QString::fromLocal8Bit(fifo), fifoLink));
    QStringList paths{QString::fromLocal8Bit(fifo), fifoLink};
    // A link to a real device only where a failing check could not replace
    // the device: never as root.
    const QString nullLink = dir.filePath("null.ini");
    if (geteuid() != 0 && QFile::link("/dev/null", nullLink))
        paths.append(nullLink);
    for (const QString& path : paths) {
        TIniDocument doc(path);
        doc.WriteString("S", "k", "v");
        try {
            doc.UpdateFile();
            ADD_FAILURE() << "saved " << path.toStdString();
        } catch (const EIniFileError& e) {
            EXPECT_EQ(e.Reason(), "not a regular file");
        }
    }
    struct stat info {};
    ASSERT_EQ(stat(fifo.constData(), &info), 0);
    EXPECT_TRUE(S_ISFIFO(info.st_mode));
    EXPECT_EQ(QFileInfo(fifoLink).symLinkTarget(), QString::fromLocal8Bit(fifo));

    const QString target = dir.filePath("real.ini");
    const QString link = dir.filePath("link.ini");
    ASSERT_TRUE(QFile::link(target, link)); // dangling until the first save
    TIniDocument doc(link);
    doc.WriteString("S", "k", "v");
    doc.UpdateFile();
    doc.WriteString("S", "k", "w");
    doc.UpdateFile();
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBytes(target), QByteArray("[S]\r\nk=w\r\n\r\n"));
}

TEST(IniDocument, OversizedFileIsRefused)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("huge.ini");
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(TIniDocument::MaxFileSize + 1)); // sparse
    }
    TIniDocument doc(path);
    try {
        doc.Load();
        FAIL() << "no error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Path(), path);
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains(path));
    }
    QStringList sections;
    doc.ReadSections(sections);
    EXPECT_TRUE(sections.isEmpty());
}
