// The generate button beside the password field.
#include "MainControls.h"

#include "ui/dialogs/TfrmGenerate.h"

namespace lw {

void TfrmMain::cmdPasswordClick()
{
    // The generator works on the current account.
    if (!session_.isOpen() || !dm_.qryPasswords.isOpen() || dm_.qryPasswords.isEmpty())
        return;
    TfrmGenerate dialog(this, dm_, s_);
    dialog.exec();
}

} // namespace lw
