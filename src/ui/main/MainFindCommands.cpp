// Find, and the expired passwords list on request and as the reminder after
// an unlock. Each dialog moves the data module's current rows; the group
// box, the grid and the account page follow by themselves.
#include "MainControls.h"

#include "store/Messages.h"
#include "ui/dialogs/TfrmExpired.h"
#include "ui/dialogs/TfrmFind.h"

#include <QCheckBox>

namespace lw {

void TfrmMain::mnuEditFindClick()
{
    if (!session_.isOpen())
        return;
    TfrmFind dialog(this, dm_, s_);
    dialog.exec();
}

void TfrmMain::mnuPasswordsExpiredClick()
{
    if (!session_.isOpen())
        return;
    dm_.qryExpired.close();
    dm_.qryExpired.open();
    if (dm_.qryExpired.recordCount() < 1) {
        s_.messages.ShowInfo("No passwords have expired");
        return;
    }
    TfrmExpired dialog(this, dm_, s_, false);
    dialog.exec();
}

void TfrmMain::ShowExpiredReminder()
{
    dm_.qryExpired.close();
    dm_.qryExpired.open();
    if (dm_.qryExpired.recordCount() == 0)
        return;
    TfrmExpired dialog(this, dm_, s_, true);
    dialog.chkRemind->setChecked(false);
    dialog.exec();
}

} // namespace lw
