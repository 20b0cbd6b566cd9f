#include "IniFile.h"
#include "TempDir.h"

#include <QFile>

#include <gtest/gtest.h>

#include <stdexcept>
#include <sys/stat.h>

namespace {

// The bytes of old and new differ only inside one line of old (an insertion counts too): the
// common prefix and suffix cover everything else.
bool OnlyOneLineDiffers(const QByteArray &oldBytes, const QByteArray &newBytes)
{
    qsizetype p = 0;
    const qsizetype n = qMin(oldBytes.size(), newBytes.size());
    while (p < n && oldBytes[p] == newBytes[p])
        ++p;
    qsizetype s = 0;
    while (s < n - p && oldBytes[oldBytes.size() - 1 - s] == newBytes[newBytes.size() - 1 - s])
        ++s;
    return !oldBytes.mid(p, oldBytes.size() - s - p).contains('\n');
}

class IniFileTest : public ::testing::Test
{
protected:
    TempDir dir;
    QString path = dir.file(QStringLiteral("settings.ini"));
    TIniFile ini{path};

    void Put(const QByteArray &bytes) { dir.write(QStringLiteral("settings.ini"), bytes); }
    QByteArray Get() const { return dir.read(QStringLiteral("settings.ini")); }
};

TEST_F(IniFileTest, MissingFileReadsDefaultsAndFirstWriteCreatesIt)
{
    EXPECT_EQ(ini.ReadString("MainForm", "Face", "Arial"), "Arial");
    EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 800), 800);
    EXPECT_TRUE(ini.ReadSection("MainForm").isEmpty());
    EXPECT_FALSE(QFile::exists(path));
    ini.WriteInteger("MainForm", "Width", 640);
    EXPECT_EQ(Get(), "[MainForm]\nWidth=640\n");
    EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 800), 640);
}

TEST_F(IniFileTest, IntegersDecimalAndHexadecimal)
{
    Put("[A]\nyes=yes\nzero=0x0\nhex=0x400\nHEX=0X1f\nneg=-12\nplus=+7\nempty=\nbare=0x\n"
        "color=0xFF000008\nbig=2147483648\nmin=-2147483648\ntrail=12abc\nspaced=  42  \n");
    EXPECT_EQ(ini.ReadInteger("A", "yes", 5), 5);
    EXPECT_EQ(ini.ReadInteger("A", "zero", 5), 0);
    EXPECT_EQ(ini.ReadInteger("A", "hex", 5), 1024);
    EXPECT_EQ(ini.ReadInteger("A", "neg", 5), -12);
    EXPECT_EQ(ini.ReadInteger("A", "plus", 5), 7);
    EXPECT_EQ(ini.ReadInteger("A", "empty", 5), 5);
    EXPECT_EQ(ini.ReadInteger("A", "bare", 5), 5);
    EXPECT_EQ(ini.ReadInteger("A", "color", 5), -16777208);
    EXPECT_EQ(ini.ReadInteger("A", "big", 5), 5);
    EXPECT_EQ(ini.ReadInteger("A", "min", 5), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("A", "trail", 5), 5);
    EXPECT_EQ(ini.ReadInteger("A", "spaced", 5), 42);
    EXPECT_TRUE(ini.ReadBool("A", "yes", true));
    EXPECT_FALSE(ini.ReadBool("A", "yes", false));
    EXPECT_FALSE(ini.ReadBool("A", "zero", true));
    EXPECT_TRUE(ini.ReadBool("A", "hex", false));
}

TEST_F(IniFileTest, NamesMatchWithoutRegardToCase)
{
    Put("[mainFORM]\nWIDTH=300\n[Caf\xc3\xa9]\n\xc3\x89t\xc3\xa9=summer\n");
    EXPECT_EQ(ini.ReadInteger("MainForm", "width", 0), 300);
    EXPECT_EQ(ini.ReadString("CAF\xc3\x89", "\xc3\xa9T\xc3\x89", ""), "summer");
    ini.WriteInteger("MAINFORM", "Width", 301);
    // The key keeps its spelling in the file; only the value changes.
    EXPECT_EQ(Get(), "[mainFORM]\nWIDTH=301\n[Caf\xc3\xa9]\n\xc3\x89t\xc3\xa9=summer\n");
}

