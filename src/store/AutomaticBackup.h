#pragma once

#include "settings/IniFile.h"
#include "store/AliasStore.h"
#include "store/Messages.h"

namespace lw {

// Run at every program close: while backups are on ("mode" "Yes" in section
// "Backup"), counts the closes and at every "interval"-th copies the database
// file into the backup folder "dir", reporting through message boxes.
void RunAutomaticBackup(IniFile& settings, const AliasStore& aliases, Messages& messages);

} // namespace lw
