// The parameters of the database file: the page size of new files and of
// files of earlier builds, the index on the expiry date, and Now() read once
// per run of a statement.
#include "store/Clock.h"
#include "store/Compaction.h"
#include "store/Connection.h"
#include "store/Schema.h"
#include "store/SqlError.h"
#include "support/TempDir.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace lw;

namespace {

// Counts how often the engine asks for the time.
class CountingClock : public Clock {
public:
    QDateTime now() const override
    {
        ++calls;
        return time;
    }
    mutable int calls = 0;
    QDateTime time{QDate(2026, 12, 11), QTime(9, 30)};
};

bool hasIndex(Connection& db, const QString& name)
{
    Statement st = db.prepare("SELECT 1 FROM sqlite_master WHERE type = 'index' AND name = ?1;");
    st.bindAt(1, name);
    return st.step();
}

// Runs statements in the stock sqlcipher shell on `file`, keyed with "secret1".
void shell(const QString& file, const QString& statements)
{
    QProcess p;
    p.start("sqlcipher", {file});
    ASSERT_TRUE(p.waitForStarted()) << "the sqlcipher shell is not installed";
    p.write(QStringLiteral("PRAGMA key = 'secret1';\nPRAGMA kdf_iter = %1;\nPRAGMA cipher_page_size = %2;\n%3\n.quit\n")
                .arg(KdfIterations())
                .arg(kDatabasePageSize)
                .arg(statements)
                .toUtf8());
    p.closeWriteChannel();
    ASSERT_TRUE(p.waitForFinished());
    ASSERT_TRUE(p.readAllStandardError().isEmpty());
}

class FileFormat : public ::testing::Test {
protected:
    void SetUp() override
    {
        CreatePasswordDatabase(path, "secret1", true);
        auto db = Connection::open(path, "secret1");
        db->exec("INSERT INTO Passwords (GroupID, Description, ExpireDate, AssignDate) VALUES "
                 "(1, 'Bank', '2026-12-01 00:00:00', '2026-01-01 00:00:00'),"
                 " (2, 'Shop', '2027-03-01 00:00:00', '2027-01-01 00:00:00');");
    }

    test::TempDir dir;
    QString path = dir.file("family.pdb");
};

TEST_F(FileFormat, NewFilesHaveTheProgramsPageSizeAndTheExpiredListUsesItsIndex)
{
    auto db = Connection::open(path, "secret1");
    EXPECT_EQ(db->pageSize(), kDatabasePageSize);
    EXPECT_TRUE(hasIndex(*db, "ExpireKey"));
    QString plan;
    Statement st = db->prepare("EXPLAIN QUERY PLAN SELECT PasswordID FROM Passwords WHERE ExpireDate <= Now();");
    while (st.step())
        plan += st.value(3).toString();
    EXPECT_TRUE(plan.contains("ExpireKey")) << plan.toStdString();
}

TEST_F(FileFormat, AFileOfAnEarlierBuildOpensAndItsCompactionBringsItUpToDate)
{
    // As an earlier build wrote it: the engine's former page size, no index
    // on the expiry date.
    const QString old = dir.file("old.pdb");
    shell(path, QStringLiteral("ATTACH DATABASE '%1' AS old KEY 'secret1';\nPRAGMA old.kdf_iter = %2;\n"
                               "PRAGMA old.cipher_page_size = %3;\nSELECT sqlcipher_export('old');\n"
                               "DROP INDEX old.ExpireKey;")
                    .arg(old)
                    .arg(KdfIterations())
                    .arg(kLegacyPageSize));
    EXPECT_THROW(Connection::open(old, "secret2"), SqlError);
    {
        auto db = Connection::open(old, "secret1");
        EXPECT_EQ(db->pageSize(), kLegacyPageSize);
        EXPECT_FALSE(hasIndex(*db, "ExpireKey"));
        EXPECT_EQ(db->scalar("SELECT group_concat(Description) FROM Passwords;").toString(), "Bank,Shop");
    }
    CompactDatabase(old, "secret1");
    auto db = Connection::open(old, "secret1");
    EXPECT_EQ(db->pageSize(), kDatabasePageSize);
    EXPECT_TRUE(hasIndex(*db, "ExpireKey"));
    EXPECT_EQ(db->scalar("SELECT group_concat(Description) FROM Passwords;").toString(), "Bank,Shop");
    db->checkIntegrity();
}

TEST_F(FileFormat, NowIsOneInstantPerRunOfAStatement)
{
    CountingClock clock;
    auto db = Connection::open(path, "secret1", &clock);
    db->exec("INSERT INTO Passwords (GroupID, Description, AssignDate)"
             " SELECT 3, 'Account ' || value, '2026-12-11 09:00:00' FROM"
             " (WITH RECURSIVE n(value) AS (SELECT 1 UNION ALL SELECT value + 1 FROM n WHERE value < 200)"
             " SELECT value FROM n);");
    // No index on AssignDate: every row is compared.
    Statement st = db->prepare("SELECT count(*), count(DISTINCT Now()) FROM Passwords WHERE AssignDate <= Now();");
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.value(0).toInt(), 201);
    EXPECT_EQ(st.value(1).toInt(), 1);
    EXPECT_EQ(clock.calls, 1);

    // The next run reads the clock again.
    clock.time = QDateTime(QDate(2026, 12, 11), QTime(8, 0));
    st.reset();
    ASSERT_TRUE(st.step());
    EXPECT_EQ(st.value(0).toInt(), 1);
    EXPECT_EQ(clock.calls, 2);
}

} // namespace
