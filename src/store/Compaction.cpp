#include "Compaction.h"

#include "BusyCursor.h"
#include "Connection.h"
#include "FileLock.h"
#include "TCryptFile.h"
#include "settings/AtomicFile.h"

#include <QFileInfo>

namespace lw {

void CompactDatabase(const QString& path, const QString& password, FileLock* lock)
{
    BusyCursor busy;
    const QString folder = QFileInfo(path).absolutePath() + QLatin1Char('/');
    AtomicFile temp(path, folder + QLatin1String(kCompactionFileName));
    {
        auto db = Connection::open(path, password);
        db->checkIntegrity();
        temp.open();
        db->exportTo(temp.tempPath(), password);
    }
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