TEST_F(IniFileTest, NonAsciiNamesFoldByUnicode)
{
    // U+212A KELVIN SIGN folds to "k"; bytes that are not UTF-8 match only themselves.
    Put("[S]\nk=1\n\xe2\x84\xaa=2\n\xff=3\n\xfe=4\n");
    EXPECT_EQ(ini.ReadString("S", QString(QChar(0x212A)), ""), "1");
    EXPECT_EQ(ini.ReadSection("S").size(), 3);
    EXPECT_EQ(ini.ReadSectionValues("S").first(), "k=1");
}

TEST_F(IniFileTest, EntriesKeepFileOrderAndFirstDuplicateWins)
{
    Put("[S]\nzeta=1\nalpha=2\nZETA=3\nmid=4\n");
    EXPECT_EQ(ini.ReadSection("S"), QStringList({"zeta", "alpha", "mid"}));
    EXPECT_EQ(ini.ReadSectionValues("S"), QStringList({"zeta=1", "alpha=2", "mid=4"}));
    EXPECT_EQ(ini.ReadString("S", "Zeta", ""), "1");
    ini.WriteString("S", "zeta", "9");
    EXPECT_EQ(Get(), "[S]\nzeta=9\nalpha=2\nZETA=3\nmid=4\n");
}

TEST_F(IniFileTest, OnlyTheFirstSectionOfANameIsRead)
{
    Put("[S]\na=1\n[T]\nx=0\n[s]\nb=2\n");
    EXPECT_EQ(ini.ReadSection("S"), QStringList({"a"}));
    EXPECT_EQ(ini.ReadString("S", "b", "none"), "none");
    ini.EraseSection("S");
    EXPECT_EQ(Get(), "[T]\nx=0\n");
}

TEST_F(IniFileTest, ValuesAreTrimmedAndCutAt2047Bytes)
{
    const QByteArray longValue(3000, 'v');
    Put("[S]\n  key  =  spaced value \t\nlong=" + longValue + "\n");
    EXPECT_EQ(ini.ReadString("S", "KEY", ""), "spaced value");
    EXPECT_EQ(ini.ReadString("S", "long", "").size(), 2047);
    // A cut never splits a UTF-8 sequence: 2046 ASCII bytes then a two-byte letter.
    Put("[S]\nu=" + QByteArray(2046, 'a') + "\xc3\xa9tail\n");
    EXPECT_EQ(ini.ReadString("S", "u", ""), QString(2046, u'a'));
}

TEST_F(IniFileTest, KeysBeyondThe16384ByteBudgetAreNotListed)
{
    // Each key of 99 bytes takes 100 bytes of the budget; with the final NUL 163 fit.
    QByteArray bytes = "[Big]\n";
    for (int i = 0; i < 200; ++i)
        bytes += QByteArray::number(100 + i) + QByteArray(96, 'k') + "=v\n";
    Put(bytes);
    const QStringList keys = ini.ReadSection("Big");
    EXPECT_EQ(keys.size(), 163);
    EXPECT_EQ(ini.ReadSectionValues("Big").size(), 163);
    // Reading a key directly has no such limit.
    EXPECT_EQ(ini.ReadString("Big", "299" + QString(96, u'k'), ""), "v");
}

TEST_F(IniFileTest, WritesAppendKeysAndSections)
{
    Put("; header comment\n[S]\na=1\n\n[T]\nx=0");
    ini.WriteString("S", "b", "2");
    EXPECT_EQ(Get(), "; header comment\n[S]\na=1\nb=2\n\n[T]\nx=0");
    ini.WriteString("T", "y", "1");
    EXPECT_EQ(Get(), "; header comment\n[S]\na=1\nb=2\n\n[T]\nx=0\ny=1\n");
    ini.WriteString("New", "k", "v");
    EXPECT_EQ(Get(), "; header comment\n[S]\na=1\nb=2\n\n[T]\nx=0\ny=1\n[New]\nk=v\n");
}

TEST_F(IniFileTest, ByteOrderMarkIsSkippedAndKept)
{
    Put("\xef\xbb\xbf[MainForm]\nWidth=700\n[X]\nx=1\n");
    EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 0), 700);
    ini.EraseSection("MainForm");
    EXPECT_EQ(Get(), "\xef\xbb\xbf[X]\nx=1\n");
}

