#pragma once

#include "settings/IniFile.h"

#include <QString>

namespace lw {

// Remembers which database file the program uses: "alias.ini" in the settings
// folder, section "lw", with the database's full path under "Path" and
// "Exclusive" = "True" written with it. It survives restarts.
class AliasStore {
public:
    explicit AliasStore(const QString& settingsFolder);

    // The stored path, or "" when none is stored or the file cannot be read.
    QString GetDatabasePath() const;
    void SetDatabasePath(const QString& path);
    // True when the stored path names an existing file.
    bool IsDatabaseConfigured() const;

private:
    IniFile file_;
};

} // namespace lw
