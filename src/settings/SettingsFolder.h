#pragma once

#include <QString>

namespace lw {

// The folder of the settings file and the access log: the program's own
// folder when it may be written to, otherwise "$XDG_CONFIG_HOME/lockwell"
// (by default "~/.config/lockwell"), created when missing.
QString SettingsFolder();
QString SettingsFolderFor(const QString& programDir);

// The folder the file dialogs start in before one was used: the program's
// own folder, unless it cannot be written or is a system folder (an
// installed program), then the home folder.
QString StartFolderFor(const QString& programDir);

// The settings file "lw.ini" in that folder.
QString SettingsFilePath(const QString& folder);

} // namespace lw
