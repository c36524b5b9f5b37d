#include "AutomaticBackup.h"

#include "store/BusyCursor.h"
#include "store/FileCopy.h"

#include <QFileInfo>

namespace lw {
namespace {

const QString kSection = "Backup";
const QString kNotSet = "ERROR";
const QString kInvalidDir = "The backup directory path is invalid. Please specify a valid "
                            "directory path in File..Backup Database...";

// A folder that is set must exist; one of fewer than three characters is
// refused as well, as no copy could be placed there.
bool isInvalidFolder(const QString& dir)
{
    return dir != kNotSet && (dir.size() < 3 || !QFileInfo(dir).isDir());
}

QString targetIn(const QString& dir, const QString& fileName)
{
    return dir.endsWith('/') ? dir + fileName : dir + '/' + fileName;
}

} // namespace

void RunAutomaticBackup(IniFile& settings, const AliasStore& aliases, Messages& messages)
{
    if (settings.readString(kSection, "mode", kNotSet).compare("Yes", Qt::CaseInsensitive) != 0)
        return;

    const QString dir = settings.readString(kSection, "dir", kNotSet);
    if (isInvalidFolder(dir)) {
        messages.ShowInfo(kInvalidDir);
        return;
    }

    const int interval = settings.readInt(kSection, "interval", -1);
    if (interval < 1 || interval > 50)
        return;

    const int count = settings.readInt(kSection, "count", -1);
    if (count < 0 || count > 50) {
        settings.writeInt(kSection, "count", 1);
        return;
    }
    if (count != interval) {
        settings.writeInt(kSection, "count", count + 1);
        return;
    }

    const QString database = aliases.GetDatabasePath();
    ProcessPendingEvents();
    CopyResult result;
    {
        BusyCursor busy;
        result = CopyFileChecked(database, targetIn(dir, QFileInfo(database).fileName()));
    }
    if (!result.ok) {
        messages.ShowInfo(result.text); // the count stays due, so the next close tries again
        return;
    }
    if (settings.readBool(kSection, "Confirmation", true))
        messages.ShowInfo("File Backed Up successfully!");
    settings.writeInt(kSection, "count", 1);
}

} // namespace lw
