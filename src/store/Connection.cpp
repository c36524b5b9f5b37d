#include "Connection.h"

#include "SecretWipe.h"
#include "SqlDialect.h"
#include "SqlError.h"
#include "SqlFunctions.h"

#include "settings/SystemError.h"

#include <QFile>
#include <QFileInfo>
#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sqlite3.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lw {
namespace {

[[noreturn]] void failOpen(sqlite3* db, const QString& path)
{
    const QString msg = QString::fromUtf8(db ? sqlite3_errmsg(db) : "out of memory");
    sqlite3_close(db);
    throw SqlError(QStringLiteral("Cannot open %1: %2").arg(path, msg));
}

void runRaw(sqlite3* db, const char* sql)
{
    char* err = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : sqlite3_errmsg(db));
        sqlite3_free(err);
        throw SqlError(msg);
    }
}

// Reading the schema is the first access that needs the key: a wrong
// password or a file that is no database fails here. A file of an earlier
// build has the former page size; the key derived for the first try serves
// the second, so a wrong password still costs one derivation.
void readSchema(sqlite3* db)
{
    const auto tryPageSize = [db](int size) {
        runRaw(db, QByteArray("PRAGMA cipher_page_size = " + QByteArray::number(size) + ";").constData());
        runRaw(db, "SELECT count(*) FROM sqlite_master;");
    };
    try {
        tryPageSize(kDatabasePageSize);
    } catch (const SqlError&) {
        tryPageSize(kLegacyPageSize);
    }
}

std::atomic<int> gKdfIterations{kKdfIterations};

} // namespace

int KdfIterations()
{
    return gKdfIterations;
}
void SetKdfIterations(int iterations)
{
    gKdfIterations = iterations;
}

Connection::Connection(sqlite3* db, QString path, SqlFunctionState* functions)
    : db_(db), path_(std::move(path)), functions_(functions)
{
}

Connection::~Connection()
{
    sqlite3_close_v2(db_);
}

std::unique_ptr<Connection> Connection::connect(const QString& path, const QString& password, const Clock* clock,
                                                int flags)
{
    sqlite3* db = nullptr;
    const QByteArray file = QFile::encodeName(path);
    if (sqlite3_open_v2(file.constData(), &db, flags, nullptr) != SQLITE_OK)
        failOpen(db, path);
    sqlite3_busy_timeout(db, 0);
    const SecretBytes key(password.toUtf8());
    SqlFunctionState* functions = nullptr;
    try {
        if (sqlite3_key(db, key.data(), key.size()) != SQLITE_OK)
            throw SqlError(QString::fromUtf8(sqlite3_errmsg(db)));
        runRaw(db, QByteArray("PRAGMA kdf_iter = " + QByteArray::number(KdfIterations()) + ";").constData());
        readSchema(db);
        runRaw(db, "PRAGMA foreign_keys = ON;");
        // Every page read is decrypted; keep the pages of a few groups.
        runRaw(db, "PRAGMA cache_size = -16384;");
        runRaw(db, "PRAGMA locking_mode = EXCLUSIVE;");
        runRaw(db, "BEGIN EXCLUSIVE; COMMIT;");
        functions = InstallSqlFunctions(db, clock);
    } catch (const SqlError& e) {
        sqlite3_close(db);
        throw SqlError(QStringLiteral("Cannot open %1: %2").arg(path, e.message()));
    }
    return std::unique_ptr<Connection>(new Connection(db, path, functions));
}

std::unique_ptr<Connection> Connection::open(const QString& path, const QString& password, const Clock* clock)
{
    const QFileInfo info(path);
    if (!info.exists())
        throw SqlError(QStringLiteral("Cannot open %1: the file does not exist.").arg(path));
    if (!info.isFile())
        throw SqlError(QStringLiteral("Cannot open %1: it is not a file.").arg(path));
    // The engine would take a file shorter than its smallest page for a new
    // database and write to it.
    if (info.size() < kMinDatabaseBytes)
        throw SqlError(QStringLiteral("Cannot open %1: the file is too small to be a database.").arg(path));
    // Never created here: an existing file only (an attached file must exist too).
    return connect(path, password, clock, SQLITE_OPEN_READWRITE);
}

std::unique_ptr<Connection> Connection::create(const QString& path, const QString& password, const Clock* clock)
{
    // Created empty, exclusively and for the owner only; the engine takes an
    // empty file for a new database, and its journals take the file's mode.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd < 0) {
        if (errno == EEXIST)
            throw SqlError(QStringLiteral("Cannot create %1: the file already exists.").arg(path));
        throw SqlError(QStringLiteral("Cannot create %1: %2").arg(path, SystemReason(errno)));
    }
    const bool owned = ::fchmod(fd, 0600) == 0;
    ::close(fd);
    try {
        if (!owned)
            throw SqlError(QStringLiteral("Cannot create %1: %2").arg(path, SystemReason(errno)));
        return connect(path, password, clock, SQLITE_OPEN_READWRITE);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
}

