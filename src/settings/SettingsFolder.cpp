#include "SettingsFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace lw {

QString SettingsFolder()
{
    return SettingsFolderFor(QCoreApplication::applicationDirPath());
}

QString SettingsFolderFor(const QString& programDir)
{
    QFileInfo program(programDir);
    if (!programDir.isEmpty() && program.isDir() && program.isWritable())
        return programDir;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                     + "/lockwell";
    QDir().mkpath(folder);
    return folder;
}

QString SettingsFilePath(const QString& folder)
{
    return QDir(folder).filePath("lw.ini");
}

} // namespace lw
