#include "DatabaseSession.h"

#include "AccessLog.h"
#include "AliasStore.h"
#include "Compaction.h"
#include "Connection.h"
#include "DatabaseFileCipher.h"
#include "DatabaseHooks.h"
#include "Messages.h"
#include "Schema.h"
#include "SecretWipe.h"
#include "SessionRecords.h"
#include "SoundPlayer.h"
#include "TCryptFile.h"
#include "UnlockObstacle.h"
#include "settings/Error.h"
#include "settings/IniFile.h"

#include <QFileInfo>
#include <utility>

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
    const QString path = s_.alias.GetDatabasePath();
    // Causes that are not about the password are told as they are, and the
    // file is left as it was; the refusal below is for wrong passwords only.
    try {
        const QString obstacle = UnlockObstacle(path);
        if (!obstacle.isEmpty())
            throw Error(obstacle);
        if (QFileInfo(path).isFile())
            lock_.acquire(path);
    } catch (const Error& e) {
        s_.messages.ShowInfo(e.message());
        throw SilentAbort();
    }

    // A file too small to be a database is refused before anything may
    // write to it.
    if (QFileInfo(path).size() < kMinDatabaseBytes) {
        lock_.release();
        refuse();
        throw SilentAbort();
    }
    bool unscrambled = false;
    try {
        unscrambled = unscramble(password, path);
    } catch (const Error& e) {
        lock_.release();
        s_.messages.ShowInfo(QStringLiteral("The database \"%1\" cannot be unlocked; the file is left as it was.\r\n%2")
                                 .arg(path, e.message()));
        throw SilentAbort();
    }

    std::unique_ptr<Connection> db;
    try {
        db = Connection::open(path, password, &s_.clock);
        // Every page the unlock reads is authenticated as it is read, and a
        // damaged one refuses the unlock; the full check runs at compaction.
        CheckPasswordDatabase(*db);
    } catch (const std::exception& e) {
        db.reset();
        lock_.release();
        // A program that holds the file through the engine alone.
        if (QString::fromStdString(e.what()).endsWith(QLatin1String("database is locked"))) {
            s_.messages.ShowInfo(QStringLiteral("The database \"%1\" is in use by another program. "
                                                "Close it there first.")
                                     .arg(path));
            throw SilentAbort();
        }
        refuse();
        throw SilentAbort();
    }
    removeLeftovers(path);

    QString previousPassword = std::exchange(currentMasterPassword_, QString());
    try {
        openSteps(password, std::move(db));
    } catch (const std::exception&) {
        rollBack(path, unscrambled);
        WipeSecret(currentMasterPassword_);
        currentMasterPassword_ = std::move(previousPassword);
        refuse();
        throw SilentAbort();
    }
    WipeSecret(previousPassword);
}

void DatabaseSession::setCurrentMasterPassword(const QString& password)
{
    WipeSecret(currentMasterPassword_);
    currentMasterPassword_ = QString(password.constData(), password.size());
}

// Removes the scrambling when the file carries this password's key; true
// when it did. The lock moves to the unscrambled file without a gap.
bool DatabaseSession::unscramble(const QString& password, const QString& path)
{
    struct ResultLock {
        TCryptFile& cipher;
        ~ResultLock() { cipher.setResultLock(nullptr); }
    } guard{s_.cipher};
    s_.cipher.setResultLock(lock_.isHeld() ? &lock_ : nullptr);
    DecryptDatabaseFile(s_.cipher, password, path);
    // An in-place run that wrote leaves its temporary name in Outfile.
    return s_.cipher.Outfile() != path;
}

// What a compaction or a scramble killed part way left beside the database
// goes, now that the database itself has proved whole.
void DatabaseSession::removeLeftovers(const QString& path) noexcept
{
    try {
        RemoveLeftoverFiles(path);
    } catch (...) {
        // Left for the next unlock.
    }
}

void DatabaseSession::openSteps(const QString& password, std::unique_ptr<Connection> db)
{
    db_ = std::move(db);
    // Known from here on: the file is ours and this is its password.
    setCurrentMasterPassword(password);
    hooks_.ShowDatabaseOpen();
    hooks_.EnableDatabaseControls(true);
    const QString logProblem = granted();
    records_.OpenQueries(*db_);
    hooks_.ApplyDisplayRules();
    if (!logProblem.isEmpty())
        s_.messages.ShowInfo(QStringLiteral("The database is unlocked, but this unlock could not be written "
                                            "to the access log.\r\n%1")
                                 .arg(logProblem));
    if (!s_.settings.readBool(QStringLiteral("ExpireOptions"), QStringLiteral("remind"), false))
        hooks_.ShowExpiredReminder();
}

// Undoes an unlock that failed after connecting: the window and the file go
// back to how they were before it.
void DatabaseSession::rollBack(const QString& path, bool rescramble) noexcept
{
    const auto attempt = [](const auto& step) {
        try {
            step();
        } catch (...) {
        }
    };
    attempt([this] { records_.CloseQueries(); });
    db_.reset();
    attempt([this] { hooks_.ClearStatusAndBackground(); });
    attempt([this] { hooks_.EnableDatabaseControls(false); });
    attempt([this] { hooks_.ShowDatabaseClosed(); });
    if (rescramble)
        attempt([&] { EncryptDatabaseFile(s_.cipher, currentMasterPassword_, path); });
    lock_.release();
}

void DatabaseSession::refuse()
{
    if (AccessSoundsOn)
        PlayAccessDeniedSound();
    try {
        s_.log.WriteAccessLogEntry(false);
    } catch (const std::exception& e) {
        s_.messages.ShowInfo(QStringLiteral("This refused unlock could not be written to the access log.\r\n%1")
                                 .arg(QString::fromStdString(e.what())));
    }
}

// Sounds and logs a granted unlock; a log line that could not be written is
// returned as the reason, for the caller to report once the unlock is done.
QString DatabaseSession::granted()
{
    PlayGrantedSound();
    try {
        s_.log.WriteAccessLogEntry(true);
    } catch (const std::exception& e) {
        return QString::fromStdString(e.what());
    }
    return {};
}

bool DatabaseSession::CheckMasterPassword(const QString& typed)
{
    if (typed != currentMasterPassword_) {
        refuse();
        return false;
    }
    if (const QString problem = granted(); !problem.isEmpty())
        s_.messages.ShowInfo(QStringLiteral("This unlock could not be written to the access log.\r\n%1").arg(problem));
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
    std::unique_ptr<Connection> closing = std::move(db_);

    if (step.compactNow) {
        try {
            CompactDatabase(std::move(closing), &lock_);
        } catch (const std::exception& e) {
            s_.messages.ShowInfo(QStringLiteral("The database \"%1\" could not be compacted and is unchanged.\r\n%2")
                                     .arg(path, QString::fromStdString(e.what())));
        }
    }
    closing.reset();
    hooks_.ClearStatusAndBackground();
    hooks_.EnableDatabaseControls(false);
    hooks_.ShowDatabaseClosed();
    scrambleAtClose(path);
}

// A scramble that fails leaves the file whole and plain; the next close
// scrambles it.
void DatabaseSession::scrambleAtClose(const QString& path)
{
    try {
        EncryptDatabaseFile(s_.cipher, currentMasterPassword_, path);
    } catch (const std::exception& e) {
        s_.messages.ShowInfo(QStringLiteral("%1\r\nThe database \"%2\" could not be scrambled. It is still protected "
                                            "by its master password, and it will be scrambled at the next close.")
                                 .arg(QString::fromStdString(e.what()), path));
    }
    lock_.release();
}

} // namespace lw
