#pragma once

#include "TfrmMain.h"

#include <QAction>
#include <QMenu>

class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenuBar;
class QPlainTextEdit;
class QSystemTrayIcon;
class QToolButton;
class QWidget;

namespace lw {

class BackgroundFill;
class DatasetModel;
class GradientCaption;
class NullableDateEdit;
class PictureButton;

// The main window's controls, by the names the program's commands use.
struct TfrmMain::Controls {
    GradientCaption* caption = nullptr;

    // Toolbar, left to right.
    PictureButton* cmdNew = nullptr;
    PictureButton* cmdOpen = nullptr;
    PictureButton* cmdAddGroup = nullptr;
    PictureButton* cmdEditGroup = nullptr;
    PictureButton* cmdDelGroup = nullptr;
    PictureButton* cmdReport = nullptr;
    PictureButton* cmdLog = nullptr;
    PictureButton* cmdExpire = nullptr;
    PictureButton* cmdOptions = nullptr;
    PictureButton* cmdFind = nullptr;
    QToolButton* cmdSaveMemo = nullptr;
    PictureButton* cmdExit = nullptr;

    // Left pane.
    QComboBox* cboGroup = nullptr;
    PictureButton* cmdAdd = nullptr;
    PictureButton* cmdEdit = nullptr;
    PictureButton* cmdDelete = nullptr;
    QListView* GridDescription = nullptr;
    DatasetModel* groupModel = nullptr;
    DatasetModel* accountModel = nullptr;

    // Account page.
    QWidget* TSPassword = nullptr;
    BackgroundFill* BackGround = nullptr;
    QToolButton* cmdIDCopy = nullptr;
    QLineEdit* txtID = nullptr;
    QToolButton* cmdpwdcopy = nullptr;
    QLineEdit* txtPassword = nullptr;
    PictureButton* cmdPassword = nullptr;
    NullableDateEdit* DateExpire = nullptr;
    NullableDateEdit* DateAssign = nullptr;
    QLineEdit* txtURL = nullptr;
    PictureButton* cmdGo = nullptr;
    QPlainTextEdit* MemoNotes = nullptr;
    QToolButton* cmdLockEdit = nullptr;

    QLabel* SB = nullptr; // the status panel

    // Menus.
    QMenuBar* menuBar = nullptr;
    QMenu* mnuFile = nullptr;
    QMenu* mnuEdit = nullptr;
    QMenu* mnuGroups = nullptr;
    QMenu* mnuPasswords = nullptr;
    QMenu* mnuHelp = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileCloseDatabase = nullptr;
    QAction* mnuFileChangeMasterPassword = nullptr;
    QAction* mnuFileBackup = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuFileImportFromCSV = nullptr;
    QAction* mnuFileExportToCSV = nullptr;
    QAction* mnuEditUndo = nullptr;
    QAction* mnuEditCut = nullptr;
    QAction* mnuEditCopy = nullptr;
    QAction* mnuEditPaste = nullptr;
    QAction* mnuEditFind = nullptr;
    QAction* mnuEditLog = nullptr;
    QAction* mnuEditOptions = nullptr;
    QAction* mnuGroupsNew = nullptr;
    QAction* mnuGroupsEdit = nullptr;
    QAction* mnuGroupsDelete = nullptr;
    QAction* mnuGroupsReports = nullptr;
    QAction* mnuPasswordsAdd = nullptr;
    QAction* mnuPasswordsEditDescription = nullptr;
    QAction* mnuPasswordsExpired = nullptr;
    QAction* mnuPasswordsDelete = nullptr;
    QAction* mnuHelpContents = nullptr;
    QAction* mnuHelpKeywordSearch = nullptr;
    QAction* mnuHelpLockwellWebsite = nullptr;
    QAction* AboutLockwell1 = nullptr;

    QMenu* PopupMenuGrid = nullptr;
    QMenu* mnuTransfer = nullptr;
    QMenu* PopUpMenu1 = nullptr; // the tray icon's menu
    QAction* mnuOpen = nullptr;
    QAction* mnuExit = nullptr;
    QSystemTrayIcon* RxTrayIcon = nullptr;
};

} // namespace lw