TEST_F(IniFileTest, CrLfFilesGetCrLfLines)
{
    Put("[S]\r\na=1\r\n");
    ini.WriteString("S", "a", "22");
    ini.WriteString("S", "b", "3");
    ini.WriteString("U", "c", "4");
    EXPECT_EQ(Get(), "[S]\r\na=22\r\nb=3\r\n[U]\r\nc=4\r\n");
    EXPECT_EQ(ini.ReadString("S", "a", ""), "22");
}

TEST_F(IniFileTest, ValuesCannotBreakTheLine)
{
    ini.WriteString("S", "a", "one\ntwo\r\n[Evil]\nk=v");
    EXPECT_FALSE(ini.SectionExists("Evil"));
    EXPECT_EQ(ini.ReadSection("S"), QStringList({"a"}));
}

TEST_F(IniFileTest, DeleteKeyAndEraseSection)
{
    Put("[S]\n;c\na=1\nb=2\nA=3\n\n[T]\nx=1\n");
    ini.DeleteKey("S", "a");
    EXPECT_EQ(Get(), "[S]\n;c\nb=2\n\n[T]\nx=1\n");
    ini.EraseSection("s");
    EXPECT_EQ(Get(), "\n[T]\nx=1\n");
    EXPECT_FALSE(ini.SectionExists("S"));
    EXPECT_TRUE(ini.SectionExists("T"));
}

TEST_F(IniFileTest, ReplaceSectionKeepsItsPlace)
{
    Put("[A]\na=1\n\n[H]\nold=\n;note\n\n[Z]\nz=1\n");
    ini.ReplaceSection("H", {"n1", "n2", "N1"}, {"x", "y", "z"});
    EXPECT_EQ(Get(), "[A]\na=1\n\n[H]\nn1=z\nn2=y\n\n[Z]\nz=1\n");
    ini.ReplaceSection("H", {}, {});
    EXPECT_EQ(Get(), "[A]\na=1\n\n\n[Z]\nz=1\n");
    ini.ReplaceSection("H", {"k"}, {""});
    EXPECT_EQ(Get(), "[A]\na=1\n\n\n[Z]\nz=1\n[H]\nk=\n");
}

TEST_F(IniFileTest, JunkIsReadAsDefaultsAndSurvivesWritesByteForByte)
{
    QByteArray junk;
    junk += "\xef\xbb\xbf; BOM and comment\n";
    junk += "garbage without equals\n";
    junk += "[MainForm]\n";
    junk += "ShowRhymes=yes\n";
    junk += "no equals sign here\n";
    static const char binary[] = "bin\x00\x01\xff\xfe=\x80\x81\n";
    junk += QByteArray(binary, sizeof binary - 1);
    junk += "Width=0x400\n";
    junk += "width=999\n";
    junk += "Height=\xff\xfe\xfd\n";
    junk += "Long=" + QByteArray(1 << 20, 'L') + "\n";
    junk += "[Unknown Section]\nfoo=bar\n\xc3(invalid utf8\xa0\xa1=\xe2\x28\xa1\n";
    junk += "[broken header\n";
    junk += "=no key\n";
    junk += "tail without newline";
    Put(junk);

    EXPECT_TRUE(ini.ReadBool("MainForm", "ShowRhymes", true));
    EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 800), 1024);
    EXPECT_EQ(ini.ReadInteger("MainForm", "Height", 600), 600);
    EXPECT_EQ(ini.ReadString("MainForm", "Long", "").size(), 2047);
    EXPECT_EQ(ini.ReadString("Unknown Section", "foo", ""), "bar");

    // Updating one key changes only the bytes of its line.
    ini.WriteInteger("MainForm", "Height", 480);
    QByteArray after = Get();
    EXPECT_TRUE(OnlyOneLineDiffers(junk, after));
    QByteArray expected = junk;
    expected.replace("Height=\xff\xfe\xfd\n", "Height=480\n");
    EXPECT_EQ(after, expected);
    EXPECT_EQ(ini.ReadInteger("MainForm", "Height", 600), 480);

    // A new key of an existing section is one inserted line.
    ini.WriteBool("MainForm", "Maximized", true);
    const QByteArray after2 = Get();
    EXPECT_TRUE(OnlyOneLineDiffers(after, after2));
    EXPECT_EQ(after2.size(), after.size() + qsizetype(strlen("Maximized=1\n")));

    // A new section goes at the end; the tail keeps its bytes and gets a line ending.
    ini.WriteString("Fresh", "k", "v");
    const QByteArray after3 = Get();
    EXPECT_TRUE(after3.startsWith(after2));
    EXPECT_EQ(after3.mid(after2.size()), "\n[Fresh]\nk=v\n");
}

