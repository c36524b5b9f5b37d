// The File menu: new, open and close a database, change its password, exit.
#include "MainControls.h"

#include "settings/IniFile.h"
#include "settings/SettingsFolder.h"
#include "store/AliasStore.h"
#include "store/BusyCursor.h"
#include "ui/FileChooser.h"
#include "ui/dialogs/TfrmChangePassword.h"
#include "ui/dialogs/TfrmEnterMasterPassword.h"
#include "ui/dialogs/TfrmNewMasterPassword.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lw {
namespace {

const QString kFilter = QStringLiteral("*.pdb files (*.pdb)");

// The folder the file dialogs start in: the last one used, else the
// program's folder (or the home folder for an installed program).
QString startFolder(IniFile& settings)
{
    const QString dir = settings.readString("SearchDir", "dir", "ERROR");
    return dir == QLatin1String("ERROR") ? StartFolderFor(QCoreApplication::applicationDirPath()) : dir;
}

void rememberFolder(IniFile& settings, const QString& file)
{
    const QDir dir = QFileInfo(file).absoluteDir();
    if (dir.exists())
        settings.writeString("SearchDir", "dir", QDir::toNativeSeparators(dir.absolutePath()));
}

} // namespace

void TfrmMain::mnuFileNewClick()
{
    if (dm_.qryPasswords.state() == Dataset::State::Edit)
        dm_.qryPasswords.post();
    QString path = s_.files.saveFile(this, "New Password Database", startFolder(s_.settings), kFilter);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += ".pdb";
    rememberFolder(s_.settings, path);
    NewDatabasePath = QFileInfo(path).absoluteFilePath();
    ShowNewDatabaseDialog();
}

void TfrmMain::mnuFileOpenClick()
{
    if (dm_.qryPasswords.state() == Dataset::State::Edit)
        dm_.qryPasswords.post();
    const QString path = s_.files.openFile(this, "Open Password Database", startFolder(s_.settings), kFilter);
    if (path.isEmpty())
        return;
    rememberFolder(s_.settings, path);
    {
        BusyCursor busy;
        if (session_.isOpen())
            session_.CloseDatabase();
        s_.alias.SetDatabasePath(QFileInfo(path).absoluteFilePath());
        SetMainTitle("short");
    }
    Tag = 0;
    ShowUnlockDialog();
}

void TfrmMain::mnuFileCloseDatabaseClick()
{
    if (session_.isOpen())
        session_.CloseDatabase();
}

void TfrmMain::mnuFileChangeMasterPasswordClick()
{
    if (!session_.isOpen())
        return;
    TfrmChangePassword dialog(this, session_, s_.messages);
    dialog.exec();
}

void TfrmMain::mnuFileExitClick()
{
    close();
}

void TfrmMain::ShowUnlockDialog()
{
    const bool fromTray = Tag != 0;
    TfrmEnterMasterPassword dialog(this, session_, s_.alias, fromTray);
    if (dialog.exec() == QDialog::Accepted && fromTray) {
        Tag = 0;
        locked_ = false;
        showNormal();
        activateWindow();
    }
}

void TfrmMain::ShowNewDatabaseDialog()
{
    TfrmNewMasterPassword dialog(this, session_, s_.alias, s_.messages, NewDatabasePath);
    connect(&dialog, &TfrmNewMasterPassword::databaseCreated, this, [this] { SetMainTitle("short"); });
    dialog.exec();
}

} // namespace lw
