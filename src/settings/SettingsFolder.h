#pragma once

#include <QString>

namespace lw {

// True when the program runs from where a package installed it: a system
// folder (under /usr, /opt and the like) or a folder it may not write to.
bool IsInstalledProgramFolder(const QString& programDir);

// The folder of the settings file, the alias and the access log: the
// program's own folder, or "$XDG_CONFIG_HOME/lockwell" (by default
// "~/.config/lockwell"), created when missing, for an installed program.
QString SettingsFolder();
QString SettingsFolderFor(const QString& programDir);

// The folder the file dialogs start in before one was used: the program's
// own folder, or the user's documents folder (the home folder when there is
// none) for an installed program.
QString StartFolderFor(const QString& programDir);

// The settings file "lw.ini" in that folder.
QString SettingsFilePath(const QString& folder);

} // namespace lw
