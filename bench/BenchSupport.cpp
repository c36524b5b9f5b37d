#include "BenchSupport.h"

#include "store/Connection.h"
#include "store/Schema.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace lw::bench {
namespace {

// Raise when the rows below change; the program's own file format is part
// of the name as well.
constexpr int kContentVersion = 1;

QString cachedName()
{
    return QStringLiteral("lockwell-bench-large-v%1-page%2.pdb").arg(kContentVersion).arg(kDatabasePageSize);
}

void fill(Connection& db)
{
    db.exec("BEGIN;");
    Statement group = db.prepare("INSERT INTO Groups (Name) VALUES (?1);");
    for (int g = 0; g < kGroups; ++g) {
        group.bindAt(1, GroupName(g));
        group.step();
        group.reset();
    }
    // Accounts were added over the years to every group in turn, so a
    // group's rows are spread over the whole file.
    Statement account =
        db.prepare("INSERT INTO Passwords (GroupID, Description, ID, Password, URL, Notes, ExpireDate, AssignDate)"
                   " VALUES (?1, ?2, ?3, ?4, ?5, ?6, ?7, '2026-01-01 00:00:00');");
    for (int i = 0; i < kAccounts; ++i) {
        account.bindAt(1, i % kGroups + 1);
        account.bindAt(2, QStringLiteral("Account number %1").arg(i));
        account.bindAt(3, QStringLiteral("user%1@example.org").arg(i));
        account.bindAt(4, QStringLiteral("pw-%1-x9q").arg(i * 7919 % 100003));
        account.bindAt(5, QStringLiteral("https://site%1.example.com/login").arg(i % 997));
        account.bindAt(6, i % 300 == 0 ? QStringLiteral("remember the zebracorn question")
                                       : QStringLiteral("created by the import on a quiet day"));
        account.bindAt(7, i % kExpiredEvery == 7 ? QStringLiteral("2025-06-01 00:00:00")
                                                 : QStringLiteral("2027-01-01 00:00:00"));
        account.step();
        account.reset();
    }
    db.exec("UPDATE Options SET DBMaintCount = 1000000000, [Group] = 'Group 10';");
    db.exec("COMMIT;");
}

} // namespace

QString GroupName(int g)
{
    return QStringLiteral("Group %1").arg(g, 2, 10, QChar('0'));
}

const QString& LargeDatabaseFile()
{
    static const QString path = [] {
        const QString target = QDir::temp().filePath(cachedName());
        if (QFileInfo::exists(target))
            return target;
        const QString building = target + QStringLiteral(".building");
        QFile::remove(building);
        CreatePasswordDatabase(building, kPassword, false);
        {
            auto db = Connection::open(building, kPassword);
            fill(*db);
        }
        if (!QFile::rename(building, target))
            throw std::runtime_error("cannot keep the large benchmark database");
        return target;
    }();
    return path;
}

void CopyAndSync(const QString& source, const QString& target)
{
    QFile::remove(target);
    if (!QFile::copy(source, target))
        throw std::runtime_error("cannot copy the benchmark database");
    const int fd = ::open(QFile::encodeName(target).constData(), O_RDWR | O_CLOEXEC);
    if (fd < 0 || ::fdatasync(fd) != 0)
        throw std::runtime_error("cannot sync the benchmark copy");
    ::close(fd);
}

void NeedApplication()
{
    static int argc = 1;
    static char name[] = "lockwell_bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}

} // namespace lw::bench
