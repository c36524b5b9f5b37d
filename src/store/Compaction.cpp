#include "Compaction.h"

#include "BusyCursor.h"
#include "Connection.h"
#include "FileLock.h"
#include "Schema.h"
#include "TCryptFile.h"
#include "settings/AtomicFile.h"

#include <QFileInfo>

namespace lw {

void CompactDatabase(const QString& path, const QString& password, FileLock* lock)
{
    CompactDatabase(Connection::open(path, password), lock);
}

void CompactDatabase(std::unique_ptr<Connection> db, FileLock* lock)
{
    BusyCursor busy;
    const QString path = db->path();
    const QString folder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    AtomicFile temp(path, folder + QLatin1String(kCompactionFileName));
    db->checkIntegrity();
    temp.open();
    db->exportCopy(temp.tempPath(), ExpireIndexStatement(QStringLiteral("compacted")));
    db.reset();
    ProcessPendingEvents();
    temp.commit();
    if (lock)
        lock->adopt(temp.releaseHandle());
}

void RemoveLeftoverFiles(const QString& databasePath)
{
    const QString folder = QFileInfo(databasePath).absolutePath();
    RemoveDeadTemporaries(folder, QLatin1String(kCompactionFileName));
    RemoveDeadTemporaries(folder, QLatin1String(kCipherTempName));
}

} // namespace lw
