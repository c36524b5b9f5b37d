// Hiding in the tray, coming back, and the title by database.
#include "MainControls.h"

#include "store/AliasStore.h"
#include "ui/dialogs/TfrmEnterMasterPassword.h"
#include "ui/widgets/GradientCaption.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QSystemTrayIcon>
#include <QTimer>
#include <QWindowStateChangeEvent>

namespace lw {

QString TfrmMain::caption() const
{
    return windowTitle();
}

void TfrmMain::SetMainTitle(const QString& mode)
{
    const QString path = s_.alias.GetDatabasePath();
    QString title;
    if (mode == QLatin1String("long"))
        title = " Lockwell - " + path;
    else if (mode == QLatin1String("short"))
        title =
            " Lockwell - " + QFileInfo(path).fileName().chopped(qMin<qsizetype>(4, QFileInfo(path).fileName().size()));
    else if (mode == QLatin1String("none"))
        title = " Lockwell";
    else
        return;
    mode_ = mode;
    setWindowTitle(title);
    if (ui_->caption)
        ui_->caption->setText(title);
}

void TfrmMain::HideToTray()
{
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        // Without a tray the window could never come back: minimise instead.
        if (!isMinimized())
            showMinimized();
        return;
    }
    ui_->RxTrayIcon->show();
    hide();
    Tag = 1;
}

void TfrmMain::RestoreFromTray()
{
    if (isVisible())
        return;
    if (!session_.isOpen()) {
        showNormal();
        activateWindow();
        Tag = 0;
        return;
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* prompt = qobject_cast<TfrmEnterMasterPassword*>(w); prompt && prompt->isVisible())
            return;
    // After an idle lock the password is asked whatever the database's choice.
    if (locked_ || dm_.qryOptions.value("pwdsystray").toBool()) {
        ShowUnlockDialog();
        return;
    }
    showNormal();
    activateWindow();
    Tag = 0;
}

// F4 with any modifiers hides the window wherever the focus is, before a
// control takes the key (a combo box opens its list on F4).
void TfrmMain::setupHideKey()
{
    auto* hideKey = new QAction(this);
    QList<QKeySequence> keys;
    const Qt::KeyboardModifier mods[] = {Qt::ShiftModifier, Qt::ControlModifier, Qt::AltModifier, Qt::MetaModifier};
    for (int set = 0; set < 16; ++set) {
        Qt::KeyboardModifiers m;
        for (int i = 0; i < 4; ++i)
            if (set & (1 << i))
                m |= mods[i];
        keys << QKeySequence(QKeyCombination(m, Qt::Key_F4));
    }
    hideKey->setShortcuts(keys);
    hideKey->setShortcutContext(Qt::WindowShortcut);
    connect(hideKey, &QAction::triggered, this, [this] { HideToTray(); });
    addAction(hideKey);
}

void TfrmMain::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && isMinimized() && QSystemTrayIcon::isSystemTrayAvailable()) {
        // Minimising hides the window in the tray instead.
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMinimized);
            HideToTray();
        });
    }
    if (event->type() == QEvent::ActivationChange && ui_->caption)
        ui_->caption->update();
}

bool TfrmMain::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == ui_->menuBar && (event->type() == QEvent::Enter || event->type() == QEvent::MouseMove) &&
        session_.isOpen() && mode_ != QLatin1String("short"))
        SetMainTitle("short");
    return QMainWindow::eventFilter(watched, event);
}

} // namespace lw
