// The account page: the password field's display rule, Lock Edits, copy
// buttons, the web address and the date edits.
#include "MainControls.h"

#include "ui/widgets/PictureButton.h"

namespace lw {

void TfrmMain::setupPasswordField()
{
    connect(ui_->cmdPassword, &QAbstractButton::clicked, this, [this] { run([this] { cmdPasswordClick(); }); });
}

} // namespace lw
