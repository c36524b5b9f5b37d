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
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/lockwell";
    QDir().mkpath(folder);
    return folder;
}

QString StartFolderFor(const QString& programDir)
{
    const QFileInfo program(programDir);
    const QString path = program.canonicalFilePath();
    bool system = path.isEmpty();
    for (const char* top : {"/usr", "/bin", "/sbin", "/lib", "/lib64", "/opt", "/snap", "/nix", "/etc", "/var"})
        system = system || path == QLatin1String(top) || path.startsWith(QLatin1String(top) + '/');
    if (!system && program.isDir() && program.isWritable())
        return programDir;
    return QDir::homePath();
}

QString SettingsFilePath(const QString& folder)
{
    return QDir(folder).filePath("lw.ini");
}

} // namespace lw
