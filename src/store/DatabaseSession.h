#pragma once

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

    // Unscrambles, connects and opens the record layer. A refusal sounds,
    // logs "failed" and throws SilentAbort.
    void OpenDatabase(const QString& password);
    // Counts down, saves pending edits, disconnects, compacts when due and
    // scrambles the file. Only while a database is open.
    void CloseDatabase();

    // The check on the way back from the tray: the database stays open and
    // the typed text is only compared with the master password. Sounds and
    // logs the outcome as an unlock does.
    bool CheckMasterPassword(const QString& typed);

    bool isOpen() const { return db_ != nullptr; }
    Connection& connection() const;

    const QString& CurrentMasterPassword() const { return currentMasterPassword_; }
    void setCurrentMasterPassword(const QString& password) { currentMasterPassword_ = password; }

    // Set by the main window from the "access" sound setting.
    bool AccessSoundsOn = true;
    unsigned DeniedSoundCount = 0;
    // "DENY" for the first three refusals, "BUZZ" up to the 1000th, then silence.
    void PlayAccessDeniedSound();
    void PlayGrantedSound();

private:
    void openSteps(const QString& password);
    void refuse();
    void granted();
    static MaintenanceStep countDown(Connection& db);

    Services s_;
    DatabaseHooks& hooks_;
    SessionRecords& records_;
    std::unique_ptr<Connection> db_;
    QString currentMasterPassword_;
};

} // namespace lw
