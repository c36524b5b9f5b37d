// Accounts: add, edit the description, delete, transfer; the grid's keys,
// its popup menu and the save button.
#include "MainControls.h"

#include "store/Messages.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/EventHook.h"
#include "ui/dialogs/TfrmEditDescription.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QScopedValueRollback>
#include <QToolButton>

namespace lw {
namespace {

// While it lives, the account grid shows its selected row as brightly as when
// it has the focus, so that the row a dialog works on stays marked.
class SelectionAlwaysShown {
public:
    explicit SelectionAlwaysShown(QListView* grid) : grid_(grid), saved_(grid->palette())
    {
        QPalette p = saved_;
        for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
            p.setColor(QPalette::Inactive, role, saved_.color(QPalette::Active, role));
        grid_->setPalette(p);
    }
    ~SelectionAlwaysShown() { grid_->setPalette(saved_); }
    SelectionAlwaysShown(const SelectionAlwaysShown&) = delete;
    SelectionAlwaysShown& operator=(const SelectionAlwaysShown&) = delete;

private:
    QListView* grid_;
    QPalette saved_;
};

bool hasCurrentAccount(TfrmMain& main)
{
    const Dataset& accounts = main.DM().qryPasswords;
    return main.session().isOpen() && accounts.isOpen() && accounts.recordCount() > 0 && accounts.currentRow() >= 0;
}

// Moves the current account to the group whose number the item carries.
void mnuTransferClick(TfrmMain& main, QAction* item)
{
    if (!hasCurrentAccount(main))
        return;
    Dataset& accounts = main.DM().qryPasswords;
    {
        const QScopedValueRollback quiet(main.flags().SuppressSaveWarning, true);
        accounts.edit();
        accounts.setValue("GroupID", item->data().toInt());
        accounts.post();
        accounts.refresh(); // the account leaves the list unless it stayed in this group
    }
    main.DM().UpdateItemCount();
}

// Type-ahead: the first account in list order whose description starts with
// the typed character becomes current; without one the current account stays.
void GridDescriptionKeyPress(TfrmMain& main, QChar typed)
{
    Dataset& accounts = main.DM().qryPasswords;
    if (!accounts.isOpen() || accounts.recordCount() == 0)
        return;
    accounts.locate("Description", QString(typed), {.caseInsensitive = true, .partialKey = true});
}

} // namespace

void TfrmMain::setupAccountCommands()
{
    Controls& u = *ui_;
    connect(u.mnuPasswordsAdd, &QAction::triggered, this, [this] { run([this] { mnuPasswordsAddClick(); }); });
    connect(u.mnuPasswordsEditDescription, &QAction::triggered, this,
            [this] { run([this] { mnuPasswordsEditDescriptionClick(); }); });
    connect(u.mnuPasswordsDelete, &QAction::triggered, this, [this] { run([this] { mnuPasswordsDeleteClick(); }); });

    // The grid's popup menu: its items by name, and the Transfer submenu built
    // afresh each time the menu opens.
    QAction* popupAdd = nullptr;
    QAction* popupEdit = nullptr;
    QAction* popupDelete = nullptr;
    for (QAction* a : u.PopupMenuGrid->actions()) {
        if (a->text() == u.mnuPasswordsAdd->text())
            popupAdd = a;
        else if (a->text() == u.mnuPasswordsEditDescription->text())
            popupEdit = a;
        else if (a->text() == u.mnuPasswordsDelete->text())
            popupDelete = a;
    }
    popupAdd->setObjectName("mnuPUGridAddPassword");
    popupEdit->setObjectName("mnuPUGridEditPassword");
    popupDelete->setObjectName("mnuPUGridDeletePassword");
    u.mnuTransfer->menuAction()->setObjectName("mnuPopupMenuGridTransfer");
    connect(u.PopupMenuGrid, &QMenu::aboutToShow, this, [this, popupEdit, popupDelete] {
        run([this, popupEdit, popupDelete] {
            QMenu* transfer = ui_->mnuTransfer;
            const QList<QAction*> needAccount{transfer->menuAction(), popupEdit, popupDelete};
            if (!hasCurrentAccount(*this)) {
                for (QAction* a : needAccount)
                    a->setEnabled(false);
                return;
            }
            transfer->clear(); // the menu owns its items and deletes them
            Dataset& groups = dm_.qryTransfer;
            groups.close();
            groups.open();
            for (int row = 0; row < groups.recordCount(); ++row) {
                QAction* item = transfer->addAction(groups.valueAt(row, "Name").toString());
                item->setObjectName(QStringLiteral("mnuTransfer%1").arg(row));
                item->setData(groups.valueAt(row, "GroupID").toInt());
                connect(item, &QAction::triggered, this,
                        [this, item] { run([this, item] { mnuTransferClick(*this, item); }); });
            }
            for (QAction* a : needAccount)
                a->setEnabled(true);
        });
    });

    // The grid's keys: Delete deletes, Enter edits the description, a character
    // selects by the start of the description.
    EventHook::install(u.GridDescription, [this](QEvent* e) {
        if (e->type() != QEvent::KeyPress)
            return false;
        auto* key = static_cast<QKeyEvent*>(e);
        switch (key->key()) {
        case Qt::Key_Delete:
            run([this] { mnuPasswordsDeleteClick(); });
            return true;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            run([this] { mnuPasswordsEditDescriptionClick(); });
            return true;
        default:
            break;
        }
        const QString text = key->text();
        if (text.size() != 1 || !text.at(0).isPrint() ||
            (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
            return false;
        run([this, typed = text.at(0)] { GridDescriptionKeyPress(*this, typed); });
        return true;
    });

    // The save button stores the current account through the save question.
    connect(u.cmdSaveMemo, &QToolButton::clicked, this, [this] {
        run([this] {
            if (!hasCurrentAccount(*this))
                return;
            dm_.qryPasswords.edit();
            dm_.qryPasswords.post();
        });
    });
}

void TfrmMain::mnuPasswordsAddClick()
{
    if (!session_.isOpen())
        return;
    if (dm_.qryGroups.recordCount() == 0) {
        s_.messages.ShowInfo("Please enter a group name before entering a password!");
        mnuGroupsNewClick();
        return;
    }
    Tag = 1;
    TfrmEditDescription dialog(this, dm_, s_, true);
    if (dialog.exec() == QDialog::Accepted)
        ui_->txtID->setFocus();
}

void TfrmMain::mnuPasswordsEditDescriptionClick()
{
    if (!hasCurrentAccount(*this))
        return;
    const SelectionAlwaysShown marked(ui_->GridDescription);
    Tag = 0;
    TfrmEditDescription dialog(this, dm_, s_, false);
    dialog.exec();
}

void TfrmMain::mnuPasswordsDeleteClick()
{
    if (!hasCurrentAccount(*this))
        return;
    const SelectionAlwaysShown marked(ui_->GridDescription);
    Dataset& accounts = dm_.qryPasswords;
    const QString question =
        "Are you sure you want to delete the password account \"" + accounts.value("Description").toString() + "\" ?";
    if (s_.messages.Confirm(question))
        accounts.remove();
    dm_.UpdateItemCount();
}

} // namespace lw
