// Lockwell's start-up: the process hardened, the command line, one instance,
// the engine check, the main window and the data module, then the unlock or
// the welcome dialog.
#include "CommandLine.h"
#include "settings/Error.h"
#include "settings/IniFile.h"
#include "settings/SettingsFolder.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/Clock.h"
#include "store/Connection.h"
#include "store/ProcessHardening.h"
#include "ui/ErrorBox.h"
#include "ui/QtFileChooser.h"
#include "ui/QtMessages.h"
#include "ui/QtSoundPlayer.h"
#include "ui/SecretClipboard.h"
#include "ui/SingleInstance.h"
#include "ui/TfrmWelcome.h"
#include "ui/main/TfrmMain.h"

#include <QApplication>
#include <QIcon>
#include <csignal>
#include <cstdio>

using namespace lw;

namespace {

QStringList argumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    return arguments;
}

// Prints the text of "--help" or "--version", or the error of a wrong
// command line; returns the exit code, or -1 when the program is to run.
int answer(const CommandLine& line)
{
    switch (line.action) {
    case CommandLine::Action::ShowText:
        std::fputs(qPrintable(line.text), stdout);
        return 0;
    case CommandLine::Action::Fail:
        std::fputs(qPrintable(line.text), stderr);
        return 2;
    case CommandLine::Action::Run:
        break;
    }
    return -1;
}

} // namespace

int main(int argc, char** argv)
{
    // Before the process holds anything worth keeping: no core file, no
    // debugger of the same user.
    QString hardeningProblem;
    try {
        HardenProcess();
    } catch (const Error& e) {
        hardeningProblem = e.message();
    }
    // A write past a file-size limit fails with "The disk is full" instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
    QApplication::setApplicationName("Lockwell");
    QApplication::setApplicationVersion(LOCKWELL_VERSION);
    // "--help" and "--version" are answered without a display. The toolkit's
    // own options (such as -platform) are known only once it has taken them
    // off the command line, so a wrong option is reported after that.
    if (ReadCommandLine(argumentsOf(argc, argv)).action == CommandLine::Action::ShowText) {
        const QCoreApplication terminal(argc, argv); // names the program in the usage line
        return answer(ReadCommandLine(QCoreApplication::arguments()));
    }
    QApplication app(argc, argv);
    const CommandLine line = ReadCommandLine(QApplication::arguments());
    if (const int code = answer(line); code >= 0)
        return code;
    QApplication::setDesktopFileName("org.example.Lockwell");
    QApplication::setWindowIcon(QIcon(":/pictures/LOCKWELL.png"));

    SingleInstance guard;
    if (!guard.tryBecomePrimary()) {
        guard.askPrimaryToShow();
        return 0;
    }

    QtMessages messages;
    if (EngineFilesMissing()) {
        messages.ShowInfo("Lockwell cannot locate required database files!\r\nThese files are required to run "
                          "Lockwell. This is likley due to a recent installation of Microsoft Office, which has "
                          "removed these files.\r\nTo correct this, please re-install Lockwell. Your password files "
                          "are NOT affected by this.");
        return 1;
    }

    if (!hardeningProblem.isEmpty())
        messages.ShowInfo(hardeningProblem);

    const QString folder = SettingsFolder();
    IniFile settings(SettingsFilePath(folder));
    AliasStore alias(folder);
    SystemClock clock;
    AccessLog log(folder, alias, clock);
    QtFileChooser files;
    QtSoundPlayer sounds;
    SecretClipboard clipboard(settings, clock);
    TfrmMain frmMain({folder, settings, alias, log, clock, messages, files, sounds, clipboard});
    messages.setParent(&frmMain);
    QObject::connect(&guard, &SingleInstance::showRequested, &frmMain, [&frmMain] {
        if (frmMain.isVisible()) {
            frmMain.showNormal();
            frmMain.raise();
            frmMain.activateWindow();
        } else {
            frmMain.RestoreFromTray();
        }
    });
    // A hidden window's close does not end the event loop by itself.
    bool ended = false;
    QObject::connect(
        &frmMain, &TfrmMain::closed, &app,
        [&ended] {
            ended = true;
            QCoreApplication::exit(0);
        },
        Qt::QueuedConnection);
    frmMain.show();

    frmMain.DM().DMCreate({QApplication::arguments().value(0), line.database});
    if (alias.IsDatabaseConfigured())
        frmMain.ShowUnlockDialog();
    else
        TfrmWelcome::Execute(&frmMain, [&frmMain] { RunCommand(&frmMain, [&frmMain] { frmMain.mnuFileNewClick(); }); });
    return ended ? 0 : QApplication::exec();
}
