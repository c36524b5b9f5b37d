// Creation, closing, sizing and the open/closed states of the main window.
#include "MainControls.h"

#include "settings/Error.h"
#include "settings/IniFile.h"
#include "settings/SecuritySettings.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/AutomaticBackup.h"
#include "store/DatabaseFileCipher.h"
#include "ui/ErrorBox.h"
#include "ui/HelpWindow.h"
#include "ui/SecretClipboard.h"
#include "ui/WindowGeometry.h"
#include "ui/bindings/DatasetModel.h"
#include "ui/main/HoverPictures.h"
#include "ui/widgets/BackgroundFill.h"
#include "ui/widgets/GradientCaption.h"
#include "ui/widgets/NullableDateEdit.h"
#include "ui/widgets/PictureButton.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QSessionManager>
#include <QStatusBar>
#include <QSystemTrayIcon>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace lw {

TfrmMain::TfrmMain(AppServices services, QWidget* parent)
    : QMainWindow(parent), s_(services), C(services.messages), dm_(services.alias, services.messages, *this, flags_),
      session_({services.alias, services.log, C, services.settings, services.sounds, services.messages, services.clock},
               *this, dm_),
      hover_(std::make_unique<HoverPictures>(services.sounds, [this] { return ButtonSoundsOn && session_.isOpen(); })),
      ui_(std::make_unique<Controls>()), idle_(services.clock)
{
    openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    FormCreate();
}

// The widgets go first: their event hooks and bindings use the data module
// and the controls, which die with the members before the base class would
// delete its children.
TfrmMain::~TfrmMain()
{
    closing_ = true;
    ui_->menuBar->removeEventFilter(this);
    const QObjectList owned = children();
    for (QObject* child : owned)
        if (child->isWidgetType() || qobject_cast<QSystemTrayIcon*>(child))
            delete child;
}

void TfrmMain::FormCreate()
{
    setObjectName("frmMain");
    C.setIntKey(kProgramIntKey);
    session_.setCurrentMasterPassword(QString());

    buildMenus();
    auto* central = new QWidget(this);
    auto* col = new QVBoxLayout(central);
    col->setContentsMargins(0, 0, 0, 0);
    col->setSpacing(0);
    ui_->caption = new GradientCaption(central);
    col->addWidget(ui_->caption);
    auto* bar = new QWidget(central);
    buildToolbar(bar);
    col->addWidget(bar);
    auto* panes = new QHBoxLayout;
    panes->setSpacing(0);
    auto* left = new QWidget(central);
    buildLeftPane(left);
    panes->addWidget(left, 1);
    auto* right = new QWidget(central);
    right->setFixedWidth(316);
    buildAccountPage(right);
    panes->addWidget(right);
    col->addLayout(panes, 1);
    setCentralWidget(central);

    ui_->SB = new QLabel(this);
    ui_->SB->setFixedWidth(290);
    ui_->SB->setContentsMargins(3, 1, 0, 0);
    ui_->SB->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QPalette navy = ui_->SB->palette();
    navy.setColor(QPalette::WindowText, QColor(0, 0, 128));
    ui_->SB->setPalette(navy);
    statusBar()->addWidget(ui_->SB);
    statusBar()->setSizeGripEnabled(true);

    ui_->RxTrayIcon = new QSystemTrayIcon(windowIcon(), this);
    ui_->RxTrayIcon->setContextMenu(ui_->PopUpMenu1);
    ui_->RxTrayIcon->setToolTip("Lockwell");
    connect(ui_->RxTrayIcon, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason r) {
        if (r == QSystemTrayIcon::DoubleClick || r == QSystemTrayIcon::Trigger)
            run([this] { RestoreFromTray(); });
    });
#if QT_CONFIG(sessionmanager)
    // Qt closes the visible windows when the session ends; a window hidden
    // in the tray is closed here, so the database is closed and scrambled.
    connect(qApp, &QGuiApplication::commitDataRequest, this, [this](QSessionManager& manager) {
        if (!closing_ && !close())
            manager.cancel();
    });
#endif
    connect(ui_->caption, &GradientCaption::hovered, this, [this] {
        if (session_.isOpen())
            SetMainTitle("long");
    });
    ui_->menuBar = menuBar();
    ui_->menuBar->installEventFilter(this);
    ui_->menuBar->setMouseTracking(true);

    bindControls();
    setupGroupCommands();
    setupAccountCommands();
    setupPasswordField();
    setupPasswordContextMenu();
    setupHideKey();
    connect(&idle_, &IdleWatch::idle, this, [this] { LockWhenIdle(); });
    // The account fields start enabled but empty; the closed state then
    // takes the buttons that need a database.
    EnableDatabaseControls(true);
    ShowDatabaseClosed();
    ui_->txtPassword->setEnabled(false);

    resize(612, 464);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    readSettings();
    // A log that cannot be trimmed is said once; the program starts all the same.
    if (const QString problem = s_.log.TrimIfOversized(); !problem.isEmpty())
        s_.messages.ShowInfo(problem);
}

void TfrmMain::readSettings()
{
    IniFile& ini = s_.settings;
    ButtonSoundsOn = ini.readBool("SoundOptions", "buttons", true);
    session_.AccessSoundsOn = ini.readBool("SoundOptions", "access", true);
    EditingEnabled = ini.readBool("Options", "Editing", true);
    ui_->cmdLockEdit->setChecked(EditingEnabled);
    flags_.WarnBeforeSave = ini.readBool("Options", "warn", false);
    idle_.setLimit(ReadLockMinutes(ini));
    if (ini.readBool("Options", "screenpos", false)) {
        // The stored place is the frame's, so the title bar stays on the screen.
        const QRect stored = StoredWindowGeometry(ini, screen()->availableGeometry());
        resize(stored.size());
        move(stored.topLeft());
    }
    if (ini.readBool("Options", "maximized", false))
        setWindowState(windowState() | Qt::WindowMaximized);
}

