// The settings file under faults: a full disk, special files in its place,
// and the permissions it is written with.
#include "settings/Error.h"
#include "settings/IniFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lw;
using lw::test::TempDir;

namespace {

// 150 bytes of settings, as a user's file holds after some use.
const QByteArray kSettings = "[Options]\nscreenpos=1\nscreenleft=10\nscreentop=20\n"
                             "[Backup]\ndir=/home/ann/backup\nmode=YES\ninterval=3\ncount=2\n"
                             "[Generator]\nLength=12\nSpecial=1\nCase=1\n";

class SettingsFaultTest : public ::testing::Test {
protected:
    QString path() const { return dir.file("lw.ini"); }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::System | QDir::Hidden); }
    static mode_t modeOf(const QString& p)
    {
        struct stat st { };
        ::lstat(QFile::encodeName(p).constData(), &st);
        return st.st_mode;
    }

    TempDir dir;
};

TEST_F(SettingsFaultTest, AWriteOnAFullDiskKeepsTheOldFileAndSaysWhy)
{
    dir.write("lw.ini", kSettings);
    IniFile ini(path());
    try {
        test::FileSizeLimit full(17);
        ini.writeBool("Options", "Editing", true);
        ADD_FAILURE() << "the write reported success";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("The disk is full")) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(path())) << e.message().toStdString();
    }
    EXPECT_EQ(dir.read("lw.ini"), kSettings);
    EXPECT_EQ(files(), QStringList{"lw.ini"});
}

TEST_F(SettingsFaultTest, NewFilesAreTheOwnersOnlyAndRewrittenFilesKeepTheirMode)
{
    const mode_t oldMask = ::umask(0);
    IniFile(path()).writeInt("Backup", "count", 1);
    EXPECT_EQ(modeOf(path()) & 07777, 0600u);

    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0640), 0);
    IniFile(path()).writeInt("Backup", "count", 2);
    EXPECT_EQ(modeOf(path()) & 07777, 0640u);
    ::umask(oldMask);
}

TEST_F(SettingsFaultTest, APipeInPlaceOfTheFileReadsAsEmptyAndIsNeverWrittenThrough)
{
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0600), 0);
    IniFile ini(path());
    EXPECT_EQ(ini.readInt("Options", "screenwidth", 640), 640); // returns at once
    EXPECT_THROW(ini.writeInt("Options", "screenwidth", 1), Error);
    EXPECT_TRUE(S_ISFIFO(modeOf(path())));
    EXPECT_EQ(files(), QStringList{"lw.ini"});
}

TEST_F(SettingsFaultTest, ALinkToADeviceReadsAsEmptyAndStaysALink)
{
    ASSERT_TRUE(QFile::link("/dev/zero", path()));
    IniFile ini(path());
    EXPECT_EQ(ini.readString("Backup", "dir", "ERROR"), "ERROR");
    EXPECT_THROW(ini.writeString("Backup", "dir", "/tmp"), Error);
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(QFileInfo(path()).symLinkTarget(), "/dev/zero");
}

TEST_F(SettingsFaultTest, ALinkToARegularFileIsWrittenThroughAndStays)
{
    dir.write("real.ini", kSettings);
    ASSERT_TRUE(QFile::link(dir.file("real.ini"), path()));
    IniFile(path()).writeInt("Backup", "count", 3);
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(IniFile(dir.file("real.ini")).readInt("Backup", "count", -1), 3);
}

TEST_F(SettingsFaultTest, OnlyTheFirstMebibyteIsReadAndALargerFileIsNotRewritten)
{
    const QByteArray big = "[A]\nk=5\n" + QByteArray(1 << 20, 'x') + "\n[B]\nk=6\n";
    dir.write("lw.ini", big);
    IniFile ini(path());
    EXPECT_EQ(ini.readInt("A", "k", 0), 5);
    EXPECT_EQ(ini.readInt("B", "k", 0), 0);
    EXPECT_THROW(ini.writeInt("A", "k", 7), Error);
    EXPECT_EQ(dir.read("lw.ini"), big);
}

TEST_F(SettingsFaultTest, TheNextWriteRemovesWhatAKilledWriteLeft)
{
    dir.write("lw.ini", kSettings);
    dir.write("lw.ini.~dead1234", "half a settings fi");
    IniFile(path()).writeInt("Backup", "count", 3);
    EXPECT_EQ(files(), QStringList{"lw.ini"});
}

} // namespace