TEST_F(IniFileTest, BinaryFilesDoNotCrash)
{
    QByteArray bytes;
    for (int i = 0; i < 100000; ++i)
        bytes.append(char((i * 7919) & 0xff));
    Put(bytes);
    EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 800), 800);
    (void)ini.ReadSection("MainForm");
    ini.WriteInteger("MainForm", "Width", 1);
    EXPECT_EQ(ini.ReadInteger("MainForm", "Width", 800), 1);
}

TEST_F(IniFileTest, RefusedWriteThrowsWithThePath)
{
    // The parent of the file is a regular file: no one, not even root, can create it.
    dir.write(QStringLiteral("notadir"), "x");
    const QString bad = dir.file(QStringLiteral("notadir/settings.ini"));
    TIniFile refused(bad);
    EXPECT_EQ(refused.ReadInteger("MainForm", "Width", 800), 800);
    try {
        refused.WriteInteger("MainForm", "Width", 1);
        FAIL() << "no exception";
    } catch (const std::runtime_error &e) {
        EXPECT_EQ(std::string(e.what()), ("Unable to write to " + bad).toStdString());
    }
}

TEST_F(IniFileTest, EveryKeyReadsBackExactly)
{
    struct TCase
    {
        QString key;
        const char *line; // as the file holds it; nullptr: quoted, any escape will do
    };
    const TCase cases[] = {
        // Keys a line holds as they stand keep their bytes.
        {"Wikipedia", "Wikipedia=v"},
        {"/home/poet/My Songs/100%.txt", "/home/poet/My Songs/100%.txt=v"},
        {"\"quoted\"", "\"quoted\"=v"},
        {"a\\b", "a\\b=v"},
        {"mid[dle];x", "mid[dle];x=v"},
        {QString::fromUtf8("Caf\xc3\xa9 \xe8\xa9\xa9"), "Caf\xc3\xa9 \xe8\xa9\xa9=v"},
        {QString::fromUtf8("\xc2\xa0no-break space\xc2\xa0"), "\xc2\xa0no-break space\xc2\xa0=v"},
        {"mid\rreturn", "mid\rreturn=v"},
        // Keys it cannot.
        {"/home/poet/x=y.txt", nullptr},
        {"[x]y", nullptr},
        {"[P]", nullptr},
        {";not a comment", nullptr},
        {" leading", nullptr},
        {"trailing ", nullptr},
        {"\ttab", nullptr},
        {"two\nlines\r", nullptr},
        {"\rreturn", nullptr},
        {QChar(0xFEFF) + QString("mark"), nullptr}, // a byte-order mark in front
        {"=", nullptr},
        // What a quoted key of the ones above looks like, as a key of its own.
        {"\"[x]y\"", nullptr},
        {"\"\\3D\"", nullptr},
    };
    QStringList keys;
    for (const TCase &c : cases) {
        ini.WriteString("S", c.key, "v");
        keys << c.key;
    }
    ini.WriteString("After", "k", "1");
    EXPECT_EQ(ini.ReadSection("S"), keys);
    QStringList names, values;
    ini.ReadSectionPairs("S", names, values);
    EXPECT_EQ(names, keys);
    const QList<QByteArray> lines = Get().split('\n');
    ASSERT_GE(lines.size(), qsizetype(std::size(cases)) + 1);
    for (qsizetype i = 0; i < qsizetype(std::size(cases)); ++i) {
        const TCase &c = cases[i];
        SCOPED_TRACE(c.key.toStdString());
        EXPECT_EQ(ini.ReadString("S", c.key, "absent"), "v");
        if (c.line)
            EXPECT_EQ(lines[i + 1], c.line);
        else
            EXPECT_TRUE(lines[i + 1].startsWith('"')) << lines[i + 1].toStdString();
    }
    EXPECT_EQ(ini.ReadSection("After"), QStringList({"k"})) << "a key opened no section";
    // Rewritten and removed by the same key.
    ini.WriteString("S", "[x]y", "w");
    EXPECT_EQ(ini.ReadString("S", "[x]y", ""), "w");
    EXPECT_EQ(ini.ReadSection("S"), keys);
    ini.DeleteKey("S", "/home/poet/x=y.txt");
    EXPECT_FALSE(ini.ReadSection("S").contains("/home/poet/x=y.txt"));
    EXPECT_EQ(ini.ReadString("S", "/home/poet/x", "absent"), "absent");
    // A hand-made line of nothing but quotes is a key like any other.
    const QByteArray quotes(200000, '"');
    Put("[Q]\n" + quotes + "=1\n");
    EXPECT_EQ(ini.ReadString("Q", QString::fromLatin1(quotes), ""), "1");
}

