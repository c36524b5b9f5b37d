// Unlocking and closing a database when something other than the password
// goes wrong: the file is in use, the disk is full, the log cannot be
// written, a step after connecting fails, a file is too small, a compaction
// or a scramble was killed part way.
#include "settings/AtomicFile.h"
#include "settings/Error.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/Compaction.h"
#include "store/Connection.h"
#include "store/DatabaseFileCipher.h"
#include "store/DatabaseSession.h"
#include "store/FileLock.h"
#include "store/Schema.h"
#include "store/TCryptFile.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/FakeSounds.h"
#include "support/FileSizeLimit.h"
#include "support/RecordingHooks.h"
#include "support/SessionFixture.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lw;

namespace {

class SessionFault : public test::SessionFixture {
protected:
    // Unlocks and closes once, so that the file at rest is scrambled.
    QByteArray scrambledAtRest()
    {
        session.OpenDatabase("secret1");
        session.CloseDatabase();
        reset();
        return dir.read("Family.pdb");
    }
    void reset()
    {
        hooks.calls.clear();
        sounds.played.clear();
        messages.boxes.clear();
    }
    QStringList files() const
    {
        QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
        names.sort();
        return names;
    }
    bool refusedAsWrongPassword() const { return sounds.played.contains("DENY"); }
    QString onlyMessage() const { return messages.boxes.size() == 1 ? messages.boxes[0].text : QString(); }
};

TEST_F(SessionFault, ADatabaseOpenElsewhereIsRefusedWithItsOwnMessage)
{
    scrambledAtRest();
    test::FakeMessages otherMessages;
    test::RecordingHooks otherHooks;
    TCryptFile otherCipher{otherMessages};
    otherCipher.setIntKey(kProgramIntKey);
    DatabaseSession other{{alias, log, otherCipher, settings, sounds, otherMessages, clock}, otherHooks, otherHooks};

    session.OpenDatabase("secret1");
    EXPECT_THROW(other.OpenDatabase("secret1"), SilentAbort);
    ASSERT_EQ(otherMessages.boxes.size(), 1u);
    EXPECT_TRUE(otherMessages.boxes[0].text.contains("in use by another program"));
    EXPECT_TRUE(otherMessages.boxes[0].text.contains(path));
    EXPECT_FALSE(sounds.played.contains("DENY"));
    EXPECT_EQ(logLines().size(), 2); // two granted unlocks; the refused one is no password matter
    session.CloseDatabase();

    // Once closed, the other one may unlock it.
    other.OpenDatabase("secret1");
    EXPECT_TRUE(other.isOpen());
    other.CloseDatabase();
}

TEST_F(SessionFault, AnotherProgramsLockRefusesTheUnlock)
{
    const QByteArray before = scrambledAtRest();
    FileLock held;
    held.acquire(path);
    EXPECT_THROW(session.OpenDatabase("secret1"), SilentAbort);
    EXPECT_TRUE(onlyMessage().contains("in use by another program"));
    EXPECT_FALSE(refusedAsWrongPassword());
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(dir.read("Family.pdb"), before);
}

TEST_F(SessionFault, AFileTheEngineOfAnotherProgramHoldsIsRefusedAsInUse)
{
    auto holder = Connection::open(path, "secret1"); // holds the engine's exclusive lock
    EXPECT_THROW(session.OpenDatabase("secret1"), SilentAbort);
    EXPECT_TRUE(onlyMessage().contains("in use by another program")) << onlyMessage().toStdString();
    EXPECT_FALSE(refusedAsWrongPassword());
}

TEST_F(SessionFault, TooLittleRoomForTheUnscrambledCopyIsRefusedWithItsOwnMessage)
{
    const QByteArray before = scrambledAtRest();
    {
        test::FileSizeLimit full(before.size() / 2);
        EXPECT_THROW(session.OpenDatabase("secret1"), SilentAbort);
    }
    EXPECT_TRUE(onlyMessage().contains("The disk is full")) << onlyMessage().toStdString();
    EXPECT_TRUE(onlyMessage().contains(path));
    EXPECT_FALSE(refusedAsWrongPassword());
    EXPECT_EQ(dir.read("Family.pdb"), before);
    EXPECT_EQ(files(), (QStringList{"Family.pdb", "Log.txt", "alias.ini"}));
    session.OpenDatabase("secret1"); // and with room again it opens
    EXPECT_TRUE(session.isOpen());
}

constexpr uid_t kNobody = 65534;

TEST_F(SessionFault, AReadOnlyFolderIsRefusedWithItsOwnMessage)
{
    const QByteArray before = scrambledAtRest();
    const QByteArray folder = QFile::encodeName(dir.path());
    // Root writes into any folder: the unlock then runs as an ordinary user
    // who owns the files.
    const bool root = ::geteuid() == 0;
    if (root) {
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files | QDir::Hidden | QDir::System))
            ASSERT_EQ(::chown(QFile::encodeName(dir.file(name)).constData(), kNobody, kNobody), 0);
        ASSERT_EQ(::chown(folder.constData(), kNobody, kNobody), 0);
    }
    ASSERT_EQ(::chmod(folder.constData(), 0555), 0);
    if (root) { // real and effective, keeping the saved id to come back
        ASSERT_EQ(::setresuid(kNobody, kNobody, 0), 0);
    }
    EXPECT_THROW(session.OpenDatabase("secret1"), SilentAbort);
    if (root) {
        ASSERT_EQ(::setresuid(0, 0, 0), 0);
    }
    ::chmod(folder.constData(), 0755);
    EXPECT_TRUE(onlyMessage().contains("read-only")) << onlyMessage().toStdString();
    EXPECT_FALSE(refusedAsWrongPassword());
    EXPECT_EQ(dir.read("Family.pdb"), before);
}

