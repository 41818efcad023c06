#include "settings/ExIniFile.h"
#include "settings/IniErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
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

class TFakeForm : public TFormHost {
public:
    int L = 10, T = 20, W = 300, H = 200;
    TWindowPlacement P;

    int Left() const override { return L; }
    void SetLeft(int value) override { L = value; }
    int Top() const override { return T; }
    void SetTop(int value) override { T = value; }
    int Width() const override { return W; }
    void SetWidth(int value) override { W = value; }
    int Height() const override { return H; }
    void SetHeight(int value) override { H = value; }
    TWindowPlacement GetPlacement() const override { return P; }
    void SetPlacement(const TWindowPlacement& placement) override { P = placement; }
};

// Sets an environment variable for one scope.
class TEnvGuard {
public:
    TEnvGuard(const char* name, const QByteArray* value) : FName(name), FHad(qEnvironmentVariableIsSet(name)),
                                                            FOld(qgetenv(name))
    {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    ~TEnvGuard()
    {
        if (FHad)
            qputenv(FName, FOld);
        else
            qunsetenv(FName);
    }

private:
    const char* FName;
    bool FHad;
    QByteArray FOld;
};

// Lowers the largest file size this process may write, for one scope; a
// write beyond it then fails with EFBIG instead of raising SIGXFSZ.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) : FOldHandler(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &FOld);
        rlimit lowered = FOld;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~TFileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &FOld);
        std::signal(SIGXFSZ, FOldHandler);
    }
    TFileSizeLimit(const TFileSizeLimit&) = delete;
    TFileSizeLimit& operator=(const TFileSizeLimit&) = delete;

private:
    rlimit FOld{};
    void (*FOldHandler)(int);
};

class ExIniFile : public ::testing::Test {
protected:
    QTemporaryDir Dir;
    QString Path = Dir.filePath("Plotvane.ini");
    TExIniFile Ini;

    void SetUp() override { Ini.SetFileName(Path); }
    void Reload() { Ini.SetFileName(Path); }
};

} // namespace

TEST(ExIniFileConstruction, DefaultsAndUnboundDocument)
{
    TExIniFile ini;
    EXPECT_EQ(ini.BaseDir(), bdApplication);
    EXPECT_EQ(ini.FileName(), "");
    EXPECT_EQ(ini.Fence(), fcNone);
    EXPECT_FALSE(ini.CaseSensitive());
    EXPECT_TRUE(ini.AutoUpdate());
    const QString exeDir = QFileInfo(QFileInfo("/proc/self/exe").symLinkTarget()).path();
    EXPECT_EQ(ini.IniFile().FileName(), exeDir + "/");
    // Bound to a folder, not a file: nothing can be saved.
    EXPECT_THROW(ini.WriteInteger("S", "k", 1), EIniFileError);
    EXPECT_EQ(ini.ReadInteger("S", "k", 0), 1);
}

TEST(ExIniFileConstruction, LoadedNamesTheFileAfterTheExecutable)
{
    TExIniFile ini;
    ini.SetAutoUpdate(false);
    ini.Loaded();
    const QFileInfo exe(QFileInfo("/proc/self/exe").symLinkTarget());
    EXPECT_EQ(ini.FileName(), exe.fileName() + ".ini");
    EXPECT_EQ(ini.IniFile().FileName(), exe.path() + "/" + exe.fileName() + ".ini");

    ini.SetFileName("Chosen.ini");
    ini.Loaded();
    EXPECT_EQ(ini.FileName(), "Chosen.ini");
}

TEST(ExIniFileConstruction, BaseDirectories)
{
    QTemporaryDir config;
    const QByteArray configPath = config.path().toUtf8();
    TEnvGuard xdg("XDG_CONFIG_HOME", &configPath);
    TExIniFile ini;
    ini.SetFileName("p.ini");
    ini.SetBaseDir(bdWindows);
    EXPECT_EQ(ini.IniFile().FileName(), "/etc/p.ini");
    ini.SetBaseDir(bdNone);
    EXPECT_EQ(ini.IniFile().FileName(), "p.ini");
    ini.SetBaseDir(bdAppData);
    EXPECT_EQ(ini.IniFile().FileName(), config.path() + "/p.ini");
    ini.SetFileName("sub/p.ini");
    EXPECT_EQ(ini.IniFile().FileName(), "sub/p.ini");

    const QByteArray home = "/home/someone";
    TEnvGuard noXdg("XDG_CONFIG_HOME", nullptr);
    TEnvGuard homeGuard("HOME", &home);
    ini.SetFileName("p.ini");
    EXPECT_EQ(ini.IniFile().FileName(), "/home/someone/.config/p.ini");

    TEnvGuard noHome("HOME", nullptr);
    EXPECT_THROW(ini.SetFileName("p.ini"), EIniFileError);
    EXPECT_EQ(ini.FileName(), "p.ini");
    EXPECT_THROW(ini.WriteInteger("S", "k", 1), EIniFileError);
}

