#include "store/Connection.h"
#include "store/Schema.h"
#include "store/SqlError.h"
#include "support/FakeClock.h"
#include "support/TempDir.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <gtest/gtest.h>

using namespace lw;

namespace {

class Engine : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.file("family.pdb");
        CreatePasswordDatabase(path, "secret1", true);
    }
    std::unique_ptr<Connection> openDb(const QString& pw = "secret1")
    {
        auto db = Connection::open(path, pw, &clock);
        CheckPasswordDatabase(*db);
        return db;
    }
    QStringList column(Connection& db, const QString& sql)
    {
        QStringList out;
        Statement st = db.prepare(sql);
        while (st.step())
            out << st.value(0).toString();
        return out;
    }

    test::TempDir dir;
    test::FakeClock clock;
    QString path;
};

TEST_F(Engine, WrongPasswordIsRefusedAndTheFileRevealsNothing)
{
    EXPECT_THROW(openDb("Secret1"), SqlError);
    EXPECT_THROW(openDb(""), SqlError);
    const QByteArray bytes = dir.read("family.pdb");
    EXPECT_FALSE(bytes.contains("Email Accounts"));
    EXPECT_FALSE(bytes.contains("SQLite format"));
    auto db = openDb();
    EXPECT_EQ(column(*db, "select Name from groups order by GroupID;"), SampleGroupNames());
}

TEST_F(Engine, RunsTheProgramsQueryDialect)
{
    auto db = openDb();
    db->exec("INSERT INTO Passwords (GroupID, Description, ID, ExpireDate) VALUES "
             "(1, 'Bank', 'ÄRGER', '2026-12-11 00:00:00'), (1, 'apple', 'x', '2026-12-12 00:00:00'),"
             " (2, 'Zoo', 'y', NULL), (2, 'éclair', 'z', NULL);");
    // Double-quoted literals, case-insensitive = for every letter, a trailing ";".
    EXPECT_EQ(column(*db, "select Description from passwords where ID = \"ärger\";"), QStringList{"Bank"});
    EXPECT_EQ(column(*db, "select Description from passwords where Description Like \"*PP*\";"), QStringList{"apple"});
    // Now() comes from the clock, in local time, and compares with stored dates.
    clock.time = QDateTime(QDate(2026, 12, 11), QTime(9, 30));
    EXPECT_EQ(column(*db, "select Description from passwords where ExpireDate <= Now();"), QStringList{"Bank"});
    // Ordering ignores case, also of letters beyond ASCII.
    db->exec("INSERT INTO Passwords (GroupID, Description) VALUES (3, 'Éclat');");
    EXPECT_EQ(column(*db, "select Description from passwords order by Description"),
              (QStringList{"apple", "Bank", "Zoo", "éclair", "Éclat"}));
    EXPECT_EQ(column(*db, "select Name from groups where Name = \"MISC accounts\""), QStringList{"Misc Accounts"});
}

TEST_F(Engine, RefusesOverlongAndEmptyTextsWithAClearMessage)
{
    auto db = openDb();
    try {
        db->exec(QStringLiteral("INSERT INTO Groups (Name) VALUES ('%1');").arg(QString(51, u'x')));
        FAIL() << "a 51-character name was stored";
    } catch (const SqlError& e) {
        EXPECT_TRUE(e.message().contains("Name is longer than 50 characters")) << e.what();
    }
    db->exec(QStringLiteral("INSERT INTO Groups (Name) VALUES ('%1');").arg(QString(50, u'é')));
    EXPECT_THROW(db->exec("INSERT INTO Passwords (GroupID, Description) VALUES (1, '');"), SqlError);
    db->exec("INSERT INTO Passwords (GroupID, Description, ID) VALUES (1, NULL, '');");
    EXPECT_EQ(db->scalar("select count(*) from passwords").toInt(), 1);
}

TEST_F(Engine, AccountsFollowTheirGroupAndKeepTheirNumber)
{
    auto db = openDb();
    db->exec("INSERT INTO Passwords (GroupID, Description) VALUES (1, 'a'), (2, 'b'), (1, 'c');");
    EXPECT_EQ(column(*db, "select PasswordID from passwords order by PasswordID"), (QStringList{"1", "2", "3"}));
    db->exec("UPDATE Passwords SET GroupID = 3 WHERE PasswordID = 3;");
    EXPECT_EQ(db->scalar("select PasswordID from passwords where GroupID = 3").toInt(), 3);
    db->exec("DELETE FROM Groups WHERE GroupID = 1;");
    EXPECT_EQ(column(*db, "select Description from passwords order by Description"), (QStringList{"b", "c"}));
    EXPECT_THROW(db->exec("INSERT INTO Passwords (GroupID, Description) VALUES (99, 'orphan');"), SqlError);
}

