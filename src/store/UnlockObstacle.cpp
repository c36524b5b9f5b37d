#include "UnlockObstacle.h"

#include <QFile>
#include <QFileInfo>

#include <sys/statvfs.h>
#include <unistd.h>

namespace lw {

QString UnlockObstacle(const QString& databasePath)
{
    const QFileInfo file(databasePath);
    if (!file.isFile())
        return {};
    // The file is replaced by its unscrambled copy, its journal is written
    // beside it, and the close writes its scrambled copy there again.
    const QByteArray folder = QFile::encodeName(file.absolutePath());
    if (::access(folder.constData(), W_OK) != 0)
        return QStringLiteral("The database \"%1\" cannot be unlocked: its folder is read-only.\r\n"
                              "The file is left as it was.")
            .arg(databasePath);
    if (::access(QFile::encodeName(databasePath).constData(), W_OK) != 0)
        return QStringLiteral("The database \"%1\" cannot be unlocked: the file is read-only.\r\n"
                              "The file is left as it was.")
            .arg(databasePath);
    struct statvfs fs { };
    if (::statvfs(folder.constData(), &fs) == 0) {
        const qint64 free = qint64(fs.f_bavail) * qint64(fs.f_frsize);
        if (free < file.size())
            return QStringLiteral("The database \"%1\" cannot be unlocked: the disk is full.\r\n"
                                  "Its unscrambled copy needs %2 bytes, and %3 bytes are free. "
                                  "The file is left as it was.")
                .arg(databasePath)
                .arg(file.size())
                .arg(free);
    }
    return {};
}

} // namespace lw
