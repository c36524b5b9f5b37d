#pragma once

#include "records/RecordWindow.h"
#include "records/TDM.h"
#include "store/DatabaseHooks.h"
#include "store/DatabaseSession.h"
#include "store/TCryptFile.h"
#include "ui/AppServices.h"
#include "ui/IdleWatch.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QUrl;
class QComboBox;
class QLabel;
class QLineEdit;
class QListView;
class QMenu;
class QPlainTextEdit;
class QSystemTrayIcon;
class QToolButton;

namespace lw {

class BackgroundFill;
class DatasetModel;
class FieldBinding;
class GradientCaption;
class HelpWindow;
class HoverPictures;
class NullableDateEdit;
class PictureButton;

// The main window: groups and accounts of the open database, the menus, the
// toolbar and the tray. It owns the data module, the open/close session and
// the program-wide flags.
class TfrmMain : public QMainWindow, public DatabaseHooks, public RecordWindow {
    Q_OBJECT
public:
    explicit TfrmMain(AppServices services, QWidget* parent = nullptr);
    ~TfrmMain() override;

    AppServices& services() { return s_; }
    TDM& DM() { return dm_; }
    DatabaseSession& session() { return session_; }
    EditFlags& flags() { return flags_; }

    // Program-wide state.
    bool ButtonSoundsOn = true;
    bool EditingEnabled = true;
    int Tag = 0;
    QString NewDatabasePath;

    // Titles: "long", "short" or "none".
    void SetMainTitle(const QString& mode);
    QString caption() const;

    void ShowUnlockDialog();
    void ShowNewDatabaseDialog();
    void RestoreFromTray();
    // True from an idle lock until the master password is given again.
    bool isLocked() const { return locked_; }
    IdleWatch& idleWatch() { return idle_; }
    void ApplyBackgroundStyle();
    // Shows the named background fill; "None" hides it.
    void ShowBackground(const QString& style);
    void ApplyPasswordMask();

    // DatabaseHooks
    void ShowDatabaseOpen() override;
    void ShowDatabaseClosed() override;
    void EnableDatabaseControls(bool enabled) override;
    void ApplyDisplayRules() override;
    void ShowExpiredReminder() override;
    void ClearStatusAndBackground() override;
    // RecordWindow
    void SetSaveEnabled(bool enabled) override;
    void SetGroupDropDownCount(int rows) override;
    void SetStatusText(const QString& text) override;

    // Commands (a toolbar button runs its menu item's handler).
    void mnuFileNewClick();
    void mnuFileOpenClick();
    void mnuFileCloseDatabaseClick();
    void mnuFileChangeMasterPasswordClick();
    void mnuFileBackupClick();
    void mnuFileExitClick();
    // CSV import and export (MainCsvCommands.cpp).
    void mnuFileImportFromCSVClick();
    void mnuFileExportToCSVClick();
    void mnuEditUndoClick();
    void mnuEditCutClick();
    void mnuEditCopyClick();
    void mnuEditPasteClick();
    void mnuGroupsReportsClick();
    void mnuPasswordsExpiredClick();
    void mnuEditFindClick();
    void mnuHelpContentsClick();
    void mnuHelpKeywordSearchClick();
    void mnuHelpLockwellWebsiteClick();
    void AboutLockwell1Click();
    void HideToTray();

    // Groups (MainGroupCommands.cpp).
    void mnuGroupsNewClick();
    void mnuGroupsEditClick();
    void mnuGroupsDeleteClick();
    // Accounts, the grid's keys and popup menu (MainAccountCommands.cpp).
    void mnuPasswordsAddClick();
    void mnuPasswordsEditDescriptionClick();
    void mnuPasswordsDeleteClick();
    // The password generator (MainGeneratorCommand.cpp).
    void cmdPasswordClick();
    // Options, the access log and the backup options (MainToolCommands.cpp).
    void mnuEditOptionsClick();
    void mnuEditLogClick();

    // Opens a web address in the browser; tests replace it.
    std::function<void(const QUrl&)> openUrl;

    // Controls other windows and tests reach by name.
    struct Controls;
    Controls& ui() { return *ui_; }

signals:
    // The window has closed for good (the database is closed and the
    // settings are written): the program ends, even while the window is
    // hidden in the tray.
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    void FormResize();
    void buildMenus();
    void buildToolbar(QWidget* bar);
    void buildLeftPane(QWidget* pane);
    void buildAccountPage(QWidget* page);
    void bindControls();
    void setDatabaseCommandsEnabled(bool open);
    // Wiring of the command areas, each in its own file.
    void setupGroupCommands();
    void setupAccountCommands();
    void setupPasswordField();
    void setupHideKey();
    void txtPasswordEnter();
    void clipboardCommand(bool cut);
    void setupPasswordContextMenu();
    void copyPasswordSelection(bool cut);
    // The idle lock (MainIdleLock.cpp).
    void LockWhenIdle();
    void storePendingEdit();
    void readSettings();
    void writeSettings();
    void run(const std::function<void()>& command);
    void groupChosen(int index);
    void gridRowChosen(int row);

    AppServices s_;
    TCryptFile C;
    EditFlags flags_;
    TDM dm_;
    DatabaseSession session_;
    std::unique_ptr<HoverPictures> hover_;
    std::unique_ptr<Controls> ui_;
    QPointer<HelpWindow> help_;
    QString mode_ = QStringLiteral("none");
    bool closing_ = false;
    IdleWatch idle_;
    bool locked_ = false;
};

} // namespace lw
