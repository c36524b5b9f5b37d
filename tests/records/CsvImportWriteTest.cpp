#include "records/CsvExport.h"
#include "records/CsvImport.h"
#include "settings/Error.h"
#include "store/Schema.h"
#include "support/DataModuleFixture.h"
#include "support/FileSizeLimit.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <cstdio>
#include <sys/stat.h>

using namespace lw;
using lw::test::DataModuleTest;

namespace {

using Rows = std::vector<QStringList>;

// Every account with its group, in the order they were added.
Rows accountRows(Connection& db)
{
    Statement st = db.prepare("SELECT g.Name, p.Description, p.ID, p.Password, p.URL, p.Notes, p.AssignDate, "
                              "p.ExpireDate FROM Groups g JOIN Passwords p ON g.GroupID = p.GroupID "
                              "ORDER BY p.PasswordID;");
    Rows rows;
    while (st.step()) {
        QStringList row;
        for (int c = 0; c < 8; ++c)
            row << (st.value(c).isNull() ? QString("<null>") : st.value(c).toString());
        rows.push_back(row);
    }
    return rows;
}

QStringList groupNames(Connection& db)
{
    Statement st = db.prepare("SELECT Name FROM Groups ORDER BY GroupID;");
    QStringList names;
    while (st.step())
        names << st.value(0).toString();
    return names;
}

// A field as KeePassXC writes it.
QByteArray quoted(const QString& text)
{
    return '"' + QString(text).replace("\"", "\"\"").toUtf8() + '"';
}

// A KeePassXC 2.7 export of `count` entries in nested groups, with the
// values that need quoting.
QByteArray keePassXcExport(int count)
{
    QByteArray file = "\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\",\"TOTP\",\"Icon\","
                      "\"Last Modified\",\"Created\"\n";
    for (int i = 0; i < count; ++i) {
        const QString group = QString("Root/Area %1/Team %2").arg(i % 3).arg(i % 7);
        const QStringList fields = {group,
                                    QString("Entry %1, \"quoted\"").arg(i),
                                    i % 4 ? QString("user%1@example.org").arg(i) : QString(),
                                    QString("p,w\"%1\n").arg(i),
                                    QString("https://site%1.example/login?a=1,b=2").arg(i),
                                    i % 2 ? QString("note %1\nsecond line, with comma").arg(i) : QString(),
                                    QString(),
                                    "0",
                                    "2025-01-02T10:00:00Z",
                                    "2025-01-02T10:00:00Z"};
        QByteArrayList line;
        for (const QString& f : fields)
            line << quoted(f);
        file += line.join(',') + '\n';
    }
    return file;
}

class CsvImportWriteTest : public DataModuleTest {
protected:
    // A second database without groups, for round trips.
    std::unique_ptr<Connection> emptyDatabase(const QString& name)
    {
        CreatePasswordDatabase(dir.file(name), "secret1", false);
        return Connection::open(dir.file(name), "secret1", &clock);
    }
    CsvImport parse(const QByteArray& bytes) { return CsvImport::Parse(bytes, ImportColumns::Of(*db)); }
};

TEST_F(CsvImportWriteTest, TheLimitsAreThoseOfTheDatabase)
{
    const ImportColumns c = ImportColumns::Of(*db);
    EXPECT_EQ(c.groupName, 50);
    ASSERT_EQ(c.texts.size(), 4u);
    for (const FieldDef& f : c.texts) {
        EXPECT_EQ(f.type, FieldType::Text) << f.name.toStdString();
        EXPECT_EQ(f.size, 100) << f.name.toStdString();
    }
}

TEST_F(CsvImportWriteTest, AccountsGoIntoTheirGroupsAnExistingOneFoundWithoutRegardToCase)
{
    const CsvImport import = parse("folder,type,name,notes,login_uri,login_username,login_password\n"
                                   "email accounts,login,Mail,,https://mail.example,me,pw\n"
                                   "Work/Banking,login,Bank,a note,,,\n"
                                   "Work/BANKING,login,Bank,,,,\n");
    clock.time = QDateTime(QDate(2026, 3, 4), QTime(15, 16, 17));
    import.Write(*db, clock.now());

    EXPECT_EQ(groupNames(*db), (QStringList{"Email Accounts", "Web Discussion Boards", "Misc Accounts",
                                            "Web Subscriptions", "Banking"}));
    const QString date = "2026-03-04 00:00:00";
    EXPECT_EQ(accountRows(*db),
              (Rows{{"Email Accounts", "Mail", "me", "pw", "https://mail.example", "<null>", date, "<null>"},
                    {"Banking", "Bank", "<null>", "<null>", "<null>", "a note", date, "<null>"},
                    {"Banking", "Bank", "<null>", "<null>", "<null>", "<null>", date, "<null>"}}));
}

TEST_F(CsvImportWriteTest, AFailurePartWayAddsNothing)
{
    db->exec("CREATE TRIGGER refuse BEFORE INSERT ON Passwords WHEN substr(NEW.Description, 1, 10) = 'Entry 300,' "
             "BEGIN SELECT RAISE(ABORT, 'the disk went away'); END;");
    const CsvImport import = parse(keePassXcExport(500));
    try {
        import.Write(*db, clock.now());
        ADD_FAILURE() << "the write went through";
    } catch (const Error& e) {
        EXPECT_TRUE(e.message().contains("the disk went away")) << e.message().toStdString();
    }
    EXPECT_EQ(groupNames(*db).size(), 4);
    EXPECT_TRUE(accountRows(*db).empty());
    db->exec("DROP TRIGGER refuse;");
    import.Write(*db, clock.now()); // the connection is usable again
    EXPECT_EQ(accountRows(*db).size(), 500u);
}

TEST_F(CsvImportWriteTest, AnExportImportsBackAsTheSameRows)
{
    Statement add = db->prepare("INSERT INTO Passwords (GroupID, Description, ID, Password, URL, Notes, AssignDate) "
                                "VALUES (?1, ?2, ?3, ?4, ?5, ?6, '2026-12-11 00:00:00');");
    const std::vector<QVariantList> accounts = {
        {1, "Mail, \"home\"", "me", "a,b\"c", "https://mail.example", "line one\nline two\r\nthree"},
        {1, "Blanks", " user ", " pw ", QVariant(), QVariant()},
        {3, "Müller €", "", "😀", "", ""},
        {4, "Only", QVariant(), QVariant(), QVariant(), "\"quoted note\""}};
    for (const QVariantList& a : accounts) {
        for (int i = 0; i < a.size(); ++i)
            add.bindAt(i + 1, a[i]);
        add.step();
        add.reset();
    }
    const QByteArray exported = AccountsCsv(*db);
    EXPECT_TRUE(exported.startsWith("\"Group\",\"Title\",\"Username\",\"Password\",\"URL\",\"Notes\"\n"));
    EXPECT_TRUE(exported.contains("\"Root/Email Accounts\",\"Blanks\",\" user \",\" pw \",\"\",\"\"\n"));

    auto other = emptyDatabase("other.pdb");
    CsvImport::Parse(exported, ImportColumns::Of(*other)).Write(*other, clock.now());
    EXPECT_EQ(AccountsCsv(*other), exported);
    Rows before = accountRows(*db), after = accountRows(*other);
    auto text = [](Rows rows) { // null and empty are the same text
        for (QStringList& r : rows)
            r.replaceInStrings("<null>", "");
        std::sort(rows.begin(), rows.end());
        return rows;
    };
    EXPECT_EQ(text(after), text(before));
}

TEST_F(CsvImportWriteTest, AKeePassXcExportOf500EntriesImportsIntoTheRightGroupsAndBackUnchanged)
{
    auto first = emptyDatabase("first.pdb");
    QElapsedTimer timer;
    timer.start();
    const CsvImport import = CsvImport::Parse(keePassXcExport(500), ImportColumns::Of(*first));
    import.Write(*first, clock.now());
    std::printf("FIGURES import of 500 KeePassXC entries: %lld ms\n", timer.elapsed());
    EXPECT_TRUE(import.skipped().empty());
    EXPECT_EQ(import.Summary({}).section("\r\n", 0, 0), "500 accounts in 7 groups will be added; 0 rows skipped");

    Statement st = first->prepare("SELECT g.Name, COUNT(*) FROM Groups g JOIN Passwords p ON g.GroupID = p.GroupID "
                                  "GROUP BY g.Name ORDER BY g.Name;");
    QStringList counts;
    while (st.step())
        counts << st.value(0).toString() + "=" + st.value(1).toString();
    EXPECT_EQ(counts,
              (QStringList{"Team 0=72", "Team 1=72", "Team 2=72", "Team 3=71", "Team 4=71", "Team 5=71", "Team 6=71"}));
    const Rows rows = accountRows(*first);
    ASSERT_EQ(rows.size(), 500u);
    EXPECT_EQ(rows[9], (QStringList{"Team 2", "Entry 9, \"quoted\"", "user9@example.org", "p,w\"9\n",
                                    "https://site9.example/login?a=1,b=2", "note 9\nsecond line, with comma",
                                    "2026-12-11 00:00:00", "<null>"}));

    const QByteArray exported = AccountsCsv(*first);
    auto second = emptyDatabase("second.pdb");
    CsvImport::Parse(exported, ImportColumns::Of(*second)).Write(*second, clock.now());
    EXPECT_EQ(accountRows(*second).size(), 500u);
    EXPECT_EQ(AccountsCsv(*second), exported);
}

TEST_F(CsvImportWriteTest, FiveThousandRowsImportInOneGo)
{
    QByteArray file = "name,url,username,password,note\n";
    for (int i = 0; i < 5000; ++i)
        file += QString("site%1.example,https://site%1.example/,user%1,\"pw,%1\",\"note\n%1\"\n").arg(i).toUtf8();
    QElapsedTimer timer;
    timer.start();
    const CsvImport import = parse(file);
    const qint64 parsed = timer.elapsed();
    import.Write(*db, clock.now());
    std::printf("FIGURES import of 5000 browser rows: %lld ms (%lld ms reading)\n", timer.elapsed(), parsed);
    const Rows rows = accountRows(*db);
    ASSERT_EQ(rows.size(), 5000u);
    EXPECT_EQ(rows.back().mid(0, 6), (QStringList{"Imported", "site4999.example", "user4999", "pw,4999",
                                                  "https://site4999.example/", "note\n4999"}));
}

TEST_F(CsvImportWriteTest, TheExportIsForItsOwnerOnlyAndReplacesAnOldFile)
{
    addAccounts("Misc Accounts", {"one", "two"});
    const QString out = dir.file("out.csv");
    dir.write("out.csv", "old content");
    QFile::setPermissions(out, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_EQ(ExportAccountsCsv(*db, out), 2);
    EXPECT_EQ(dir.read("out.csv"), AccountsCsv(*db));
    struct stat st { };
    ASSERT_EQ(::stat(QFile::encodeName(out).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0600u);
}

TEST_F(CsvImportWriteTest, AnExportThatFailsKeepsTheOldFile)
{
    addAccounts("Misc Accounts", {QString(90, 'x'), QString(90, 'y')});
    const QString out = dir.file("out.csv");
    dir.write("out.csv", "old content");
    {
        test::FileSizeLimit limit(100); // the disk fills part way
        EXPECT_THROW(ExportAccountsCsv(*db, out), Error);
    }
    EXPECT_EQ(dir.read("out.csv"), "old content");
    EXPECT_EQ(QDir(dir.path()).entryList({"out.csv*"}, QDir::Files | QDir::Hidden), QStringList{"out.csv"});
}

} // namespace
