#include "FaultBench.h"

#include "settings/Error.h"
#include "settings/IniFile.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/Connection.h"
#include "store/DatabaseFileCipher.h"
#include "store/DatabaseSession.h"
#include "store/Schema.h"
#include "store/TCryptFile.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/FakeSounds.h"
#include "support/RecordingHooks.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>
#include <algorithm>
#include <csignal>
#include <cstdio>

namespace lw::test {

FaultBench::FaultBench(const QString& folder, int accounts) : folder_(folder), accounts_(accounts)
{
    SetKdfIterations(4000); // as the helper does
    const QString db = file("Family.pdb");
    CreatePasswordDatabase(db, kPassword, true);
    {
        auto c = Connection::open(db, kPassword);
        c->exec("BEGIN;");
        Statement insert = c->prepare("INSERT INTO Passwords (GroupID, Description, ID, Password, Notes) "
                                      "VALUES (1 + ?1 % 4, ?2, ?3, ?4, ?5);");
        for (int i = 0; i < accounts; ++i) {
            insert.bindAt(1, i);
            insert.bindAt(2, QString("Account %1").arg(i));
            insert.bindAt(3, QString("user%1").arg(i));
            insert.bindAt(4, QString("pw-%1-xyzzy").arg(i * 7919));
            insert.bindAt(5, QString("Notes of account %1. ").arg(i).repeated(4));
            insert.step();
            insert.reset();
        }
        c->exec("COMMIT;");
    }
    FakeMessages quiet;
    TCryptFile cipher(quiet);
    cipher.setIntKey(kProgramIntKey);
    EncryptDatabaseFile(cipher, kPassword, db);

    AliasStore(folder).SetDatabasePath(db);
    QDir(folder).mkdir("backup");
    IniFile ini(file("lw.ini"));
    ini.writeString("Backup", "dir", file("backup"));
    ini.writeString("Backup", "mode", "YES");
    ini.writeInt("Backup", "interval", 1);
    ini.writeInt("Backup", "count", 1);
    ini.writeBool("Backup", "Confirmation", false);
    ini.writeBool("SoundOptions", "access", false);
}

QString FaultBench::file(const QString& name) const
{
    return QDir(folder_).filePath(name);
}

QByteArray FaultBench::read(const QString& name) const
{
    QFile f(file(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QString FaultBench::Run::lastPhase() const
{
    return phases.isEmpty() ? QString("start") : phases.last().first;
}

QString FaultBench::Run::messages() const
{
    QStringList out;
    for (const QString& l : lines)
        if (l.startsWith("MESSAGE ") || l.startsWith("ERROR "))
            out << l;
    return out.join('\n');
}

FaultBench::Run FaultBench::runHelper(const QStringList& args, const KillPoint& kill,
                                      const std::function<void()>& inChild) const
{
    constexpr qint64 kTimeLimitMs = 60000;
    Run run;
    QProcess p;
    if (inChild)
        p.setChildProcessModifier(inChild);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    QElapsedTimer clock;
    clock.start();
    p.start(LW_FAULT_HELPER, QStringList{folder_, kPassword} + args);
    if (!p.waitForStarted(10000)) {
        run.crashed = true;
        return run;
    }
    QByteArray pending;
    auto readLines = [&] {
        pending += p.readAllStandardOutput();
        qsizetype nl;
        while ((nl = pending.indexOf('\n')) >= 0) {
            const QString line = QString::fromLocal8Bit(pending.left(nl));
            pending.remove(0, nl + 1);
            run.lines << line;
            if (line.startsWith("PHASE "))
                run.phases.append({line.mid(6), clock.elapsed()});
        }
    };
    // The moment to kill, once the phase it counts from has begun.
    auto killAt = [&]() -> qint64 {
        if (kill.afterMs < 0)
            return -1;
        if (kill.phase.isEmpty())
            return kill.afterMs;
        for (const auto& [name, at] : run.phases)
            if (name == kill.phase)
                return at + kill.afterMs;
        return -1;
    };
    while (p.state() != QProcess::NotRunning) {
        const qint64 killAfterMs = killAt();
        if (killAfterMs >= 0 && clock.elapsed() >= killAfterMs) {
            ::kill(pid_t(p.processId()), SIGKILL);
            run.killed = true;
            break;
        }
        if (clock.elapsed() > kTimeLimitMs) {
            ::kill(pid_t(p.processId()), SIGKILL);
            run.hung = true;
            break;
        }
        const qint64 wait = killAfterMs >= 0 ? std::clamp<qint64>(killAfterMs - clock.elapsed(), 0, 2) : 2;
        p.waitForReadyRead(int(wait));
        readLines();
    }
    p.waitForFinished(10000);
    readLines();
    if (run.killed && p.exitStatus() == QProcess::NormalExit) // it ended before the signal
        run.killed = false;
    run.crashed = !run.killed && !run.hung && p.exitStatus() == QProcess::CrashExit;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.finished = run.exitCode == 0 && run.lastPhase() == "done";
    return run;
}

int FaultBench::verifyDatabase(QStringList* leftovers, QString* messages) const
{
    FakeMessages boxes;
    FakeClock clock;
    FakeSounds sounds;
    RecordingHooks hooks;
    AliasStore alias(folder_);
    AccessLog log(folder_, alias, clock, LogSeparators{});
    TCryptFile cipher(boxes);
    cipher.setIntKey(kProgramIntKey);
    IniFile settings(file("lw.ini"));
    DatabaseSession session({alias, log, cipher, settings, sounds, boxes, clock}, hooks, hooks);
    int rows = -1;
    try {
        session.OpenDatabase(kPassword);
        if (leftovers)
            *leftovers = temporaryFiles();
        rows = session.connection().scalar("select count(*) from Passwords").toInt();
        session.connection().exec("UPDATE Options SET DBMaintCount = 100;");
        session.CloseDatabase();
    } catch (const std::exception&) {
    }
    if (messages)
        *messages = boxes.texts().join('\n');
    return rows;
}

QStringList FaultBench::temporaryFiles() const
{
    QStringList out;
    for (const QString& name : QDir(folder_).entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (name.startsWith("___.~--") || name.startsWith("~f8njid.fee") || name.contains(".~") ||
            name.endsWith("-journal"))
            out << name;
    for (const QString& name : QDir(file("backup")).entryList(QDir::Files | QDir::Hidden))
        if (name.contains(".~"))
            out << "backup/" + name;
    return out;
}

void PrintFigures(const char* suite, int tried, int survived, int crashes, int hangs, qint64 bytesLost)
{
    std::printf("FIGURES %s: cases tried %d, survived %d, crashes %d, hangs %d, bytes lost %lld\n", suite, tried,
                survived, crashes, hangs, static_cast<long long>(bytesLost));
    std::fflush(stdout);
}

} // namespace lw::test