TEST_F(IniFileTest, KeyListsKeepKeysThatDifferOnlyInCase)
{
    const QStringList paths = {"/d/a.txt", "/d/A.txt", "/d/b.txt ", "/d/x=y.txt", "/d/a.txt"};
    ini.WriteKeyList("FileHistory", paths);
    EXPECT_EQ(ini.ReadKeyList("FileHistory"),
              QStringList({"/d/a.txt", "/d/A.txt", "/d/b.txt ", "/d/x=y.txt"}));
    ini.WriteKeyList("FileHistory", {});
    EXPECT_FALSE(ini.SectionExists("FileHistory"));
}

TEST_F(IniFileTest, WritesThatChangeNothingLeaveTheFileAlone)
{
    const auto inode = [this] {
        struct stat info = {};
        return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : ino_t(0);
    };
    ini.EraseSection("S");
    ini.DeleteKey("S", "k");
    ini.WriteKeyList("L", {});
    ini.ReplaceSection("P", {}, {});
    EXPECT_FALSE(QFile::exists(path)) << "nothing to remove created the file";

    Put("[S]\nk=1\nb=0\n[Font]\nFace=Arial\nSize=10\n[L]\n/a=\n/A=\n[P]\nn=v\n");
    const QByteArray before = Get();
    const ino_t original = inode();
    ini.WriteString("S", "k", "1");
    ini.WriteBool("s", "B", false);
    ini.WriteStrings("Font", {"Face", "Size"}, {"Arial", "10"});
    ini.WriteKeyList("L", {"/a", "/A"});
    ini.ReplaceSection("P", {"n"}, {"v"});
    ini.DeleteKey("S", "missing");
    ini.EraseSection("Missing");
    EXPECT_EQ(Get(), before);
    EXPECT_EQ(inode(), original) << "the file was written again";
    ini.WriteString("S", "k", "2");
    EXPECT_NE(inode(), original);
}

TEST_F(IniFileTest, ReadsTheSeedUntilTheFirstWrite)
{
    const QString seed = dir.write("shipped.ini", "[MainForm]\nWidth=700\n");
    const QString own = dir.file("user/config/settings.ini");
    TIniFile user(own, seed);
    EXPECT_EQ(user.ReadInteger("MainForm", "Width", 0), 700);
    user.WriteInteger("MainForm", "Width", 700);
    EXPECT_FALSE(QFile::exists(own)) << "an unchanged value made the user's file";
    user.WriteInteger("MainForm", "Height", 500);
    EXPECT_EQ(dir.read("user/config/settings.ini"), "[MainForm]\nWidth=700\nHeight=500\n");
    EXPECT_EQ(dir.read("shipped.ini"), "[MainForm]\nWidth=700\n");
    dir.write("shipped.ini", "[MainForm]\nWidth=1\n");
    EXPECT_EQ(user.ReadInteger("MainForm", "Width", 0), 700) << "the user's file wins once made";
}

TEST(IniFileParse, ParseInteger)
{
    int v = 0;
    EXPECT_TRUE(TIniFile::ParseInteger("2628", v));
    EXPECT_EQ(v, 2628);
    EXPECT_TRUE(TIniFile::ParseInteger("0xffffffff", v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(TIniFile::ParseInteger("-0x10", v));
    EXPECT_EQ(v, -16);
    EXPECT_FALSE(TIniFile::ParseInteger("0x100000000", v));
    EXPECT_FALSE(TIniFile::ParseInteger("abc", v));
    EXPECT_FALSE(TIniFile::ParseInteger("", v));
    EXPECT_FALSE(TIniFile::ParseInteger("-", v));
    EXPECT_FALSE(TIniFile::ParseInteger("1 2", v));
    EXPECT_FALSE(TIniFile::ParseInteger("\xd9\xa3", v)); // no digits of other scripts
}

} // namespace
