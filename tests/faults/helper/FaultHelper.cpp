// Runs the program's own file work on a database in a folder, so that a test
// can kill it at any point, limit the size of the files it may write, or take
// away its rights:
//
//   lw_fault_helper <folder> <password> cycle        unlock, compaction, close,
//                                                    backup, settings writes
//   lw_fault_helper <folder> <password> unlock <n>   n unlocks and closes
//   lw_fault_helper <folder> <password> backup       the backup at exit alone
//   lw_fault_helper <folder> <password> settings <n> n settings writes
//
// The folder holds the database "Family.pdb", "alias.ini", "lw.ini" and
// "Log.txt". Each step is announced on standard output ("PHASE unlock") before
// it starts, each message box is printed ("MESSAGE <text>"). Exit status: 0
// done, 2 an unlock was refused, 3 an error was thrown.
#include "settings/Error.h"
#include "settings/IniFile.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/AutomaticBackup.h"
#include "store/Connection.h"
#include "store/DatabaseFileCipher.h"
#include "store/DatabaseHooks.h"
#include "store/DatabaseSession.h"
#include "store/SessionRecords.h"
#include "store/TCryptFile.h"
#include "support/FakeClock.h"
#include "support/FakeSounds.h"

#include <QDir>
#include <csignal>
#include <cstdio>

using namespace lw;

namespace {

void say(const char* kind, const QString& text)
{
    QString oneLine = text;
    oneLine.replace("\r\n", " ").replace('\r', ' ').replace('\n', ' ');
    std::printf("%s %s\n", kind, oneLine.toLocal8Bit().constData());
    std::fflush(stdout);
}

class PrintedMessages : public Messages {
public:
    void ShowInfo(const QString& text) override { say("MESSAGE", text); }
    void ShowPlain(const QString& text) override { say("MESSAGE", text); }
    bool Confirm(const QString& text) override { return say("QUESTION", text), false; }
    bool AskYesNo(const QString& text) override { return say("QUESTION", text), false; }
    bool AskOkCancel(const QString& text) override { return say("QUESTION", text), false; }
    SaveAnswer AskSave(const QString& text) override { return say("QUESTION", text), SaveAnswer::No; }
};

// The window's part: nothing but the announcement of the scramble, which
// follows the compaction inside the close.
class Hooks : public DatabaseHooks, public SessionRecords {
public:
    void ShowDatabaseOpen() override { }
    void ShowDatabaseClosed() override { say("PHASE", "close"); }
    void EnableDatabaseControls(bool) override { }
    void OpenQueries(Connection&) override { }
    void ApplyDisplayRules() override { }
    void ShowExpiredReminder() override { }
    void SavePendingEdits() override { }
    void CloseQueries() override { }
    void ClearStatusAndBackground() override { }
};

struct Program {
    explicit Program(const QString& folder)
        : alias(folder), log(folder, alias, clock, LogSeparators{}), settings(QDir(folder).filePath("lw.ini"))
    {
        cipher.setIntKey(kProgramIntKey);
    }
    PrintedMessages messages;
    test::FakeClock clock;
    test::FakeSounds sounds;
    Hooks hooks;
    AliasStore alias;
    AccessLog log;
    TCryptFile cipher{messages};
    IniFile settings;
    DatabaseSession session{{alias, log, cipher, settings, sounds, messages, clock}, hooks, hooks};
};

void writeSettings(IniFile& settings, int rounds)
{
    for (int i = 0; i < rounds; ++i) {
        settings.writeInt("SearchOptions", "index", i);
        settings.writeBool("Options", "Editing", i % 2 == 0);
        settings.writeString("PrintOptions", "title", QString("Report %1").arg(i));
    }
}

int run(const QStringList& args)
{
    const QString folder = args.value(1);
    const QString password = args.value(2);
    const QString command = args.value(3);
    const int count = args.value(4).toInt();
    Program p(folder);
    if (p.alias.GetDatabasePath().isEmpty())
        p.alias.SetDatabasePath(QDir(folder).filePath("Family.pdb"));

    if (command == "cycle") {
        say("PHASE", "unlock");
        p.session.OpenDatabase(password);
        say("PHASE", "compaction");
        p.session.connection().exec("UPDATE Options SET DBMaintCount = 0;");
        p.session.CloseDatabase();
        say("PHASE", "backup");
        RunAutomaticBackup(p.settings, p.alias, p.messages);
        say("PHASE", "settings");
        writeSettings(p.settings, 40);
    } else if (command == "unlock") {
        for (int i = 0; i < count; ++i) {
            say("PHASE", "unlock");
            p.session.OpenDatabase(password);
            p.session.CloseDatabase();
        }
    } else if (command == "backup") {
        say("PHASE", "backup");
        RunAutomaticBackup(p.settings, p.alias, p.messages);
    } else if (command == "settings") {
        say("PHASE", "settings");
        writeSettings(p.settings, count);
    } else {
        say("ERROR", "unknown command " + command);
        return 3;
    }
    say("PHASE", "done");
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    std::signal(SIGXFSZ, SIG_IGN); // a write past the size limit fails instead
    SetKdfIterations(4000); // the fault suites' databases are written with it
    QStringList args;
    for (int i = 0; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    try {
        return run(args);
    } catch (const SilentAbort&) {
        say("REFUSED", "");
        return 2;
    } catch (const std::exception& e) {
        say("ERROR", QString::fromStdString(e.what()));
        return 3;
    }
}
