// Groups: new, edit and delete.
#include "MainControls.h"

#include "store/Messages.h"
#include "ui/dialogs/TfrmEditGroup.h"

#include <QComboBox>

namespace lw {

void TfrmMain::setupGroupCommands()
{
    connect(ui_->mnuGroupsNew, &QAction::triggered, this, [this] { run([this] { mnuGroupsNewClick(); }); });
    connect(ui_->mnuGroupsEdit, &QAction::triggered, this, [this] { run([this] { mnuGroupsEditClick(); }); });
    connect(ui_->mnuGroupsDelete, &QAction::triggered, this, [this] { run([this] { mnuGroupsDeleteClick(); }); });
}

void TfrmMain::mnuGroupsNewClick()
{
    if (!session_.isOpen())
        return;
    Tag = 1;
    TfrmEditGroup dialog(this, dm_, s_, true);
    if (dialog.exec() == QDialog::Accepted)
        ui_->cboGroup->setFocus();
}

void TfrmMain::mnuGroupsEditClick()
{
    if (!session_.isOpen() || !dm_.qryGroups.isOpen() || dm_.qryGroups.recordCount() == 0)
        return;
    Tag = 0;
    TfrmEditGroup dialog(this, dm_, s_, false);
    if (dialog.exec() == QDialog::Accepted)
        ui_->cboGroup->setFocus();
}

void TfrmMain::mnuGroupsDeleteClick()
{
    Dataset& groups = dm_.qryGroups;
    if (!session_.isOpen() || !groups.isOpen() || groups.recordCount() == 0)
        return;
    const QString question = "Are you sure you want to delete the group \"" + groups.value("Name").toString() +
                             "\"?\r\nAll passwords in this group will also be deleted!";
    if (s_.messages.Confirm(question)) {
        // The engine deletes the group's accounts with it, so a pending edit of
        // one of them has nothing left to be stored in.
        dm_.qryPasswords.cancel();
        groups.remove();
    }

    // The options row names the group the list now stands on, confirmed or not.
    const QVariant current = groups.value("Name");
    if (!current.isNull()) {
        dm_.qryOptions.edit();
        dm_.qryOptions.setValue("Group", current);
        dm_.qryOptions.post();
    }
    dm_.UpdateItemCount();
}

} // namespace lw
