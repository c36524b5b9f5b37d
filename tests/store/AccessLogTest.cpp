#include "store/AccessLog.h"
#include "settings/Error.h"
#include "store/AliasStore.h"
#include "support/FakeClock.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace lw;
using lw::test::TempDir;

namespace {

class AccessLogTest : public ::testing::Test {
protected:
    void SetUp() override { aliases.SetDatabasePath("/data/Family.pdb"); }

    void at(int hour, int minute) { clock.time = QDateTime(QDate(2001, 3, 7), QTime(hour, minute)); }

    // A log of `count` lines of `width` bytes each, line end included.
    QByteArray lines(int count, int width = 20) const
    {
        QByteArray out;
        for (int i = 0; i < count; ++i)
            out += QByteArray::number(i).leftJustified(width - 2, '.') + "\r\n";
        return out;
    }

    TempDir dir;
    AliasStore aliases{dir.path()};
    lw::test::FakeClock clock;
    AccessLog log{dir.path(), aliases, clock, LogSeparators{"/", ":"}};
};

TEST_F(AccessLogTest, FirstEntryCreatesTheLogWithOneLine)
{
    EXPECT_FALSE(dir.exists("Log.txt"));
    at(0, 5);
    log.WriteAccessLogEntry(true);
    EXPECT_EQ(log.path(), dir.file("Log.txt"));
    EXPECT_EQ(dir.read("Log.txt"), "03/07/2001 12:05 AM ... Family ... success\r\n");
}

TEST_F(AccessLogTest, LinesShowTwelveHourClock)
{
    const struct {
        int hour, minute;
        bool granted;
        const char* line;
    } cases[] = {
        {0, 5, true, "03/07/2001 12:05 AM ... Family ... success"},
        {13, 40, false, "03/07/2001 01:40 PM ... Family ... failed"},
        {11, 59, true, "03/07/2001 11:59 AM ... Family ... success"},
        {12, 0, false, "03/07/2001 12:00 PM ... Family ... failed"},
        {23, 9, true, "03/07/2001 11:09 PM ... Family ... success"},
    };
    QByteArray expected;
    for (const auto& c : cases) {
        at(c.hour, c.minute);
        log.WriteAccessLogEntry(c.granted);
        expected += QByteArray(c.line) + "\r\n";
    }
    EXPECT_EQ(dir.read("Log.txt"), expected);
}

TEST_F(AccessLogTest, NameLosesFourCharactersWhateverItsExtension)
{
    clock.time = QDateTime(QDate(2026, 12, 11), QTime(9, 30));
    aliases.SetDatabasePath(QString::fromUtf8("/data/Caf\u00e9 accounts"));
    log.WriteAccessLogEntry(false);
    EXPECT_EQ(dir.read("Log.txt"), "12/11/2026 09:30 AM ... Caf\xE9 acco ... failed\r\n");
}

TEST_F(AccessLogTest, UsesTheGivenSeparators)
{
    AccessLog german(dir.path(), aliases, clock, LogSeparators{".", "."});
    at(13, 40);
    german.WriteAccessLogEntry(true);
    EXPECT_EQ(dir.read("Log.txt"), "03.07.2001 01.40 PM ... Family ... success\r\n");
}

TEST(LogSeparators, TakenFromTheLocaleFormats)
{
    const struct {
        const char *date, *time, *dateSep, *timeSep;
    } cases[] = {
        {"M/d/yy", "h:mm AP", "/", ":"},
        {"dd.MM.yyyy", "HH.mm", ".", "."},
        {"yyyy-MM-dd", "HH:mm", "-", ":"},
        {"d MMM yyyy", "HH 'h' mm", "/", ":"},
        {"", "", "/", ":"},
    };
    for (const auto& c : cases) {
        LogSeparators s = LogSeparatorsFromFormats(c.date, c.time);
        EXPECT_EQ(s.date, c.dateSep) << c.date;
        EXPECT_EQ(s.time, c.timeSep) << c.time;
    }
}

TEST_F(AccessLogTest, AppendsToALowerCaseLog)
{
    dir.write("log.txt", "old line\r\n");
    at(0, 5);
    log.WriteAccessLogEntry(true);
    EXPECT_FALSE(dir.exists("Log.txt"));
    EXPECT_EQ(dir.read("log.txt"), "old line\r\n03/07/2001 12:05 AM ... Family ... success\r\n");
}

TEST_F(AccessLogTest, TrimRemovesTheOldestLines)
{
    const struct {
        int lines, n, kept;
    } cases[] = {{4, 10, 0}, {12, 10, 2}, {10, 10, 0}, {3, 0, 3}, {0, 10, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.lines << " lines, trim " << c.n);
        dir.write("Log.txt", lines(c.lines));
        log.TrimAccessLog(c.n);
        EXPECT_TRUE(dir.exists("Log.txt"));
        EXPECT_EQ(dir.read("Log.txt"), lines(c.lines).right(c.kept * 20));
    }
}

TEST_F(AccessLogTest, TrimEndsEveryLineWithCrLf)
{
    dir.write("Log.txt", "a\nb\r\nc\r\nd");
    log.TrimAccessLog(1);
    EXPECT_EQ(dir.read("Log.txt"), "b\r\nc\r\nd\r\n");
}

TEST_F(AccessLogTest, TrimWithoutLogCreatesNothing)
{
    log.TrimAccessLog(10);
    log.TrimIfOversized();
    EXPECT_FALSE(dir.exists("Log.txt"));
}

TEST_F(AccessLogTest, StartUpTrimsOnlyAboveTheLimit)
{
    const QByteArray limit = lines(1250); // 25000 bytes
    ASSERT_EQ(limit.size(), AccessLog::kMaxBytes);
    dir.write("Log.txt", limit);
    log.TrimIfOversized();
    EXPECT_EQ(dir.read("Log.txt"), limit);

    const QByteArray over = "x" + limit; // first line one byte longer
    dir.write("Log.txt", over);
    log.TrimIfOversized();
    EXPECT_EQ(dir.read("Log.txt"), limit.mid(10 * 20));
}

TEST_F(AccessLogTest, UnwritableLogThrows)
{
    AccessLog nowhere(dir.file("gone"), aliases, clock);
    EXPECT_THROW(nowhere.WriteAccessLogEntry(true), Error);

    QDir(dir.path()).mkdir("Log.txt");
    EXPECT_THROW(log.WriteAccessLogEntry(true), Error);
    EXPECT_THROW(log.TrimAccessLog(1), Error);
}

TEST_F(AccessLogTest, ReadsAsTextWithPlainLineEndsFromAnyLetterCaseOfItsName)
{
    dir.write("log.txt", "01/02/2003 10:00 AM ... Caf\xe9 ... success\r\nsecond\r\n");
    EXPECT_TRUE(log.exists());
    EXPECT_EQ(log.ReadLog(), QString::fromUtf8("01/02/2003 10:00 AM ... Caf\u00e9 ... success\nsecond\n"));
}

TEST_F(AccessLogTest, ClearingLeavesAnEmptyFileAndReadingAMissingLogThrows)
{
    EXPECT_FALSE(log.exists());
    EXPECT_THROW(log.ReadLog(), Error);
    log.ClearLog();
    EXPECT_TRUE(dir.exists("Log.txt"));
    EXPECT_EQ(log.ReadLog(), "");

    dir.write("Log.txt", lines(3));
    log.ClearLog();
    EXPECT_EQ(dir.read("Log.txt"), QByteArray());
}

TEST_F(AccessLogTest, AClearThatFailsThrowsAndLeavesTheLog)
{
    AccessLog nowhere(dir.file("gone"), aliases, clock);
    EXPECT_THROW(nowhere.ClearLog(), Error);
    QDir(dir.path()).mkdir("Log.txt");
    EXPECT_THROW(log.ClearLog(), Error);
    EXPECT_TRUE(QFileInfo(dir.file("Log.txt")).isDir());
}

} // namespace
