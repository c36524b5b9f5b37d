#include "DatabaseSession.h"

#include "AccessLog.h"
#include "AliasStore.h"
#include "Compaction.h"
#include "Connection.h"
#include "DatabaseFileCipher.h"
#include "DatabaseHooks.h"
#include "Schema.h"
#include "SessionRecords.h"
#include "SoundPlayer.h"
#include "settings/Error.h"
#include "settings/IniFile.h"

namespace lw {

MaintenanceStep CountDownMaintenance(int count, int frequency)
{
    if (count == 0)
        return {frequency, true};
    return {count - 1, false};
}

DatabaseSession::DatabaseSession(Services services, DatabaseHooks& window, SessionRecords& records)
    : s_(services), hooks_(window), records_(records)
{
}

DatabaseSession::~DatabaseSession() = default;

Connection& DatabaseSession::connection() const
{
    if (!db_)
        throw Error(QStringLiteral("No database is open."));
    return *db_;
}

void DatabaseSession::PlayGrantedSound()
{
    if (AccessSoundsOn && s_.sounds.hasOutputDevice())
        s_.sounds.play(QStringLiteral("GRANT"));
}

void DatabaseSession::PlayAccessDeniedSound()
{
    ++DeniedSoundCount;
    if (DeniedSoundCount > 1000)
        return;
    const QString sound = DeniedSoundCount <= 3 ? QStringLiteral("DENY") : QStringLiteral("BUZZ");
    if (s_.sounds.hasOutputDevice())
        s_.sounds.play(sound);
}

void DatabaseSession::OpenDatabase(const QString& password)
{
    try {
        openSteps(password);
    } catch (const std::exception&) {
        refuse();
        throw SilentAbort();
    }
}

void DatabaseSession::openSteps(const QString& password)
{
    const QString path = s_.alias.GetDatabasePath();
    DecryptDatabaseFile(s_.cipher, password, path);
    auto db = Connection::open(path, password, &s_.clock);
    CheckPasswordDatabase(*db);
    db->checkIntegrity(Connection::Integrity::Quick);
    db_ = std::move(db);
    // Known from here on: the file is ours and this is its password, so a later
    // close scrambles it with the right key even if a step below fails.
    currentMasterPassword_ = password;
    hooks_.ShowDatabaseOpen();
    hooks_.EnableDatabaseControls(true);
    granted();
    records_.OpenQueries(*db_);
    hooks_.ApplyDisplayRules();
    if (!s_.settings.readBool(QStringLiteral("ExpireOptions"), QStringLiteral("remind"), false))
        hooks_.ShowExpiredReminder();
}

void DatabaseSession::refuse()
{
    if (AccessSoundsOn)
        PlayAccessDeniedSound();
    s_.log.WriteAccessLogEntry(false);
}

void DatabaseSession::granted()
{
    PlayGrantedSound();
    s_.log.WriteAccessLogEntry(true);
}

bool DatabaseSession::CheckMasterPassword(const QString& typed)
{
    if (typed != currentMasterPassword_) {
        refuse();
        return false;
    }
    granted();
    return true;
}

// Steps the countdown in the options row and tells whether to compact now.
MaintenanceStep DatabaseSession::countDown(Connection& db)
{
    Statement read = db.prepare(QStringLiteral("select DBMaintCount, DBMaintFreq from Options;"));
    if (!read.step())
        return {0, false};
    const MaintenanceStep step = CountDownMaintenance(read.value(0).toInt(), read.value(1).toInt());
    Statement write = db.prepare(QStringLiteral("UPDATE Options SET DBMaintCount = ?1;"));
    write.bindAt(1, step.count);
    write.step();
    return step;
}

void DatabaseSession::CloseDatabase()
{
    Connection& db = connection();
    const QString path = db.path();
    // Pending edits first: the options row they may store is the row the
    // countdown changes.
    records_.SavePendingEdits();
    const MaintenanceStep step = countDown(db);
    records_.CloseQueries();
    db_.reset();

    if (step.compactNow)
        CompactDatabase(path, currentMasterPassword_, s_.messages);
    hooks_.ClearStatusAndBackground();
    hooks_.EnableDatabaseControls(false);
    hooks_.ShowDatabaseClosed();
    EncryptDatabaseFile(s_.cipher, currentMasterPassword_, path);
}

} // namespace lw
