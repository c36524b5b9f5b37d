// The account page: the password field's display rule, Lock Edits, the date
// shortcut, the copy buttons and the web address.
#include "MainControls.h"

#include "ui/SecretClipboard.h"
#include "ui/bindings/EventHook.h"
#include "ui/widgets/NullableDateEdit.h"
#include "ui/widgets/PictureButton.h"

#include <QDateEdit>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QUrl>

namespace lw {
namespace {

constexpr int kNotesMaxLength = 2000;
const QString kShownDate = QStringLiteral("MMMM dd, yyyy");
const QString kCalendarHeading = QStringLiteral("dddd, MMMM dd, yyyy");

// The Edit menu's shortcuts reach the menu before the field with the focus.
bool isMenuShortcut(QKeyEvent* key)
{
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Cut) || key->matches(QKeySequence::Copy) ||
           key->matches(QKeySequence::Paste);
}

// The address goes exactly as typed, blanks included. Only a plain address
// with no scheme and no blanks ("example.com/login") gets "http://" in front,
// since the desktop opens nothing without a scheme.
QUrl webAddress(const QString& text)
{
    const QUrl typed(text, QUrl::TolerantMode);
    if (!typed.scheme().isEmpty() || text != text.trimmed())
        return typed;
    return QUrl(QStringLiteral("http://") + text, QUrl::TolerantMode);
}

void setMasked(QLineEdit* edit, bool masked)
{
    edit->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

} // namespace

void TfrmMain::setupPasswordField()
{
    Controls& u = *ui_;
    connect(u.cmdPassword, &QAbstractButton::clicked, this, [this] { run([this] { cmdPasswordClick(); }); });
    u.txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));
    setMasked(u.txtPassword, true);
    u.cmdIDCopy->setFocusPolicy(Qt::NoFocus);
    u.cmdpwdcopy->setFocusPolicy(Qt::NoFocus);
    u.cmdLockEdit->setFocusPolicy(Qt::NoFocus);

    // The display rule of the password, by the database's mode at each event.
    const auto mode = [this] { return dm_.qryOptions.value("showpassword").toInt(); };
    QLineEdit* pw = u.txtPassword;
    EventHook::install(pw, [this, pw, mode](QEvent* e) {
        switch (e->type()) {
        case QEvent::Enter:
            if (mode() == 1)
                setMasked(pw, false);
            break;
        case QEvent::Leave:
            if (mode() == 1 && !pw->hasFocus())
                setMasked(pw, true);
            break;
        case QEvent::FocusIn:
            run([this] { txtPasswordEnter(); });
            break;
        case QEvent::FocusOut:
            setMasked(pw, mode() != 0);
            break;
        default:
            break;
        }
        return false;
    });

    // Lock Edits: keys typed into the fields are ignored; the menu still works.
    QMenu* editMenu = u.mnuEdit;
    for (QWidget* field : std::initializer_list<QWidget*>{u.txtID, u.txtPassword, u.txtURL, u.MemoNotes,
                                                          u.DateExpire->editor(), u.DateAssign->editor()}) {
        EventHook::install(field, [this, editMenu](QEvent* e) {
            if (e->type() == QEvent::ShortcutOverride && editMenu->isEnabled() &&
                isMenuShortcut(static_cast<QKeyEvent*>(e))) {
                e->ignore();
                return true;
            }
            return e->type() == QEvent::KeyPress && !EditingEnabled;
        });
    }
    for (NullableDateEdit* date : {u.DateExpire, u.DateAssign}) {
        // Shown in full, typed as month/day/year while the edit has the focus.
        date->setShownFormat(kShownDate);
        date->setHeadingFormat(kCalendarHeading);
        EventHook::install(date->editor(), [this, date](QEvent* e) {
            if (e->type() == QEvent::KeyPress && EditingEnabled) {
                const QString text = static_cast<QKeyEvent*>(e)->text();
                if (text == QLatin1String("c") || text == QLatin1String("C")) {
                    date->editor()->setDate(QDate::currentDate()); // a user edit: it reaches the account
                    return true;
                }
            }
            return false;
        });
    }
    QPlainTextEdit* notes = u.MemoNotes;
    connect(notes, &QPlainTextEdit::textChanged, this, [notes] {
        if (notes->toPlainText().size() > kNotesMaxLength) {
            notes->setPlainText(notes->toPlainText().left(kNotesMaxLength));
            notes->moveCursor(QTextCursor::End);
        }
    });

    connect(u.cmdLockEdit, &QToolButton::clicked, this, [this] { EditingEnabled = ui_->cmdLockEdit->isChecked(); });
    // Both copy the whole text, in clear whatever the mask, as a secret. The
    // text stays selected.
    for (const auto& [button, field] : {std::pair{u.cmdIDCopy, u.txtID}, std::pair{u.cmdpwdcopy, pw}}) {
        QLineEdit* edit = field;
        connect(button, &QToolButton::clicked, this, [this, edit] {
            edit->selectAll();
            s_.clipboard.copySecret(edit->text());
        });
    }
    connect(u.cmdGo, &QAbstractButton::clicked, this, [this] {
        const QString text = ui_->txtURL->text();
        if (text.trimmed().isEmpty())
            return;
        openUrl(webAddress(text));
    });
}

void TfrmMain::txtPasswordEnter()
{
    QLineEdit* pw = ui_->txtPassword;
    Dataset& q = dm_.qryPasswords;
    // The focus can pass through the field while the database closes.
    if (!q.isOpen() || q.isEmpty())
        return;
    if (q.state() == Dataset::State::Edit) {
        setMasked(pw, false);
        return;
    }
    const QScopedValueRollback quiet(flags_.SuppressSaveWarning, true);
    q.edit();
    setMasked(pw, false);
    q.post();
}

void TfrmMain::ApplyPasswordMask()
{
    Dataset& q = dm_.qryPasswords;
    if (!q.isOpen() || q.recordCount() < 1)
        return;
    const int mode = dm_.qryOptions.value("showpassword").toInt();
    if (mode < 0 || mode > 2)
        return;
    const QScopedValueRollback quiet(flags_.SuppressSaveWarning, true);
    if (q.isEditing()) {
        setMasked(ui_->txtPassword, mode != 0);
    } else {
        q.edit();
        setMasked(ui_->txtPassword, mode != 0);
        q.post();
    }
}

} // namespace lw
