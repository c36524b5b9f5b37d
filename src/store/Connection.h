#pragma once

#include "Statement.h"

#include <QString>
#include <memory>

struct sqlite3;

namespace lw {

class Clock;
struct SqlFunctionState;

// The key derivation strength of every database file the program writes.
inline constexpr int kKdfIterations = 256000;
// The page size of every database file the program writes. Files of earlier
// builds have the engine's former default and keep opening.
inline constexpr int kDatabasePageSize = 4096;
inline constexpr int kLegacyPageSize = 1024;

// The strength this process derives keys with: kKdfIterations unless a test
// lowers it to afford thousands of unlocks (a file opens only with the
// strength it was written with). The program never changes it.
int KdfIterations();
void SetKdfIterations(int iterations);

// No database file is shorter than the engine's smallest page.
inline constexpr qint64 kMinDatabaseBytes = 512;

// One keyed connection to a database file, held exclusively by this process.
class Connection {
public:
    // Opens an existing file, never creating or growing one. A wrong password,
    // a file that is no database (or too small to be one) or a file another
    // process holds fails at once with an SqlError.
    static std::unique_ptr<Connection> open(const QString& path, const QString& password, const Clock* clock = nullptr);
    // Creates a new, empty keyed database, owner-only; the file must not exist.
    static std::unique_ptr<Connection> create(const QString& path, const QString& password,
                                              const Clock* clock = nullptr);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Runs one or more statements that return no rows.
    void exec(const QString& sql);
    Statement prepare(const QString& sql);
    // Runs a query and returns the first column of its first row (null when none).
    QVariant scalar(const QString& sql);

    qint64 lastInsertId() const;
    int changes() const;
    bool hasTable(const QString& name);
    const QString& path() const { return path_; }

    // The engine's full integrity check; anything but "ok" is an error.
    void checkIntegrity();
    // Writes a compacted copy of the whole database into a new keyed file.
    void exportTo(const QString& targetPath, const QString& password);
    // Writes a compacted copy into the existing, empty file at targetPath
    // under this database's own key (no second key derivation) and with the
    // program's page size, then runs finishSql on it (schema "compacted").
    // The copy is not synced: the caller syncs it before putting it in place.
    void exportCopy(const QString& targetPath, const QString& finishSql = {});
    int pageSize();
    // Changes the database password.
    void rekey(const QString& newPassword);

private:
    Connection(sqlite3* db, QString path, SqlFunctionState* functions);
    void attachAndExport(const QString& targetPath, const QString* password, const QString& finishSql);
    static std::unique_ptr<Connection> connect(const QString& path, const QString& password, const Clock* clock,
                                               int flags);
    sqlite3* db_;
    QString path_;
    SqlFunctionState* functions_;
};

// True when the engine linked in cannot open encrypted databases.
bool EngineFilesMissing();

} // namespace lw
