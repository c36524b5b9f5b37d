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

bool IsInstalledProgramFolder(const QString& programDir)
{
    const QFileInfo program(programDir);
    const QString path = program.canonicalFilePath();
    if (path.isEmpty() || !program.isDir() || !program.isWritable())
        return true;
    for (const char* top : {"/usr", "/bin", "/sbin", "/lib", "/lib64", "/opt", "/snap", "/nix", "/etc"})
        if (path == QLatin1String(top) || path.startsWith(QLatin1String(top) + '/'))
            return true;
    return false;
}

QString SettingsFolderFor(const QString& programDir)
{
    if (!IsInstalledProgramFolder(programDir))
        return programDir;
    QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/lockwell";
    QDir().mkpath(folder);
    return folder;
}

QString StartFolderFor(const QString& programDir)
{
    if (!IsInstalledProgramFolder(programDir))
        return programDir;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString SettingsFilePath(const QString& folder)
{
    return QDir(folder).filePath("lw.ini");
}

} // namespace lw
