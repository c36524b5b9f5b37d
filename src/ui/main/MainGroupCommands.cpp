// Groups: new, edit and delete.
#include "MainControls.h"

namespace lw {

void TfrmMain::setupGroupCommands()
{
    connect(ui_->mnuGroupsNew, &QAction::triggered, this, [this] { run([this] { mnuGroupsNewClick(); }); });
    connect(ui_->mnuGroupsEdit, &QAction::triggered, this, [this] { run([this] { mnuGroupsEditClick(); }); });
    connect(ui_->mnuGroupsDelete, &QAction::triggered, this, [this] { run([this] { mnuGroupsDeleteClick(); }); });
}

void TfrmMain::mnuGroupsNewClick() {}
void TfrmMain::mnuGroupsEditClick() {}
void TfrmMain::mnuGroupsDeleteClick() {}

} // namespace lw
