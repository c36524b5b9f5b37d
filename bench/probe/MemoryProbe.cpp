// The whole program as it starts (main window, real services, offscreen),
// unlocking the database named by the first argument with the password of
// the second, dismissing the expired reminder, and visiting three groups.
// Prints the peak resident memory of the process in KiB.
#include "settings/IniFile.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/Clock.h"
#include "ui/QtFileChooser.h"
#include "ui/QtMessages.h"
#include "ui/QtSoundPlayer.h"
#include "ui/SecretClipboard.h"
#include "ui/main/TfrmMain.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <sys/resource.h>

using namespace lw;

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: lockwell_memory_probe DATABASE PASSWORD\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir folder;
    IniFile settings(folder.filePath("lw.ini"));
    AliasStore alias(folder.path());
    alias.SetDatabasePath(QString::fromLocal8Bit(argv[1]));
    SystemClock clock;
    AccessLog log(folder.path(), alias, clock);
    QtMessages messages;
    QtFileChooser files;
    QtSoundPlayer sounds;
    SecretClipboard clipboard(settings, clock);
    TfrmMain frmMain({folder.path(), settings, alias, log, clock, messages, files, sounds, clipboard});
    frmMain.show();
    QApplication::processEvents();

    // The expired reminder is shown modally; close it as the user would.
    QTimer dismiss;
    QObject::connect(&dismiss, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->reject();
    });
    dismiss.start(50);
    frmMain.session().OpenDatabase(QString::fromLocal8Bit(argv[2]));
    dismiss.stop();
    QApplication::processEvents();
    for (const char* group : {"Group 20", "Group 30", "Group 40"}) {
        frmMain.DM().ChooseGroup(QString::fromLatin1(group));
        QApplication::processEvents();
    }
    if (frmMain.DM().qryPasswords.recordCount() == 0) {
        std::fprintf(stderr, "the groups were not shown\n");
        return 1;
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%ld\n", usage.ru_maxrss);
    return 0;
}