void Connection::exec(const QString& sql)
{
    char* err = nullptr;
    const QByteArray text = TranslateQuotedLiterals(sql).toUtf8();
    if (sqlite3_exec(db_, text.constData(), nullptr, nullptr, &err) != SQLITE_OK) {
        const QString msg = QString::fromUtf8(err ? err : sqlite3_errmsg(db_));
        sqlite3_free(err);
        throw SqlError(msg);
    }
}

Statement Connection::prepare(const QString& sql)
{
    return Statement(db_, sql);
}

QVariant Connection::scalar(const QString& sql)
{
    Statement st = prepare(sql);
    return st.step() ? st.value(0) : QVariant();
}

qint64 Connection::lastInsertId() const
{
    return sqlite3_last_insert_rowid(db_);
}

int Connection::changes() const
{
    return sqlite3_changes(db_);
}

bool Connection::hasTable(const QString& name)
{
    Statement st =
        prepare(QStringLiteral("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE"));
    st.bindAt(1, name);
    return st.step();
}

void Connection::checkIntegrity()
{
    Statement st = prepare(QStringLiteral("PRAGMA main.integrity_check;"));
    const QString first = st.step() ? st.value(0).toString() : QString();
    if (first != QLatin1String("ok"))
        throw SqlError(QStringLiteral("The database %1 is damaged: %2").arg(path_, first));
}

void Connection::exportTo(const QString& targetPath, const QString& password)
{
    // The engine only opens existing files; a new target starts empty.
    bool created = false;
    if (!QFileInfo::exists(targetPath)) {
        const int fd = ::open(QFile::encodeName(targetPath).constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
        if (fd < 0)
            throw SqlError(QStringLiteral("Cannot create %1: %2").arg(targetPath, SystemReason(errno)));
        ::close(fd);
        created = true;
    }
    try {
        attachAndExport(targetPath, &password, {});
    } catch (...) {
        if (created)
            QFile::remove(targetPath);
        throw;
    }
}

void Connection::exportCopy(const QString& targetPath, const QString& finishSql)
{
    attachAndExport(targetPath, nullptr, finishSql);
}

int Connection::pageSize()
{
    return scalar(QStringLiteral("PRAGMA page_size;")).toInt();
}

// Without a password the copy takes this database's derived key and salt, so
// that no second key derivation is needed.
void Connection::attachAndExport(const QString& targetPath, const QString* password, const QString& finishSql)
{
    Statement attach = prepare(password ? QStringLiteral("ATTACH DATABASE ?1 AS compacted KEY ?2;")
                                        : QStringLiteral("ATTACH DATABASE ?1 AS compacted;"));
    attach.bindAt(1, targetPath);
    // The key outlives the statement that reads it.
    std::optional<SecretBytes> key;
    if (password) {
        key.emplace(password->toUtf8());
        attach.bindSecretAt(2, *key);
    }
    attach.step();
    try {
        if (password)
            exec(QStringLiteral("PRAGMA compacted.kdf_iter = %1;").arg(KdfIterations()));
        exec(QStringLiteral("PRAGMA compacted.cipher_page_size = %1;").arg(kDatabasePageSize));
        // A copy that fails part way is thrown away whole, and a finished one
        // is synced once by its caller: no journal, no syncs of its own.
        exec(QStringLiteral("PRAGMA compacted.journal_mode = OFF; PRAGMA compacted.synchronous = OFF;"));
        {
            const StatementNoticeOff off(db_, functions_);
            scalar(QStringLiteral("SELECT sqlcipher_export('compacted');"));
        }
        if (!finishSql.isEmpty())
            exec(finishSql);
    } catch (...) {
        exec(QStringLiteral("DETACH DATABASE compacted;"));
        throw;
    }
    exec(QStringLiteral("DETACH DATABASE compacted;"));
}

void Connection::rekey(const QString& newPassword)
{
    const SecretBytes key(newPassword.toUtf8());
    if (sqlite3_rekey(db_, key.data(), key.size()) != SQLITE_OK)
        throw SqlError(QString::fromUtf8(sqlite3_errmsg(db_)));
}

bool EngineFilesMissing()
{
    try {
        sqlite3* db = nullptr;
        if (sqlite3_open(":memory:", &db) != SQLITE_OK) {
            sqlite3_close(db);
            return true;
        }
        std::unique_ptr<sqlite3, int (*)(sqlite3*)> guard(db, sqlite3_close);
        if (sqlite3_key(db, "check", 5) != SQLITE_OK)
            return true;
        sqlite3_stmt* st = nullptr;
        if (sqlite3_prepare_v2(db, "PRAGMA cipher_version;", -1, &st, nullptr) != SQLITE_OK)
            return true;
        const bool hasVersion =
            sqlite3_step(st) == SQLITE_ROW && sqlite3_column_text(st, 0) && *sqlite3_column_text(st, 0);
        sqlite3_finalize(st);
        if (!hasVersion)
            return true;
        runRaw(db, "CREATE TABLE t(x); INSERT INTO t VALUES (1);");
        return false;
    } catch (const SqlError&) {
        return true;
    }
}

} // namespace lw