TEST_F(SessionFault, ALogThatCannotBeWrittenDoesNotSpoilAGoodUnlock)
{
    scrambledAtRest();
    QFile::remove(dir.file("Log.txt"));
    QDir(dir.path()).mkdir("Log.txt"); // no line can be appended
    session.OpenDatabase("secret1");
    EXPECT_TRUE(session.isOpen());
    EXPECT_EQ(hooks.calls,
              (QStringList{"ShowDatabaseOpen", "Enable", "OpenQueries", "ApplyDisplayRules", "ShowExpiredReminder"}));
    EXPECT_TRUE(onlyMessage().contains("access log")) << onlyMessage().toStdString();
    session.CloseDatabase();
    EXPECT_NE(dir.read("Family.pdb").left(4), QByteArray("SQLi"));
}

TEST_F(SessionFault, ALogThatCannotBeWrittenDoesNotHideARefusal)
{
    QDir(dir.path()).mkdir("Log.txt");
    EXPECT_THROW(session.OpenDatabase("wrong"), SilentAbort);
    EXPECT_TRUE(refusedAsWrongPassword());
    EXPECT_TRUE(onlyMessage().contains("access log"));
}

TEST_F(SessionFault, AFailureAfterConnectingLeavesEverythingAsBefore)
{
    const QByteArray before = scrambledAtRest();
    hooks.failOn = "OpenQueries";
    EXPECT_THROW(session.OpenDatabase("secret1"), SilentAbort);
    EXPECT_FALSE(session.isOpen());
    EXPECT_EQ(hooks.calls, (QStringList{"ShowDatabaseOpen", "Enable", "OpenQueries", "CloseQueries", "ClearStatus",
                                        "Disable", "ShowDatabaseClosed"}));
    EXPECT_EQ(dir.read("Family.pdb"), before);
    EXPECT_EQ(logLines().last(), "03/07/2001 12:05 AM ... Family ... failed");

    hooks.failOn.clear();
    session.OpenDatabase("secret1"); // nothing stays locked
    EXPECT_TRUE(session.isOpen());
}

TEST_F(SessionFault, AFileTooSmallToBeADatabaseIsRefusedUnchanged)
{
    char header[4];
    const quint32 keyWord = qFromLittleEndian<quint32>("secr");
    qToLittleEndian<quint32>(keyWord + quint32(kProgramIntKey), header);
    for (const QByteArray& bytes : {QByteArray("x"), QByteArray(header, 4) + "y", QByteArray(header, 4),
                                    QByteArray(511, 'z'), QByteArray(header, 4) + QByteArray(300, 'q')}) {
        SCOPED_TRACE(bytes.size());
        dir.write("Family.pdb", bytes);
        EXPECT_THROW(session.OpenDatabase("secret1"), SilentAbort);
        EXPECT_EQ(QFile(path).size(), bytes.size());
        EXPECT_FALSE(session.isOpen());
    }
}

TEST_F(SessionFault, TheEngineNeverCreatesOrGrowsAFileItOpens)
{
    dir.write("tiny.pdb", "SQLite format 3");
    EXPECT_THROW(Connection::open(dir.file("tiny.pdb"), "secret1"), Error);
    EXPECT_EQ(dir.read("tiny.pdb"), "SQLite format 3");
    const QByteArray junk = test::randomBytes(2048, 5);
    dir.write("junk.pdb", junk);
    EXPECT_THROW(Connection::open(dir.file("junk.pdb"), "secret1"), Error);
    EXPECT_EQ(dir.read("junk.pdb"), junk);
    EXPECT_THROW(Connection::open(dir.file("none.pdb"), "secret1"), Error);
    EXPECT_FALSE(dir.exists("none.pdb"));
}

