#include "Schema.h"

#include "Connection.h"
#include "SqlError.h"

#include <QFile>

namespace lw {
namespace {

// Text columns compare without regard to case (NOCASE), refuse a longer text
// by a named check, and, unless zero-length text is allowed, refuse ''.
QString textColumn(const QString& name, int size, bool zeroLengthAllowed)
{
    QString sql = QStringLiteral("[%1] VARCHAR(%2) COLLATE NOCASE"
                                 " CONSTRAINT [%1 is longer than %2 characters] CHECK (length([%1]) <= %2)")
                      .arg(name)
                      .arg(size);
    if (!zeroLengthAllowed)
        sql += QStringLiteral(" CONSTRAINT [%1 may not be an empty text] CHECK ([%1] <> '')").arg(name);
    return sql;
}

QString booleanColumn(const QString& name)
{
    return QStringLiteral("[%1] BOOLEAN CONSTRAINT [%1 must be true or false] CHECK ([%1] IN (0, 1))").arg(name);
}

QString optionsTable()
{
    return QStringLiteral("CREATE TABLE Options (\n  %1,\n  %2,\n  %3,\n"
                          "  DBMaintCount INTEGER,\n  DBMaintFreq INTEGER,\n"
                          "  showpassword INTEGER,\n  %4\n);\n")
        .arg(textColumn("Group", 50, false), textColumn("style", 12, false), booleanColumn("pwdsystray"),
             booleanColumn("promptpassword"));
}

QString groupsTable()
{
    return QStringLiteral("CREATE TABLE Groups (\n"
                          "  GroupID INTEGER CONSTRAINT [Groups] PRIMARY KEY AUTOINCREMENT,\n"
                          "  %1\n);\n")
        .arg(textColumn("Name", 50, false));
}

QString passwordsTable()
{
    return QStringLiteral("CREATE TABLE Passwords (\n"
                          "  GroupID INTEGER NOT NULL,\n"
                          "  PasswordID INTEGER PRIMARY KEY AUTOINCREMENT,\n"
                          "  %1,\n  %2,\n  %3,\n"
                          "  ExpireDate DATETIME,\n  AssignDate DATETIME,\n"
                          "  %4,\n  %5,\n  %6,\n"
                          "  Notes LONGTEXT COLLATE NOCASE,\n"
                          "  CONSTRAINT [GroupsPassword] FOREIGN KEY (GroupID) REFERENCES Groups (GroupID)"
                          " ON UPDATE CASCADE ON DELETE CASCADE\n);\n"
                          "CREATE UNIQUE INDEX [PrimaryKey] ON Passwords (GroupID, PasswordID);\n"
                          "CREATE INDEX [GroupKey] ON Passwords (GroupID);\n"
                          "CREATE INDEX [PasswordKey] ON Passwords (PasswordID);\n")
        .arg(textColumn("Description", 100, false), textColumn("ID", 100, true), textColumn("Password", 100, true),
             textColumn("URL", 100, true), textColumn("KeySequence", 100, true), booleanColumn("ShowAccount"));
}

} // namespace

const QStringList& SampleGroupNames()
{
    static const QStringList names = {"Email Accounts", "Web Discussion Boards", "Misc Accounts", "Web Subscriptions"};
    return names;
}

void CreatePasswordDatabase(const QString& path, const QString& masterPassword, bool sampleGroups)
{
    if (QFile::exists(path) && !QFile::remove(path))
        throw Error(QStringLiteral("Cannot replace %1.").arg(path));
    auto db = Connection::create(path, masterPassword);
    db->exec(QStringLiteral("BEGIN;"));
    db->exec(optionsTable() + groupsTable() + passwordsTable() + ExpireIndexStatement());
    db->exec(QStringLiteral("INSERT INTO Options (pwdsystray, style, DBMaintCount, DBMaintFreq,"
                            " showpassword, promptpassword) VALUES (1, 'None', 100, 100, 1, 1);"));
    if (sampleGroups) {
        Statement insert = db->prepare(QStringLiteral("INSERT INTO Groups (Name) VALUES (?1);"));
        for (const QString& name : SampleGroupNames()) {
            insert.bindAt(1, name);
            insert.step();
            insert.reset();
        }
        db->exec(QStringLiteral("UPDATE Options SET [Group] = 'Email Accounts';"));
    }
    db->exec(QStringLiteral("COMMIT;"));
}

QString ExpireIndexStatement(const QString& schemaName)
{
    return QStringLiteral("CREATE INDEX IF NOT EXISTS [%1].[ExpireKey] ON Passwords (ExpireDate);\n").arg(schemaName);
}

void CheckPasswordDatabase(Connection& db)
{
    for (const char* table : {"Groups", "Passwords", "Options"})
        if (!db.hasTable(QString::fromLatin1(table)))
            throw SqlError(QStringLiteral("%1 is not a password database.").arg(db.path()));
}

} // namespace lw