TEST_F(ExIniFile, DoubleQuoteFence)
{
    Ini.SetFence(fcDoubleQuote);
    Ini.WriteString("S", "k", "abc");
    EXPECT_EQ(ReadBytes(Path), "[S]\r\nk=\"abc\"\r\n\r\n");
    EXPECT_EQ(Ini.ReadString("S", "k", "x"), "abc");
    EXPECT_EQ(Ini.ReadStr("S", "missing", "x"), "x");
    // The typed reads pass no fence yet lose the component's fence quotes.
    WriteBytes(Path, "[S]\nhex=\"0x1F\"\n");
    Reload();
    EXPECT_EQ(Ini.ReadHex("S", "hex", 0), 31);
}

TEST_F(ExIniFile, SingleAndNoFenceKeepOtherQuotes)
{
    WriteBytes(Path, "[S]\ndq=\"q\"\nsq='q'\nlone=\"\n");
    Reload();
    Ini.SetFence(fcSingleQuote);
    EXPECT_EQ(Ini.ReadString("S", "dq", ""), "\"q\"");
    EXPECT_EQ(Ini.ReadString("S", "sq", ""), "q");
    EXPECT_EQ(Ini.ReadString("S", "lone", ""), "\"");
    Ini.SetFence(fcNone);
    EXPECT_EQ(Ini.ReadString("S", "dq", ""), "\"q\"");
    EXPECT_EQ(Ini.ReadString("S", "sq", ""), "'q'");
}

TEST_F(ExIniFile, HexAndColour)
{
    Ini.WriteHex("S", "minus", -1);
    Ini.WriteColor("S", "face", clBtnFace);
    EXPECT_EQ(Ini.IniFile().ReadString("S", "minus", ""), "0xFFFFFFFF");
    EXPECT_EQ(Ini.IniFile().ReadString("S", "face", ""), "0xFF00000F");
    EXPECT_EQ(Ini.ReadHex("S", "minus", 0), -1);
    EXPECT_EQ(Ini.ReadColor("S", "face", 0), clBtnFace);
    EXPECT_EQ(Ini.ReadColor("S", "missing", clNone), clNone);

    WriteBytes(Path, "[S]\nlong=0x0000001F\nshort=0x1F\ntwelve=12\nword=0xZZ\n");
    Reload();
    EXPECT_EQ(Ini.ReadHex("S", "long", 0), 31);
    EXPECT_EQ(Ini.ReadHex("S", "short", 0), 31);
    EXPECT_THROW(Ini.ReadHex("S", "word", 0), EConvertError);
    try {
        Ini.ReadHex("S", "twelve", 0);
        FAIL() << "no conversion error";
    } catch (const EConvertError& e) {
        EXPECT_TRUE(QString::fromUtf8(e.what()).contains("'12'")) << e.what();
    }
}

TEST_F(ExIniFile, ShorterListLeavesOldItemsButReadsItsCount)
{
    Ini.WriteList("S", "Item", {"a", "b", "c"});
    Ini.WriteList("S", "Item", {"z"});
    QStringList keys;
    Ini.ReadSection("S", keys);
    EXPECT_EQ(keys, (QStringList{"Item.Count", "Item.0", "Item.1", "Item.2"}));
    EXPECT_EQ(Ini.ReadInteger("S", "Item.Count", 0), 1);

    QStringList list{"default0", "default1"};
    Ini.ReadList("S", "Item", list);
    EXPECT_EQ(list, QStringList{"z"});

    // Missing items take the given lines; a missing count keeps their number.
    QStringList fallback{"x", "y"};
    Ini.ReadList("S", "Other", fallback);
    EXPECT_EQ(fallback, (QStringList{"x", "y"}));
}

TEST_F(ExIniFile, ListReadsEveryItemUpToItsCount)
{
    WriteBytes(Path, "[S]\nItem.Count=3\nItem.2=c\n[L]\nLong.Count=4\nLong.0=a\n");
    Reload();
    QStringList list;
    Ini.ReadList("S", "Item", list);
    EXPECT_EQ(list, (QStringList{"", "", "c"}));
    list = QStringList{"x"};
    Ini.ReadList("S", "Item", list);
    EXPECT_EQ(list, (QStringList{"x", "", "c"}));
    list.clear();
    Ini.ReadList("L", "Long", list);
    EXPECT_EQ(list, (QStringList{"a", "", "", ""}));
}

TEST_F(ExIniFile, DamagedListCountIsBounded)
{
    WriteBytes(Path, "[S]\nItem.Count=2000000000\nItem.0=a\n");
    Reload();
    QStringList list;
    Ini.ReadList("S", "Item", list);
    ASSERT_LE(list.size(), 2);
    EXPECT_EQ(list[0], "a");
}

