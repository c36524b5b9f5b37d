// The Edit and Help menus, and the entry points of reports and expired passwords.
#include "MainControls.h"

#include "store/Messages.h"
#include "ui/DialogPlacement.h"
#include "ui/HelpWindow.h"
#include "ui/SecretClipboard.h"
#include "ui/dialogs/RunReports.h"
#include "ui/dialogs/TfrmAbout.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QUrl>
#include <memory>

namespace lw {
namespace {

const char* const kWebsite = "https://www.lockwell.org/";

// Cut, copy and paste are carried out by the control with the focus once the
// menu command has returned.
void postToFocus(const char* slot)
{
    QWidget* w = QApplication::focusWidget();
    if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
        QMetaObject::invokeMethod(w, slot, Qt::QueuedConnection);
}

// An item of a line edit's own popup menu: named since Qt 6.5, known by
// its caption (followed by a tab and its shortcut) before.
bool isMenuItem(const QAction* action, const char* name, const QString& caption)
{
    return action->objectName() == QLatin1String(name) || action->text() == caption ||
           action->text().startsWith(caption + u'\t');
}

} // namespace

void TfrmMain::mnuEditUndoClick()
{
    dm_.qryPasswords.cancel();
}

void TfrmMain::mnuEditCutClick()
{
    clipboardCommand(true);
}

void TfrmMain::mnuEditCopyClick()
{
    clipboardCommand(false);
}

// The password field's selection goes to the clipboard as a secret, also
// once the command has returned; any other field does its own copy or cut.
void TfrmMain::clipboardCommand(bool cut)
{
    if (QApplication::focusWidget() != ui_->txtPassword) {
        postToFocus(cut ? "cut" : "copy");
        return;
    }
    QMetaObject::invokeMethod(
        this, [this, cut] { run([this, cut] { copyPasswordSelection(cut); }); }, Qt::QueuedConnection);
}

// The password field's popup menu is the line edit's own, but its Copy and
// Cut go to the clipboard as a secret.
void TfrmMain::setupPasswordContextMenu()
{
    QLineEdit* pw = ui_->txtPassword;
    pw->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(pw, &QWidget::customContextMenuRequested, this, [this, pw](const QPoint& at) {
        const std::unique_ptr<QMenu> menu(pw->createStandardContextMenu());
        for (QAction* action : menu->actions()) {
            const bool cut = isMenuItem(action, "edit-cut", QLineEdit::tr("Cu&t"));
            if (!cut && !isMenuItem(action, "edit-copy", QLineEdit::tr("&Copy")))
                continue;
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this,
                    [this, cut] { run([this, cut] { copyPasswordSelection(cut); }); });
        }
        menu->exec(pw->mapToGlobal(at));
    });
}

// Like the field's own copy and cut, nothing happens while it masks its text.
void TfrmMain::copyPasswordSelection(bool cut)
{
    QLineEdit* pw = ui_->txtPassword;
    if (pw->echoMode() != QLineEdit::Normal || !pw->hasSelectedText())
        return;
    s_.clipboard.copySecret(pw->selectedText());
    if (cut)
        pw->del();
}

void TfrmMain::mnuEditPasteClick()
{
    postToFocus("paste");
}

void TfrmMain::mnuGroupsReportsClick()
{
    if (!session_.isOpen())
        return;
    RunReports(this, dm_, s_.settings, s_.messages, s_.files, s_.clock);
}

void TfrmMain::mnuHelpContentsClick()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->showContents();
}

void TfrmMain::mnuHelpKeywordSearchClick()
{
    if (!help_)
        help_ = new HelpWindow(this);
    help_->showKeywordSearch();
}

void TfrmMain::mnuHelpLockwellWebsiteClick()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(kWebsite)));
}

void TfrmMain::AboutLockwell1Click()
{
    BeginBusy();
    TfrmAbout about(this);
    EndBusy();
    about.exec();
}

} // namespace lw
