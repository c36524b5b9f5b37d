#pragma once

#include "records/RecordWindow.h"
#include "store/DatabaseHooks.h"
#include "store/Messages.h"
#include "store/SoundPlayer.h"

#include <QString>

namespace lw::bench {

inline constexpr int kGroups = 50;
inline constexpr int kAccountsPerGroup = 2000;
inline constexpr int kAccounts = kGroups * kAccountsPerGroup;
// One account in this many has expired; the rest expire in 2027.
inline constexpr int kExpiredEvery = 100;
inline constexpr const char* kPassword = "benchmark";

// The name of group g (0 to kGroups - 1) of the large database.
QString GroupName(int g);

// A plain (unscrambled) database of 100,000 accounts in 50 groups of 2,000,
// written by this build's CreatePasswordDatabase. It is built once and kept
// in the system's temporary folder under a name that carries the program's
// file format, so that later runs reuse it. Callers copy it before changing it.
// A few hundred accounts carry the word "zebracorn" in their notes; the
// maintenance countdown is set so high that no close compacts.
const QString& LargeDatabaseFile();

// Makes the application, once, on the offscreen platform, for benchmarks of
// widgets or of the printer's PDF mode.
void NeedApplication();

// Copies `source` to `target` (replacing it) and syncs the copy to disk.
void CopyAndSync(const QString& source, const QString& target);

// Services that answer nothing and show nothing.
class NoMessages : public Messages {
public:
    void ShowInfo(const QString&) override { }
    void ShowPlain(const QString&) override { }
    bool Confirm(const QString&) override { return false; }
    bool AskYesNo(const QString&) override { return false; }
    bool AskOkCancel(const QString&) override { return false; }
    SaveAnswer AskSave(const QString&) override { return SaveAnswer::Yes; }
};

class NoSounds : public SoundPlayer {
public:
    bool hasOutputDevice() const override { return false; }
    void play(const QString&) override { }
};

class NoWindow : public RecordWindow {
public:
    void EnableDatabaseControls(bool) override { }
    void SetSaveEnabled(bool) override { }
    void SetGroupDropDownCount(int) override { }
    void SetStatusText(const QString&) override { }
};

} // namespace lw::bench
