#pragma once

#include "FileLock.h"

#include <QString>
#include <memory>

namespace lw {

class AccessLog;
class AliasStore;
class Clock;
class Connection;
class DatabaseHooks;
class IniFile;
class Messages;
class SessionRecords;
class SoundPlayer;
class TCryptFile;

// The next value of the maintenance countdown kept in the options row.
struct MaintenanceStep {
    int count;
    bool compactNow;
};
MaintenanceStep CountDownMaintenance(int count, int frequency);

// Opens and closes the one database the program has open at a time: the file
// cipher, the keyed connection, the access log and sounds of each unlock, the
// maintenance countdown and compaction.
class DatabaseSession {
public:
    struct Services {
        AliasStore& alias;
        AccessLog& log;
        TCryptFile& cipher;
        IniFile& settings;
        SoundPlayer& sounds;
        Messages& messages;
        const Clock& clock;
    };

    DatabaseSession(Services services, DatabaseHooks& window, SessionRecords& records);
    ~DatabaseSession();

    // Locks the file, unscrambles, connects and opens the record layer. A
    // wrong password (or a file that is no database) sounds, logs "failed"
    // and throws SilentAbort. A file that is in use, read-only
    // or too big for the free space is refused with a message of its own and
    // left as it was. A failure after connecting undoes the whole unlock.
    void OpenDatabase(const QString& password);
    // Counts down, saves pending edits, disconnects, compacts when due and
    // scrambles the file. Only while a database is open. A compaction or a
    // scramble that fails is reported and leaves the file whole.
    void CloseDatabase();

    // The check on the way back from the tray: the database stays open and
    // the typed text is only compared with the master password. Sounds and
    // logs the outcome as an unlock does.
    bool CheckMasterPassword(const QString& typed);

    bool isOpen() const { return db_ != nullptr; }
    Connection& connection() const;

    // The master password of the database opened last: empty until the first
    // open, set by an open and by a password change, kept across a close.
    // The program needs it after the unlock: a close scrambles the file with
    // its key text, a compaction keys the new copy with it, and the way back
    // from the tray is checked against it. It is the one copy the program
    // keeps: the setter stores a copy of its own (sharing no buffer with a
    // dialog's box or the caller) and wipes the one it replaces; every other
    // copy (the boxes, the engine's key bytes, the cipher's key text) is
    // wiped after use.
    const QString& CurrentMasterPassword() const { return currentMasterPassword_; }
    void setCurrentMasterPassword(const QString& password);

    // Set by the main window from the "access" sound setting.
    bool AccessSoundsOn = true;
    unsigned DeniedSoundCount = 0;
    // "DENY" for the first three refusals, "BUZZ" up to the 1000th, then silence.
    void PlayAccessDeniedSound();
    void PlayGrantedSound();

private:
    bool unscramble(const QString& password, const QString& path);
    static void removeLeftovers(const QString& path) noexcept;
    void openSteps(const QString& password, std::unique_ptr<Connection> db);
    void rollBack(const QString& path, bool rescramble) noexcept;
    void refuse();
    QString granted();
    void scrambleAtClose(const QString& path);
    static MaintenanceStep countDown(Connection& db);

    Services s_;
    DatabaseHooks& hooks_;
    SessionRecords& records_;
    std::unique_ptr<Connection> db_;
    // Held from the unlock until the close has scrambled the file.
    FileLock lock_;
    QString currentMasterPassword_;
};

} // namespace lw
