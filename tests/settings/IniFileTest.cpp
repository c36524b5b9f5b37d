#include "settings/IniFile.h"
#include "settings/Error.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace lw;
using lw::test::TempDir;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    IniFile ini() const { return IniFile(dir.file("lw.ini")); }
    void put(const QByteArray& bytes) const { dir.write("lw.ini", bytes); }
    QByteArray contents() const { return dir.read("lw.ini"); }

    TempDir dir;
};

const QByteArray kSample = "; Lockwell settings\n"
                           "[Options]\n"
                           "maximized = 1\n"
                           "WARN=0\n"
                           "\n"
                           "[Generator]\n"
                           "Length=12\n";

struct ReadCase {
    const char* name;
    QByteArray file;
    const char* section;
    const char* key;
    int def;
    int expectInt;
    bool defBool;
    bool expectBool;
};

class IniReadTest : public IniFileTest, public ::testing::WithParamInterface<ReadCase> { };

TEST_P(IniReadTest, ReadsValueOrCallersDefault)
{
    const ReadCase& c = GetParam();
    put(c.file);
    EXPECT_EQ(ini().readInt(c.section, c.key, c.def), c.expectInt);
    EXPECT_EQ(ini().readBool(c.section, c.key, c.defBool), c.expectBool);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IniReadTest,
    ::testing::Values(ReadCase{"NamesIgnoreCase", kSample, "options", "MAXIMIZED", 7, 1, false, true},
                      ReadCase{"TwoIsTrue", "[A]\nk=2\n", "A", "k", 7, 2, false, true},
                      ReadCase{"ZeroIsFalse", "[A]\nk=0\n", "A", "k", 7, 0, true, false},
                      ReadCase{"NegativeIsTrue", "[A]\nk=-3\n", "A", "k", 7, -3, false, true},
                      ReadCase{"WordReadsDefault", "[A]\nk=yes\n", "A", "k", 7, 7, true, true},
                      ReadCase{"WordReadsDefaultFalse", "[A]\nk=true\n", "A", "k", 7, 7, false, false},
                      ReadCase{"TrailingGarbage", "[A]\nk=12abc\n", "A", "k", 7, 7, false, false},
                      ReadCase{"EmptyValue", "[A]\nk=\n", "A", "k", 7, 7, true, true},
                      ReadCase{"AbsentKey", kSample, "Options", "screenpos", 7, 7, true, true},
                      ReadCase{"KeyOfOtherSection", kSample, "Options", "Length", 7, 7, false, false},
                      ReadCase{"KeyBeforeAnySection", "k=5\n[A]\n", "A", "k", 7, 7, false, false},
                      ReadCase{"FirstOfTwoWins", "[A]\nk=1\nk=9\n", "A", "k", 7, 1, false, true},
                      ReadCase{"CommentedOut", "[A]\n;k=5\n", "A", "k", 7, 7, false, false},
                      ReadCase{"CrLfAndBlanks", "[A]\r\n  k =  42  \r\n", "A", "k", 7, 42, false, true},
                      ReadCase{"NoFinalLineEnd", "[A]\nk=3", "A", "k", 7, 3, false, true},
                      ReadCase{"ByteOrderMark", "\xEF\xBB\xBF[A]\nk=4\n", "A", "k", 7, 4, false, true},
                      ReadCase{"NulBytes", QByteArray("[A]\n\0\0k=5\n\0", 11), "A", "k", 7, 7, true, true},
                      ReadCase{"RandomBytes", lw::test::randomBytes(4096, 3), "A", "k", 7, 7, true, true},
                      ReadCase{"HugeLine", "[A]\n" + QByteArray((1 << 20) - 64, 'x') + "\nk=8\n", "A", "k", 7, 8, false,
                               true}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST_F(IniFileTest, MissingOrUnreadableFileReadsDefaults)
{
    EXPECT_EQ(ini().readString("Backup", "dir", "ERROR"), "ERROR");
    EXPECT_FALSE(dir.exists("lw.ini"));

    QDir(dir.path()).mkdir("lw.ini"); // a folder where the file should be
    EXPECT_EQ(ini().readInt("Backup", "count", -1), -1);
    EXPECT_TRUE(ini().readBool("Backup", "Confirmation", true));
}

TEST_F(IniFileTest, ReadsStringsAsWritten)
{
    put("[SearchDir]\ndir=/home/ann/My Files = old\n");
    EXPECT_EQ(ini().readString("searchdir", "DIR", "ERROR"), "/home/ann/My Files = old");
}

TEST_F(IniFileTest, ReplacingAKeyKeepsEveryOtherLine)
{
    put(kSample);
    IniFile f = ini();
    f.writeBool("OPTIONS", "Maximized", false);
    f.writeInt("generator", "length", 99);
    EXPECT_EQ(contents(), "; Lockwell settings\n"
                          "[Options]\n"
                          "maximized = 0\n"
                          "WARN=0\n"
                          "\n"
                          "[Generator]\n"
                          "Length=99\n");
}

TEST_F(IniFileTest, NewKeyGoesToTheEndOfItsSection)
{
    put(kSample);
    ini().writeBool("Options", "screenpos", true);
    EXPECT_EQ(contents(), "; Lockwell settings\n"
                          "[Options]\n"
                          "maximized = 1\n"
                          "WARN=0\n"
                          "screenpos=1\n"
                          "\n"
                          "[Generator]\n"
                          "Length=12\n");
}

TEST_F(IniFileTest, CreatesFileAndSectionWhenMissing)
{
    IniFile f = ini();
    f.writeString("Backup", "mode", "YES");
    f.writeInt("Backup", "count", 1);
    f.writeString("PrintOptions", "title", QString::fromUtf8("Caf\u00e9"));
    EXPECT_EQ(contents(), "[Backup]\nmode=YES\ncount=1\n[PrintOptions]\ntitle=Caf\xC3\xA9\n");
    EXPECT_EQ(f.readString("PrintOptions", "title", ""), QString::fromUtf8("Caf\u00e9"));
}

TEST_F(IniFileTest, KeepsTheFilesLineEnds)
{
    put("[A]\r\nx=1\r\n[B]\r\ny=2");
    IniFile f = ini();
    f.writeInt("A", "z", 3);
    f.writeInt("B", "w", 4);
    f.writeInt("C", "v", 5);
    EXPECT_EQ(contents(), "[A]\r\nx=1\r\nz=3\r\n[B]\r\ny=2\r\nw=4\r\n[C]\r\nv=5\r\n");
}

TEST_F(IniFileTest, WriteIntoDamagedFileKeepsItsBytes)
{
    const QByteArray junk = lw::test::randomBytes(2000, 11).replace('[', 'x');
    put(junk);
    ini().writeInt("Backup", "count", 2);
    EXPECT_TRUE(contents().startsWith(junk));
    EXPECT_EQ(ini().readInt("Backup", "count", -1), 2);
}

TEST_F(IniFileTest, EveryReadSeesTheFileAsItIsNow)
{
    IniFile f = ini();
    f.writeInt("Backup", "count", 4);
    EXPECT_EQ(f.readInt("Backup", "count", -1), 4);
    put("[Backup]\ncount=9\n"); // changed behind the object's back
    EXPECT_EQ(f.readInt("Backup", "count", -1), 9);
}

TEST_F(IniFileTest, FailedWriteThrowsAndKeepsTheOldFile)
{
    put(kSample);
    EXPECT_THROW(ini().writeString("PrintOptions", "title", "two\nlines"), Error);
    EXPECT_EQ(contents(), kSample);

    IniFile nowhere(dir.file("missing/lw.ini"));
    EXPECT_THROW(nowhere.writeBool("Options", "warn", true), Error);

    QDir(dir.path()).mkdir("folder.ini");
    IniFile folder(dir.file("folder.ini"));
    EXPECT_THROW(folder.writeBool("Options", "warn", true), Error);
}

} // namespace
