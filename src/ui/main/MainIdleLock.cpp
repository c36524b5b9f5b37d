// The lock when the user walks away: after the set minutes without input in
// the program, a pending edit is stored, our dialogs close, our secret leaves
// the clipboard and the window hides in the tray; coming back asks for the
// master password.
#include "MainControls.h"

#include "ui/SecretClipboard.h"

#include <QApplication>
#include <QDialog>
#include <QScopedValueRollback>
#include <QSet>
#include <QSystemTrayIcon>

namespace lw {
namespace {

// Closes the open popup menus, then rejects every dialog on screen, the top
// modal one first. Their modal loops return once the lock has done; a
// dialog that will not close is left alone.
void closeDialogs()
{
    QSet<QWidget*> tried;
    while (QWidget* popup = QApplication::activePopupWidget()) {
        if (tried.contains(popup))
            break;
        tried.insert(popup);
        popup->close();
    }
    while (auto* top = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
        if (tried.contains(top))
            break;
        tried.insert(top);
        top->reject();
    }
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible())
            dialog->reject();
}

} // namespace

void TfrmMain::LockWhenIdle()
{
    if (!session_.isOpen() || locked_)
        return;
    locked_ = true;
    if (Tag != 0) {
        // Already in the tray: only the way back changes.
        s_.clipboard.clearIfOurs();
        return;
    }
    storePendingEdit();
    closeDialogs();
    s_.clipboard.clearIfOurs();
    if (QSystemTrayIcon::isSystemTrayAvailable()) {
        HideToTray();
    } else {
        // Without a tray, starting the program again brings the window back
        // (through the password).
        hide();
        Tag = 1;
    }
}

// Stored as a move to another account would store it, without the save
// question: nobody is there to answer it.
void TfrmMain::storePendingEdit()
{
    const QScopedValueRollback quiet(flags_.SuppressSaveWarning, true);
    try {
        dm_.SavePendingEdits();
    } catch (const std::exception&) {
        // The edit stays pending and the lock goes on; the next store of the
        // account meets the failure again and reports it.
    }
}

} // namespace lw
