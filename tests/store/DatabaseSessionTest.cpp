#include "store/DatabaseSession.h"
#include "settings/Error.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/Compaction.h"
#include "store/Connection.h"
#include "store/DatabaseFileCipher.h"
#include "store/Schema.h"
#include "store/TCryptFile.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/FakeSounds.h"
#include "support/RecordingHooks.h"
#include "support/SessionFixture.h"
#include "support/TempDir.h"

#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

using namespace lw;

namespace {

class Session : public test::SessionFixture {
protected:
    void setCounter(int count)
    {
        auto db = Connection::open(path, "secret1");
        db->exec(QStringLiteral("UPDATE Options SET DBMaintCount = %1;").arg(count));
    }
    int counter()
    {
        auto db = Connection::open(path, "secret1");
        return db->scalar("select DBMaintCount from Options").toInt();
    }
    quint32 header() const { return qFromLittleEndian<quint32>(dir.read("Family.pdb").constData()); }
    static quint32 keyWord(const char* four) { return qFromLittleEndian<quint32>(four); }
};

TEST_F(Session, OpeningANewDatabaseRunsEveryStepInOrder)
{
    session.OpenDatabase("secret1");
    EXPECT_TRUE(session.isOpen());
    EXPECT_EQ(hooks.calls,
              (QStringList{"ShowDatabaseOpen", "Enable", "OpenQueries", "ApplyDisplayRules", "ShowExpiredReminder"}));
    EXPECT_EQ(sounds.played, QStringList{"GRANT"});
    EXPECT_EQ(logLines(), QStringList{"03/07/2001 12:05 AM ... Family ... success"});
    EXPECT_EQ(session.CurrentMasterPassword(), "secret1");
}

TEST_F(Session, ClosingCountsDownAndScramblesWithTheMasterPassword)
{
    session.OpenDatabase("secret1");
    hooks.calls.clear();
    session.CloseDatabase();
    EXPECT_FALSE(session.isOpen());
    EXPECT_EQ(hooks.calls,
              (QStringList{"SavePendingEdits", "CloseQueries", "ClearStatus", "Disable", "ShowDatabaseClosed"}));
    EXPECT_EQ(header(), keyWord("secr") + quint32(kProgramIntKey));
    EXPECT_EQ(session.CurrentMasterPassword(), "secret1");

    session.OpenDatabase("secret1");
    EXPECT_EQ(session.connection().scalar("select DBMaintCount from Options").toInt(), 99);
}

TEST_F(Session, ARefusedUnlockSoundsLogsAndLeavesTheScrambledFileAlone)
{
    session.OpenDatabase("secret1");
    session.CloseDatabase();
    const QByteArray scrambled = dir.read("Family.pdb");
    hooks.calls.clear();
    sounds.played.clear();
    clock.time = QDateTime(QDate(2001, 3, 7), QTime(13, 40));

    for (const QString& wrong : {QString(), QString("wrong"), QString("Secret1")})
        EXPECT_THROW(session.OpenDatabase(wrong), SilentAbort);
    EXPECT_EQ(dir.read("Family.pdb"), scrambled);
    EXPECT_FALSE(session.isOpen());
    EXPECT_TRUE(hooks.calls.isEmpty()); // the window never left its closed state
    EXPECT_EQ(sounds.played, (QStringList{"DENY", "DENY", "DENY"}));
    EXPECT_EQ(logLines().last(), "03/07/2001 01:40 PM ... Family ... failed");
}

TEST_F(Session, APasswordSharingTheKeyTextLeavesTheFilePlainButStillEncrypted)
{
    session.OpenDatabase("secret1");
    session.CloseDatabase();
    EXPECT_THROW(session.OpenDatabase("secret2"), SilentAbort);
    EXPECT_NE(header(), keyWord("secr") + quint32(kProgramIntKey));
    EXPECT_FALSE(dir.read("Family.pdb").contains("Email Accounts"));
    session.OpenDatabase("secret1");
    EXPECT_TRUE(session.isOpen());
}

TEST_F(Session, DeniedSoundsGoFromDenyToBuzzToSilence)
{
    for (int i = 0; i < 1002; ++i)
        session.PlayAccessDeniedSound();
    ASSERT_EQ(sounds.played.size(), 1000);
    EXPECT_EQ(sounds.played.mid(0, 3), (QStringList{"DENY", "DENY", "DENY"}));
    EXPECT_EQ(sounds.played[3], "BUZZ");
    EXPECT_EQ(sounds.played.last(), "BUZZ");

    session.DeniedSoundCount = 0;
    sounds.device = false;
    session.PlayAccessDeniedSound();
    EXPECT_EQ(session.DeniedSoundCount, 1u);
    EXPECT_EQ(sounds.played.size(), 1000);
}

TEST_F(Session, WithAccessSoundsOffNothingPlaysButEverythingIsLogged)
{
    session.AccessSoundsOn = false;
    EXPECT_THROW(session.OpenDatabase("wrong"), SilentAbort);
    session.OpenDatabase("secret1");
    EXPECT_TRUE(sounds.played.isEmpty());
    EXPECT_EQ(logLines().size(), 2);
}

TEST_F(Session, TheRemindSettingSkipsTheExpiredList)
{
    settings.writeBool("ExpireOptions", "remind", true);
    session.OpenDatabase("secret1");
    EXPECT_FALSE(hooks.calls.contains("ShowExpiredReminder"));
}

TEST_F(Session, AFailureAfterConnectingIsARefusalThatUndoesTheUnlock)
{
    hooks.failOn = "OpenQueries";
    EXPECT_THROW(session.OpenDatabase("secret1"), SilentAbort);
    EXPECT_EQ(logLines(),
              (QStringList{"03/07/2001 12:05 AM ... Family ... success", "03/07/2001 12:05 AM ... Family ... failed"}));
    EXPECT_EQ(sounds.played, (QStringList{"GRANT", "DENY"}));
    EXPECT_FALSE(session.isOpen());
    hooks.failOn.clear();
    session.OpenDatabase("secret1");
    session.CloseDatabase();
    EXPECT_EQ(header(), keyWord("secr") + quint32(kProgramIntKey));
}

TEST(MaintenanceCountdown, RestartsFromTheFrequencyWhenItReachesZero)
{
    struct Case {
        int count, freq, next;
        bool compact;
    };
    for (const Case& c : {Case{100, 100, 99, false}, Case{1, 100, 0, false}, Case{0, 100, 100, true},
                          Case{0, 0, 0, true}, Case{0, 7, 7, true}}) {
        const MaintenanceStep s = CountDownMaintenance(c.count, c.freq);
        EXPECT_EQ(s.count, c.next) << c.count;
        EXPECT_EQ(s.compactNow, c.compact) << c.count;
    }
}

TEST_F(Session, TheCloseThatFindsTheCounterAtZeroCompacts)
{
    {
        auto db = Connection::open(path, "secret1");
        Statement insert = db->prepare("INSERT INTO Passwords (GroupID, Description, Notes) VALUES (1, ?1, ?2);");
        for (int i = 0; i < 300; ++i) {
            insert.bindAt(1, QString::number(i));
            insert.bindAt(2, QString(900, u'n'));
            insert.step();
            insert.reset();
        }
        db->exec("DELETE FROM Passwords WHERE PasswordID > 5;");
    }
    setCounter(1);
    session.OpenDatabase("secret1");
    session.CloseDatabase();
    const qint64 before = QFile(path).size();
    DecryptDatabaseFile(cipher, "secret1", path);
    EXPECT_EQ(counter(), 0);

    session.OpenDatabase("secret1");
    session.CloseDatabase();
    EXPECT_LT(QFile(path).size(), before / 2);
    EXPECT_FALSE(dir.exists(kCompactionFileName));
    DecryptDatabaseFile(cipher, "secret1", path);
    EXPECT_EQ(counter(), 100);
    auto db = Connection::open(path, "secret1");
    EXPECT_EQ(db->scalar("select count(*) from Passwords").toInt(), 5);
    EXPECT_TRUE(messages.boxes.empty());
}

TEST_F(Session, ADamagedFileIsRefusedWithoutBeingChanged)
{
    QByteArray bytes = dir.read("Family.pdb");
    for (int i = 1100; i < 1200; ++i)
        bytes[i] = char(bytes[i] ^ 0x33);
    dir.write("Family.pdb", bytes);
    EXPECT_THROW(session.OpenDatabase("secret1"), SilentAbort);
    EXPECT_EQ(dir.read("Family.pdb"), bytes);
    EXPECT_EQ(logLines().last().right(6), "failed");
}

// The unlock authenticates only the pages it reads; the compaction checks
// every page and refuses to replace the file with a copy that lost any.
TEST_F(Session, ADamagedPageTheUnlockDoesNotReadStopsTheCompactionAndStaysAsItWas)
{
    {
        auto db = Connection::open(path, "secret1");
        db->exec("BEGIN;");
        for (int i = 0; i < 300; ++i)
            db->exec(QStringLiteral("INSERT INTO Passwords (GroupID, Description, Notes) VALUES (1, 'a%1', '%2');")
                         .arg(i)
                         .arg(QString(400, QChar('n'))));
        db->exec("COMMIT;");
    }
    setCounter(0);
    QByteArray bytes = dir.read("Family.pdb");
    const qsizetype page = (bytes.size() / kDatabasePageSize / 2) * kDatabasePageSize;
    for (qsizetype i = page + 100; i < page + 200; ++i)
        bytes[i] = char(bytes[i] ^ 0x33);
    dir.write("Family.pdb", bytes);

    session.OpenDatabase("secret1");
    session.CloseDatabase();
    ASSERT_EQ(messages.boxes.size(), 1u);
    EXPECT_TRUE(messages.texts().join("").contains("could not be compacted"))
        << messages.texts().join("").toStdString();
    EXPECT_FALSE(dir.exists(kCompactionFileName));
    DecryptDatabaseFile(cipher, "secret1", path);
    const QByteArray after = dir.read("Family.pdb");
    ASSERT_EQ(after.size(), bytes.size());
    EXPECT_EQ(after.mid(page, kDatabasePageSize), bytes.mid(page, kDatabasePageSize));
}

} // namespace

TEST_F(Session, TheTrayCheckComparesExactlyAndSoundsAndLogsLikeAnUnlock)
{
    session.OpenDatabase("secret1");
    sounds.played.clear();
    hooks.calls.clear();
    clock.time = QDateTime(QDate(2001, 3, 7), QTime(9, 5));

    EXPECT_FALSE(session.CheckMasterPassword("Secret1"));
    EXPECT_EQ(logLines().last(), "03/07/2001 09:05 AM ... Family ... failed");
    EXPECT_TRUE(session.CheckMasterPassword("secret1"));
    EXPECT_EQ(logLines().last(), "03/07/2001 09:05 AM ... Family ... success");
    EXPECT_EQ(sounds.played, (QStringList{"DENY", "GRANT"}));
    EXPECT_TRUE(session.isOpen());
    EXPECT_TRUE(hooks.calls.isEmpty());
}