TEST_F(SessionFault, TheNextUnlockRemovesWhatAKilledCompactionOrScrambleLeft)
{
    scrambledAtRest();
    for (const char* name : {"~f8njid.fee.k1ll3d00", "~f8njid.fee.k1ll3d00-journal", "___.~--.k1ll3d01", "___.~--"})
        dir.write(name, test::randomBytes(3000, 1));
    // A temporary file of a run still going on in another process stays.
    dir.write("___.~--.l1v3l1v3", "in progress");
    const int live = ::open(QFile::encodeName(dir.file("___.~--.l1v3l1v3")).constData(), O_RDONLY);
    ASSERT_EQ(::flock(live, LOCK_EX), 0);

    EXPECT_THROW(session.OpenDatabase("wrong"), SilentAbort);
    EXPECT_TRUE(dir.exists("~f8njid.fee.k1ll3d00")); // not before the database proved whole

    session.OpenDatabase("secret1");
    EXPECT_EQ(files(), (QStringList{"Family.pdb", "Log.txt", "___.~--.l1v3l1v3", "alias.ini"}));
    ::close(live);
    session.CloseDatabase();
}

TEST_F(SessionFault, AScrambleThatFailsAtCloseKeepsTheDatabaseAndSaysWhy)
{
    session.OpenDatabase("secret1");
    const qint64 size = QFile(path).size();
    {
        test::FileSizeLimit full(size / 2);
        session.CloseDatabase();
    }
    EXPECT_FALSE(session.isOpen());
    EXPECT_TRUE(onlyMessage().contains("The disk is full")) << onlyMessage().toStdString();
    EXPECT_TRUE(onlyMessage().contains("still protected by its master password"));
    EXPECT_TRUE(onlyMessage().contains("scrambled at the next close"));
    EXPECT_EQ(files(), (QStringList{"Family.pdb", "Log.txt", "alias.ini"}));

    session.OpenDatabase("secret1"); // the plain file opens, and this close scrambles it
    session.CloseDatabase();
    EXPECT_NE(dir.read("Family.pdb").left(6), QByteArray("SQLite"));
    EXPECT_EQ(qFromLittleEndian<quint32>(dir.read("Family.pdb").constData()),
              qFromLittleEndian<quint32>("secr") + quint32(kProgramIntKey));
}

TEST_F(SessionFault, ACompactionThatFailsIsReportedAndTheCloseStillScrambles)
{
    {
        auto db = Connection::open(path, "secret1");
        db->exec("UPDATE Options SET DBMaintCount = 0;");
    }
    session.OpenDatabase("secret1");
    const QByteArray plainBefore = dir.read("Family.pdb");
    {
        test::FileSizeLimit full(plainBefore.size() / 2);
        session.CloseDatabase();
    }
    ASSERT_FALSE(messages.boxes.empty());
    EXPECT_TRUE(messages.boxes[0].text.contains("could not be compacted")) << messages.boxes[0].text.toStdString();
    // Scrambled now, or told that it will be at the next close.
    const bool scrambled = qFromLittleEndian<quint32>(dir.read("Family.pdb").constData()) ==
                           qFromLittleEndian<quint32>("secr") + quint32(kProgramIntKey);
    EXPECT_TRUE(scrambled || messages.texts().join("").contains("next close"));
    EXPECT_EQ(files(), (QStringList{"Family.pdb", "Log.txt", "alias.ini"}));
    session.OpenDatabase("secret1");
    EXPECT_GT(session.connection().scalar("select count(*) from Groups").toInt(), 0);
    session.CloseDatabase();
}

TEST_F(SessionFault, DatabasesAndLogsAreTheOwnersOnlyWhateverTheUmask)
{
    const mode_t oldMask = ::umask(0);
    auto modeOf = [](const QString& p) {
        struct stat st { };
        ::stat(QFile::encodeName(p).constData(), &st);
        return st.st_mode & 07777;
    };
    CreatePasswordDatabase(dir.file("New.pdb"), "secret1", false);
    alias.SetDatabasePath(dir.file("New.pdb"));
    session.OpenDatabase("secret1");
    session.CloseDatabase();
    ::umask(oldMask);
    EXPECT_EQ(modeOf(dir.file("New.pdb")), 0600u);
    EXPECT_EQ(modeOf(dir.file("Log.txt")), 0600u);
    EXPECT_EQ(modeOf(dir.file("alias.ini")), 0600u);
}

TEST(AccessLogTrim, AFailingTrimAtStartIsReportedNotThrown)
{
    test::TempDir dir;
    AliasStore alias(dir.path());
    test::FakeClock clock;
    AccessLog log(dir.path(), alias, clock, LogSeparators{});
    QByteArray big;
    for (int i = 0; i < 1500; ++i)
        big += QByteArray::number(i).leftJustified(18, '.') + "\r\n";
    dir.write("Log.txt", big);
    QString problem;
    {
        test::FileSizeLimit full(1000);
        problem = log.TrimIfOversized();
    }
    EXPECT_TRUE(problem.contains("The disk is full")) << problem.toStdString();
    EXPECT_EQ(dir.read("Log.txt"), big);
    EXPECT_EQ(log.TrimIfOversized(), QString());
    EXPECT_EQ(dir.read("Log.txt"), big.mid(10 * 20));
}

} // namespace
