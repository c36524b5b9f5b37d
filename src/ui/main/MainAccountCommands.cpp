// Accounts: add, edit the description, delete, transfer; the grid's keys.
#include "MainControls.h"

namespace lw {

void TfrmMain::setupAccountCommands()
{
    connect(ui_->mnuPasswordsAdd, &QAction::triggered, this, [this] { run([this] { mnuPasswordsAddClick(); }); });
    connect(ui_->mnuPasswordsEditDescription, &QAction::triggered, this,
            [this] { run([this] { mnuPasswordsEditDescriptionClick(); }); });
    connect(ui_->mnuPasswordsDelete, &QAction::triggered, this,
            [this] { run([this] { mnuPasswordsDeleteClick(); }); });
}

void TfrmMain::mnuPasswordsAddClick() {}
void TfrmMain::mnuPasswordsEditDescriptionClick() {}
void TfrmMain::mnuPasswordsDeleteClick() {}

} // namespace lw