TEST_F(ExIniFile, FontRoundTripAndStoredStyle)
{
    TIniFont font;
    font.Name = "IPAPGothic";
    font.Size = 12;
    font.Style = TIniFont::fsUnderline;
    font.Color = clRed;
    Ini.WriteFont("S", "Title", font);
    EXPECT_EQ(ReadBytes(Path),
              "[S]\r\nTitle.Name=IPAPGothic\r\nTitle.Size=12\r\nTitle.Style=4\r\nTitle.Color=0x000000FF\r\n\r\n");

    WriteBytes(Path, "[S]\nF.Style=3\n");
    Reload();
    TIniFont read;
    read.Name = "Keep";
    read.Charset = 128;
    read.Pitch = 2;
    Ini.ReadFont("S", "F", read);
    EXPECT_EQ(read.Style, TIniFont::fsBold | TIniFont::fsItalic);
    EXPECT_EQ(read.Name, "Keep");
    EXPECT_EQ(read.Size, 8);
    EXPECT_EQ(read.Charset, 1);
    EXPECT_EQ(read.Pitch, 0);
}

TEST_F(ExIniFile, FormPlacementPositionAndSize)
{
    TFakeForm form;
    form.P = TWindowPlacement{0, 3, -1, -1, 100, 50, 900, 650};
    Ini.WriteForm("FORM", "Main", form);
    EXPECT_EQ(ReadBytes(Path), "[FORM]\r\nMain.Flags=0\r\nMain.Show=3\r\nMain.MaxX=-1\r\nMain.MaxY=-1\r\n"
                               "Main.X=100\r\nMain.Y=50\r\nMain.XSize=900\r\nMain.YSize=650\r\n\r\n");

    TFakeForm other;
    other.P = TWindowPlacement{0, 1, -1, -1, 1, 2, 3, 4};
    Ini.ReadForm("FORM", "Main", other);
    EXPECT_EQ(other.P, form.P);

    Ini.WriteFormPos("FORM", "POSITION", form);
    Ini.WriteFormSize("FORM", "POSITION", form);
    EXPECT_EQ(Ini.ReadInteger("FORM", "POSITION.X", 0), 10);
    EXPECT_EQ(Ini.ReadInteger("FORM", "POSITION.YSize", 0), 200);
    TFakeForm target;
    target.L = target.T = target.W = target.H = 0;
    Ini.DeleteKey("FORM", "POSITION.Y");
    Ini.ReadFormPos("FORM", "POSITION", target);
    Ini.ReadFormSize("FORM", "POSITION", target);
    EXPECT_EQ(target.L, 10);
    EXPECT_EQ(target.T, 0); // missing: the present value stays
    EXPECT_EQ(target.W, 300);
    EXPECT_EQ(target.H, 200);
}

TEST_F(ExIniFile, AutoUpdateOffKeepsChangesInMemoryUntilUpdateFile)
{
    Ini.SetAutoUpdate(false);
    Ini.WriteInteger("S", "k", 5);
    Ini.EraseSection("none");
    EXPECT_FALSE(QFile::exists(Path));
    Ini.UpdateFile();
    EXPECT_EQ(ReadBytes(Path), "[S]\r\nk=5\r\n\r\n");

    // A new binding drops what was not saved.
    Ini.WriteInteger("S", "k", 6);
    Reload();
    EXPECT_EQ(Ini.ReadInteger("S", "k", 0), 5);

    Ini.SetAutoUpdate(true);
    Ini.DeleteKey("S", "k");
    EXPECT_EQ(ReadBytes(Path), "[S]\r\n\r\n");
}

TEST_F(ExIniFile, CaseRuleBelongsToTheBinding)
{
    WriteBytes(Path, "[Style]\nName=Sky\n");
    Reload();
    EXPECT_TRUE(Ini.ValueExists("STYLE", "name"));
    Ini.SetCaseSensitive(true);
    EXPECT_TRUE(Ini.CaseSensitive());
    EXPECT_FALSE(Ini.ValueExists("STYLE", "name"));
    Reload();
    EXPECT_FALSE(Ini.CaseSensitive());
}

TEST_F(ExIniFile, FailedSaveRaisesAndKeepsTheChangeInMemory)
{
    // A parent that is a regular file fails even for root.
    const QString blocker = Dir.filePath("blocker");
    WriteBytes(blocker, "x");
    Ini.SetFileName(blocker + "/Plotvane.ini");
    try {
        Ini.WriteString("S", "k", "v");
        FAIL() << "no file error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Path(), blocker + "/Plotvane.ini");
        EXPECT_FALSE(e.Reason().isEmpty());
    }
    EXPECT_EQ(Ini.ReadString("S", "k", ""), "v");
    EXPECT_THROW(Ini.UpdateFile(), EIniFileError);
}

