#include "Compaction.h"

#include "BusyCursor.h"
#include "Connection.h"
#include "FileCopy.h"
#include "Messages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace lw {

void CompactDatabase(const QString& path, const QString& password, Messages& messages)
{
    BusyCursor busy;
    const QString temp = QFileInfo(path).dir().filePath(QLatin1String(kCompactionFileName));
    {
        auto db = Connection::open(path, password);
        db->checkIntegrity();
        if (QFile::exists(temp))
            QFile::remove(temp);
        db->exportTo(temp, password);
    }
    ProcessPendingEvents();
    const QString result = CopyFileChecked(temp, path);
    if (IsCopyFailure(result))
        messages.ShowInfo(result);
    else
        QFile::remove(temp);
}

} // namespace lw