void TfrmMain::writeSettings()
{
    IniFile& ini = s_.settings;
    ini.writeBool("Options", "Editing", EditingEnabled);
    if (ini.readBool("Options", "screenpos", false)) {
        const QRect g = geometry();
        ini.writeInt("Options", "screenleft", frameGeometry().left());
        ini.writeInt("Options", "screentop", frameGeometry().top());
        ini.writeInt("Options", "screenwidth", g.width());
        ini.writeInt("Options", "screenheight", g.height());
    }
    ini.writeBool("Options", "warn", flags_.WarnBeforeSave);
}

void TfrmMain::closeEvent(QCloseEvent* event)
{
    if (closing_) {
        event->accept();
        return;
    }
    try {
        FormClose();
    } catch (const SilentAbort&) {
        event->ignore(); // a store refused in the save question keeps the program running
        return;
    }
    closing_ = true;
    event->accept();
    emit closed();
}

void TfrmMain::FormClose()
{
    if (session_.isOpen()) {
        try {
            session_.CloseDatabase();
        } catch (const SilentAbort&) {
            throw;
        } catch (const std::exception& e) {
            ShowErrorBox(this, QString::fromStdString(e.what()));
        }
    }
    run([this] { RunAutomaticBackup(s_.settings, s_.alias, s_.messages); });
    run([this] { writeSettings(); });
    if (help_)
        help_->close();
    if (ui_->RxTrayIcon)
        ui_->RxTrayIcon->hide();
    s_.clipboard.clearIfOurs();
}

void TfrmMain::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmMain::FormResize()
{
    if (ui_->BackGround && ui_->TSPassword)
        ui_->BackGround->setGeometry(ui_->TSPassword->rect());
}

void TfrmMain::run(const std::function<void()>& command)
{
    RunCommand(this, command);
}

// ---------------------------------------------------------------- states

void TfrmMain::ShowDatabaseClosed()
{
    // A copied secret goes with its database; so does a lock.
    s_.clipboard.clearIfOurs();
    locked_ = false;
    SetMainTitle("none");
    setDatabaseCommandsEnabled(false);
}

void TfrmMain::ShowDatabaseOpen()
{
    SetMainTitle("short");
    setDatabaseCommandsEnabled(true);
    ui_->mnuEditUndo->setEnabled(dm_.qryPasswords.state() == Dataset::State::Edit);
}

// The menus and buttons that need a database; hidden menus take their
// shortcuts with them.
void TfrmMain::setDatabaseCommandsEnabled(bool open)
{
    Controls& u = *ui_;
    u.mnuFileChangeMasterPassword->setEnabled(open);
    u.mnuFileCloseDatabase->setEnabled(open);
    u.mnuFileImportFromCSV->setEnabled(open);
    u.mnuFileExportToCSV->setEnabled(open);
    for (QMenu* m : {u.mnuGroups, u.mnuPasswords, u.mnuEdit}) {
        m->menuAction()->setVisible(open);
        m->setEnabled(open);
        for (QAction* a : m->actions())
            a->setEnabled(open);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{u.cmdAddGroup, u.cmdEditGroup, u.cmdDelGroup, u.cmdAdd,
                                                      u.cmdDelete, u.cmdEdit, u.cmdOptions, u.cmdReport, u.cmdPassword,
                                                      u.cmdGo, u.cmdFind, u.cmdLog, u.cmdExpire})
        w->setEnabled(open);
}

void TfrmMain::EnableDatabaseControls(bool enabled)
{
    Controls& u = *ui_;
    for (QWidget* w : std::initializer_list<QWidget*>{u.txtID, u.txtPassword, u.DateExpire, u.DateAssign, u.txtURL,
                                                      u.MemoNotes, u.cmdPassword, u.cmdGo})
        w->setEnabled(enabled);
}

void TfrmMain::ApplyBackgroundStyle()
{
    ShowBackground(dm_.qryOptions.value("style").toString());
}

void TfrmMain::ShowBackground(const QString& style)
{
    if (style == QLatin1String("None")) {
        ui_->BackGround->hide();
        return;
    }
    ui_->BackGround->setStyleName(style);
    ui_->BackGround->setGeometry(ui_->TSPassword->rect());
    ui_->BackGround->lower();
    ui_->BackGround->show();
}

// ---------------------------------------------------------------- hooks of the store and the data module

void TfrmMain::ApplyDisplayRules()
{
    ApplyBackgroundStyle();
    ApplyPasswordMask();
}

void TfrmMain::ClearStatusAndBackground()
{
    ui_->SB->clear();
    ui_->BackGround->hide();
}

void TfrmMain::SetSaveEnabled(bool enabled)
{
    ui_->cmdSaveMemo->setEnabled(enabled);
    ui_->mnuEditUndo->setEnabled(enabled && ui_->mnuEdit->isEnabled());
}

void TfrmMain::SetGroupDropDownCount(int rows)
{
    ui_->cboGroup->setMaxVisibleItems(rows);
}

void TfrmMain::SetStatusText(const QString& text)
{
    ui_->SB->setText(text);
}

} // namespace lw