TEST_F(ExIniFile, ReadOnlyFolderSavesAWritableFileInPlace)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "root ignores folder and file permissions";
    WriteBytes(Path, "[S]\r\nk=old\r\n\r\n");
    Reload();
    const QString locked = Dir.filePath("locked.ini");
    const QByteArray lockedOld = "[S]\r\nk=locked\r\n\r\n";
    WriteBytes(locked, lockedOld);
    ASSERT_TRUE(QFile::setPermissions(locked, QFile::ReadOwner));
    ASSERT_TRUE(QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::ExeOwner));

    // No temporary file can be made beside it, so the file is written directly.
    Ini.WriteString("S", "k", "new");
    EXPECT_EQ(ReadBytes(Path), "[S]\r\nk=new\r\n\r\n");

    // A read-only file, or a new one in that folder, is refused and left alone.
    Ini.SetFileName(locked);
    EXPECT_THROW(Ini.WriteString("S", "k", "new"), EIniFileError);
    Ini.SetFileName(Dir.filePath("new.ini"));
    try {
        Ini.WriteString("S", "k", "new");
        ADD_FAILURE() << "no file error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Reason(), QString::fromLocal8Bit(strerror(EACCES)));
    }
    QFile::setPermissions(Dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(ReadBytes(locked), lockedOld);
    EXPECT_FALSE(QFile::exists(Dir.filePath("new.ini")));
}

TEST_F(ExIniFile, FailedSavesGiveTheSystemsReasonAndKeepTheOldFile)
{
    const QByteArray old = "[S]\r\nk=old\r\n\r\n";
    WriteBytes(Path, old);
    Reload();
    const QString longValue(200, u'v');
    QString reason;
    {
        // The buffered bytes only fail once they reach the disk.
        TFileSizeLimit limit(64);
        try {
            Ini.WriteString("S", "k", longValue);
        } catch (const EIniFileError& e) {
            reason = e.Reason();
        }
    }
    EXPECT_EQ(reason, QString::fromLocal8Bit(strerror(EFBIG)));
    EXPECT_EQ(ReadBytes(Path), old);
    EXPECT_EQ(Ini.ReadString("S", "k", ""), longValue);

    Ini.SetFileName(Dir.filePath("missing/Plotvane.ini"));
    try {
        Ini.WriteString("S", "k", "v");
        ADD_FAILURE() << "no file error";
    } catch (const EIniFileError& e) {
        EXPECT_EQ(e.Reason(), QString::fromLocal8Bit(strerror(ENOENT)));
    }
}

TEST_F(ExIniFile, UnreadableFileIsNeverOverwritten)
{
    {
        QFile file(Path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(TIniDocument::MaxFileSize + 1));
    }
    EXPECT_THROW(Reload(), EIniFileError);
    EXPECT_EQ(Ini.ReadInteger("S", "k", 42), 42);
    EXPECT_THROW(Ini.WriteInteger("S", "k", 1), EIniFileError);
    EXPECT_EQ(QFileInfo(Path).size(), TIniDocument::MaxFileSize + 1);
}

TEST_F(ExIniFile, SectionQueriesAndOtherTypes)
{
    Ini.WriteBool("A", "b", true);
    Ini.WriteFloat("A", "f", 2.5);
    Ini.WriteDateTime("A", "when", 45000.75);
    TByteStream bytes{QByteArray("\x01\x02", 2), 0};
    Ini.WriteBinaryStream("B", "bin", bytes);
    Reload();
    EXPECT_TRUE(Ini.ReadBool("A", "b", false));
    EXPECT_EQ(Ini.ReadFloat("A", "f", 0), 2.5);
    EXPECT_NEAR(Ini.ReadDateTime("A", "when", 0), 45000.75, 1e-9);
    EXPECT_EQ(Ini.ReadDate("A", "when", -1), -1); // a date-time is not a date alone
    TByteStream in;
    EXPECT_EQ(Ini.ReadBinaryStream("B", "bin", in), 2);
    EXPECT_EQ(in.Bytes, QByteArray("\x01\x02", 2));

    QStringList strings;
    Ini.ReadSections(strings);
    EXPECT_EQ(strings, (QStringList{"A", "B"}));
    Ini.ReadSectionValues("B", strings);
    EXPECT_EQ(strings, QStringList{"bin=0102"});
    Ini.ReadSection("missing", strings);
    EXPECT_TRUE(strings.isEmpty());
    EXPECT_TRUE(Ini.SectionExists("a"));
    Ini.EraseSection("A");
    EXPECT_FALSE(Ini.SectionExists("A"));
    EXPECT_FALSE(ReadBytes(Path).contains("[A]"));
}