TEST_F(Engine, ASecondConnectionIsRefusedWhileTheFileIsOpen)
{
    auto db = openDb();
    EXPECT_THROW(Connection::open(path, "secret1"), SqlError);
    db.reset();
    EXPECT_NO_THROW(openDb());
}

TEST_F(Engine, ChecksExportsAndRekeys)
{
    {
        auto db = openDb();
        db->checkIntegrity();
        db->exportTo(dir.file("copy.pdb"), "secret1");
        db->rekey("another");
    }
    EXPECT_THROW(openDb("secret1"), SqlError);
    EXPECT_NO_THROW(openDb("another"));
    auto copy = Connection::open(dir.file("copy.pdb"), "secret1");
    CheckPasswordDatabase(*copy);
    EXPECT_EQ(copy->scalar("select count(*) from groups").toInt(), 4);
}

TEST_F(Engine, DamagedFileFailsTheIntegrityCheck)
{
    {
        auto db = openDb();
        db->exec("INSERT INTO Passwords (GroupID, Description) VALUES (1, 'a');");
    }
    // Flip bytes inside a page past the first: the page's authentication fails.
    QByteArray bytes = dir.read("family.pdb");
    ASSERT_GT(bytes.size(), 3000);
    for (int i = 2100; i < 2200; ++i)
        bytes[i] = char(bytes[i] ^ 0x5a);
    dir.write("family.pdb", bytes);
    EXPECT_THROW(
        {
            auto db = openDb();
            db->checkIntegrity();
        },
        SqlError);
}

TEST_F(Engine, TheStockShellReadsTheFile)
{
    QProcess shell;
    shell.start("sqlcipher", {path});
    ASSERT_TRUE(shell.waitForStarted()) << "the sqlcipher shell is not installed";
    shell.write("PRAGMA key = 'secret1';\nPRAGMA kdf_iter = 256000;\nPRAGMA cipher_page_size = 4096;\n"
                "SELECT Name FROM Groups ORDER BY Name;\n.quit\n");
    shell.closeWriteChannel();
    ASSERT_TRUE(shell.waitForFinished());
    EXPECT_EQ(QString::fromUtf8(shell.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts),
              (QStringList{"Email Accounts", "Misc Accounts", "Web Discussion Boards", "Web Subscriptions"}));
}

TEST(EngineCheck, TheLinkedEngineEncrypts)
{
    EXPECT_FALSE(EngineFilesMissing());
}

struct BadFile {
    const char* name;
    QByteArray (*make)(const QString& goodFile);
};

QByteArray plainSqlite(const QString& dirPath)
{
    const QString p = dirPath + "/plain.sqlite";
    QProcess::execute("sqlcipher", {p, "CREATE TABLE Groups(GroupID, Name);"});
    QFile f(p);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

class BadDatabaseFile : public ::testing::TestWithParam<BadFile> { };

TEST_P(BadDatabaseFile, IsRefusedAndLeftAsItWas)
{
    test::TempDir dir;
    const QString good = dir.file("good.pdb");
    CreatePasswordDatabase(good, "secret1", true);
    const QByteArray bytes = GetParam().make(good);
    dir.write("bad.pdb", bytes);
    EXPECT_THROW(
        {
            auto db = Connection::open(dir.file("bad.pdb"), "secret1");
            CheckPasswordDatabase(*db);
        },
        SqlError);
    EXPECT_EQ(dir.read("bad.pdb"), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, BadDatabaseFile,
    ::testing::Values(BadFile{"empty", [](const QString&) { return QByteArray(); }},
                      BadFile{"threeBytes", [](const QString&) { return QByteArray("abc"); }},
                      BadFile{"random", [](const QString&) { return test::randomBytes(8192, 7); }},
                      BadFile{"truncated",
                              [](const QString& good) {
                                  QFile f(good);
                                  f.open(QIODevice::ReadOnly);
                                  return f.readAll().left(1500);
                              }},
                      BadFile{"plainSqlite", [](const QString& good) { return plainSqlite(QFileInfo(good).path()); }}),
    [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
