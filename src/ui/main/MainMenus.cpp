// The menu bar, the grid's popup menu and the tray menu.
#include "MainControls.h"

#include <QMenuBar>

namespace lw {
namespace {

QAction* item(QMenu* menu, const QString& caption, const QKeySequence& shortcut = {})
{
    QAction* a = menu->addAction(caption);
    if (!shortcut.isEmpty())
        a->setShortcut(shortcut);
    return a;
}

} // namespace

void TfrmMain::buildMenus()
{
    Controls& u = *ui_;
    QMenuBar* bar = menuBar();

    u.mnuFile = bar->addMenu("&File");
    u.mnuFileNew = item(u.mnuFile, "&New...");
    u.mnuFileOpen = item(u.mnuFile, "&Open...", Qt::Key_F2);
    u.mnuFileCloseDatabase = item(u.mnuFile, "&Close Database...");
    u.mnuFile->addSeparator();
    u.mnuFileChangeMasterPassword = item(u.mnuFile, "Change &Master Password...");
    u.mnuFile->addSeparator();
    u.mnuFileBackup = item(u.mnuFile, "&Backup...");
    u.mnuFile->addSeparator();
    u.mnuFileExit = item(u.mnuFile, "E&xit");
    u.mnuFile->addSeparator();
    u.mnuFileImportFromCSV = item(u.mnuFile, "&Import from CSV...");
    u.mnuFileExportToCSV = item(u.mnuFile, "&Export to CSV...");

    u.mnuEdit = bar->addMenu("&Edit");
    u.mnuEditUndo = item(u.mnuEdit, "&Undo", QKeySequence("Ctrl+Z"));
    u.mnuEdit->addSeparator();
    u.mnuEditCut = item(u.mnuEdit, "Cut", QKeySequence("Ctrl+X"));
    u.mnuEditCopy = item(u.mnuEdit, "&Copy", QKeySequence("Ctrl+C"));
    u.mnuEditPaste = item(u.mnuEdit, "&Paste", QKeySequence("Ctrl+V"));
    u.mnuEdit->addSeparator();
    u.mnuEditFind = item(u.mnuEdit, "&Find...", QKeySequence("Ctrl+F"));
    u.mnuEdit->addSeparator();
    u.mnuEditLog = item(u.mnuEdit, "View &Access Log...", QKeySequence("Ctrl+L"));
    u.mnuEdit->addSeparator();
    u.mnuEditOptions = item(u.mnuEdit, "&Options...", QKeySequence("Ctrl+O"));

    u.mnuGroups = bar->addMenu("&Groups");
    u.mnuGroupsNew = item(u.mnuGroups, "&New...", QKeySequence("Alt+S"));
    u.mnuGroupsEdit = item(u.mnuGroups, "&Edit...");
    u.mnuGroups->addSeparator();
    u.mnuGroupsDelete = item(u.mnuGroups, "&Delete");
    u.mnuGroups->addSeparator();
    u.mnuGroupsReports = item(u.mnuGroups, "&Reports...", QKeySequence("Ctrl+R"));

    u.mnuPasswords = bar->addMenu("&Passwords");
    u.mnuPasswordsAdd = item(u.mnuPasswords, "&Add...", QKeySequence("Alt+A"));
    u.mnuPasswordsEditDescription = item(u.mnuPasswords, "&Edit Description...");
    u.mnuPasswords->addSeparator();
    u.mnuPasswordsExpired = item(u.mnuPasswords, "E&xpired Passwords...");
    u.mnuPasswords->addSeparator();
    u.mnuPasswordsDelete = item(u.mnuPasswords, "&Delete");

    u.mnuHelp = bar->addMenu("&Help");
    u.mnuHelpContents = item(u.mnuHelp, "&Contents", Qt::Key_F1);
    u.mnuHelpKeywordSearch = item(u.mnuHelp, "&Keyword Search");
    u.mnuHelp->addSeparator();
    u.mnuHelpLockwellWebsite = item(u.mnuHelp, "&Lockwell Website");
    u.mnuHelp->addSeparator();
    u.AboutLockwell1 = item(u.mnuHelp, "&About Lockwell...");

    u.PopupMenuGrid = new QMenu(this);
    // The grid's menu runs the Passwords menu's commands.
    for (QAction* a : {u.mnuPasswordsAdd, u.mnuPasswordsEditDescription, u.mnuPasswordsDelete}) {
        if (a == u.mnuPasswordsDelete)
            u.PopupMenuGrid->addSeparator();
        QAction* same = u.PopupMenuGrid->addAction(a->text());
        connect(same, &QAction::triggered, a, &QAction::trigger);
    }
    u.PopupMenuGrid->addSeparator();
    u.mnuTransfer = u.PopupMenuGrid->addMenu("&Transfer");

    u.PopUpMenu1 = new QMenu(this);
    u.mnuOpen = u.PopUpMenu1->addAction("&Open");
    u.PopUpMenu1->addSeparator();
    u.mnuExit = u.PopUpMenu1->addAction("E&xit");

    const auto on = [this](QAction* a, void (TfrmMain::*handler)()) {
        connect(a, &QAction::triggered, this, [this, handler] { run([this, handler] { (this->*handler)(); }); });
    };
    on(u.mnuFileNew, &TfrmMain::mnuFileNewClick);
    on(u.mnuFileOpen, &TfrmMain::mnuFileOpenClick);
    on(u.mnuFileCloseDatabase, &TfrmMain::mnuFileCloseDatabaseClick);
    on(u.mnuFileChangeMasterPassword, &TfrmMain::mnuFileChangeMasterPasswordClick);
    on(u.mnuFileBackup, &TfrmMain::mnuFileBackupClick);
    on(u.mnuFileExit, &TfrmMain::mnuFileExitClick);
    on(u.mnuFileImportFromCSV, &TfrmMain::mnuFileImportFromCSVClick);
    on(u.mnuFileExportToCSV, &TfrmMain::mnuFileExportToCSVClick);
    on(u.mnuEditUndo, &TfrmMain::mnuEditUndoClick);
    on(u.mnuEditCut, &TfrmMain::mnuEditCutClick);
    on(u.mnuEditCopy, &TfrmMain::mnuEditCopyClick);
    on(u.mnuEditPaste, &TfrmMain::mnuEditPasteClick);
    on(u.mnuEditLog, &TfrmMain::mnuEditLogClick);
    on(u.mnuEditOptions, &TfrmMain::mnuEditOptionsClick);
    on(u.mnuGroupsReports, &TfrmMain::mnuGroupsReportsClick);
    on(u.mnuPasswordsExpired, &TfrmMain::mnuPasswordsExpiredClick);
    on(u.mnuEditFind, &TfrmMain::mnuEditFindClick);
    on(u.mnuHelpContents, &TfrmMain::mnuHelpContentsClick);
    on(u.mnuHelpKeywordSearch, &TfrmMain::mnuHelpKeywordSearchClick);
    on(u.mnuHelpLockwellWebsite, &TfrmMain::mnuHelpLockwellWebsiteClick);
    on(u.AboutLockwell1, &TfrmMain::AboutLockwell1Click);
    on(u.mnuOpen, &TfrmMain::RestoreFromTray);
    on(u.mnuExit, &TfrmMain::mnuFileExitClick);
}

} // namespace lw
