// Lockwell's start-up: one instance, the engine check, the main window and
// the data module, then the unlock or the welcome dialog.
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

using namespace lw;

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
    QApplication app(argc, argv);
    QApplication::setApplicationName("Lockwell");
    QApplication::setApplicationVersion(LOCKWELL_VERSION);
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

    frmMain.DM().DMCreate(QApplication::arguments());
    if (alias.IsDatabaseConfigured())
        frmMain.ShowUnlockDialog();
    else
        TfrmWelcome::Execute(&frmMain, [&frmMain] { RunCommand(&frmMain, [&frmMain] { frmMain.mnuFileNewClick(); }); });
    return ended ? 0 : QApplication::exec();
}
