#include "store/AutomaticBackup.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace lw;
using lw::test::TempDir;

namespace {

const QString kInvalidDir = "The backup directory path is invalid. Please specify a valid "
                            "directory path in File..Backup Database...";
const QString kDone = "File Backed Up successfully!";

class AutomaticBackupTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QDir(dir.path()).mkdir("data");
        QDir(dir.path()).mkdir("backup");
        dir.write("data/Family.pdb", "scrambled database");
        aliases.SetDatabasePath(dir.file("data/Family.pdb"));
        settings.writeString("Backup", "mode", "YES");
        settings.writeString("Backup", "dir", dir.file("backup"));
    }

    void schedule(int interval, int count)
    {
        settings.writeInt("Backup", "interval", interval);
        settings.writeInt("Backup", "count", count);
    }
    void close() { RunAutomaticBackup(settings, aliases, messages); }
    int count() const { return settings.readInt("Backup", "count", -99); }
    bool backedUp() const { return dir.exists("backup/Family.pdb"); }

    TempDir dir;
    IniFile settings{dir.file("lw.ini")};
    AliasStore aliases{dir.path()};
    lw::test::FakeMessages messages;
};

TEST_F(AutomaticBackupTest, EveryThirdCloseMakesTheBackup)
{
    schedule(3, 1);
    close();
    close();
    EXPECT_EQ(count(), 3);
    EXPECT_FALSE(backedUp());
    EXPECT_TRUE(messages.boxes.empty());

    close();
    EXPECT_EQ(dir.read("backup/Family.pdb"), "scrambled database");
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_EQ(messages.boxes[0].kind, "info");
    EXPECT_EQ(messages.boxes[0].text, kDone);
    EXPECT_EQ(count(), 1);

    close();
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(messages.boxes.size(), 1u);
}

TEST_F(AutomaticBackupTest, CountOutOfRangeRestartsWithoutBackup)
{
    for (int bad : {-1, 51, 1000}) {
        schedule(1, bad);
        close();
        EXPECT_EQ(count(), 1) << bad;
    }
    settings.writeString("Backup", "count", "lots");
    close();
    EXPECT_EQ(count(), 1);
    EXPECT_FALSE(backedUp());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(AutomaticBackupTest, ModeMatchesYesInAnyCase)
{
    const struct {
        const char* mode;
        bool backs;
    } cases[] = {{"yes", true}, {"Yes", true},   {"YES", true}, {"NO", false},
                 {"", false},   {"Yess", false}, {"1", false}};
    for (const auto& c : cases) {
        QFile::remove(dir.file("backup/Family.pdb"));
        settings.writeString("Backup", "mode", c.mode);
        schedule(1, 1);
        close();
        EXPECT_EQ(backedUp(), c.backs) << c.mode;
        EXPECT_EQ(count(), 1) << c.mode;
    }
}

TEST_F(AutomaticBackupTest, NothingHappensWithoutModeOrValidInterval)
{
    const char* cases[] = {
        "[Backup]\ndir=%1\ninterval=5\ncount=5\n",
        "[Backup]\nmode=YES\ndir=%1\ncount=5\n",
        "[Backup]\nmode=YES\ndir=%1\ninterval=0\ncount=5\n",
        "[Backup]\nmode=YES\ndir=%1\ninterval=51\ncount=5\n",
    };
    for (const char* ini : cases) {
        dir.write("lw.ini", QString(ini).arg(dir.file("backup")).toUtf8());
        close();
        EXPECT_EQ(count(), 5) << ini;
    }
    EXPECT_FALSE(backedUp());
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(AutomaticBackupTest, DeletedFolderIsReportedAtEveryClose)
{
    schedule(2, 1);
    QDir(dir.file("backup")).removeRecursively();
    close();
    close();
    EXPECT_EQ(messages.texts(), QStringList({kInvalidDir, kInvalidDir}));
    EXPECT_EQ(count(), 1);
}

TEST_F(AutomaticBackupTest, FolderOfFewerThanThreeCharactersIsInvalid)
{
    // Existing folders all of them; with no database file a copy attempt
    // would show its own error and write nothing.
    aliases.SetDatabasePath(dir.file("data/Gone.pdb"));
    for (const char* shortDir : {"/", ".", ".."}) {
        messages.boxes.clear();
        settings.writeString("Backup", "dir", shortDir);
        schedule(1, 1);
        close();
        EXPECT_EQ(messages.texts(), QStringList{kInvalidDir}) << shortDir;
        EXPECT_EQ(count(), 1) << shortDir;
    }
}

TEST_F(AutomaticBackupTest, NoConfirmationWhenTurnedOff)
{
    settings.writeBool("Backup", "Confirmation", false);
    schedule(1, 1);
    close();
    EXPECT_TRUE(backedUp());
    EXPECT_TRUE(messages.boxes.empty());
    EXPECT_EQ(count(), 1);
}

TEST_F(AutomaticBackupTest, FailedCopyIsReportedAndStaysDue)
{
    aliases.SetDatabasePath(dir.file("data/Gone.pdb"));
    schedule(2, 2);
    close();
    close();
    EXPECT_EQ(messages.texts(), QStringList({"Error - Source File not found", "Error - Source File not found"}));
    EXPECT_EQ(count(), 2);
}

TEST_F(AutomaticBackupTest, FolderWithTrailingSlashGetsOneSeparator)
{
    // The database lives in the backup folder itself: the target composed from
    // "dir/" must be exactly the database's own path.
    dir.write("backup/Family.pdb", "scrambled database");
    aliases.SetDatabasePath(dir.file("backup/Family.pdb"));
    settings.writeString("Backup", "dir", dir.file("backup") + "/");
    schedule(1, 1);
    close();
    EXPECT_EQ(messages.texts(), QStringList{"Error - Source is same as Target"});
}

} // namespace
