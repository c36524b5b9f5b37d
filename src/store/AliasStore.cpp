#include "AliasStore.h"

#include <QDir>
#include <QFileInfo>

namespace lw {

namespace {
const QString kSection = "lw";
}

AliasStore::AliasStore(const QString& settingsFolder) : file_(QDir(settingsFolder).filePath("alias.ini"))
{
}

QString AliasStore::GetDatabasePath() const
{
    return file_.readString(kSection, "Path", "");
}

void AliasStore::SetDatabasePath(const QString& path)
{
    file_.writeString(kSection, "Path", path);
    file_.writeString(kSection, "Exclusive", "True");
}

bool AliasStore::IsDatabaseConfigured() const
{
    QString path = GetDatabasePath();
    return !path.isEmpty() && QFileInfo(path).isFile();
}

} // namespace lw
