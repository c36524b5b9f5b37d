// The options dialog, the access log viewer and the backup options.
#include "MainControls.h"

#include "store/BusyCursor.h"
#include "ui/dialogs/TfrmBackup.h"
#include "ui/dialogs/TfrmLog.h"
#include "ui/dialogs/TfrmOptions.h"

#include <QLineEdit>
#include <memory>

namespace lw {

void TfrmMain::mnuEditOptionsClick()
{
    if (!session_.isOpen())
        return;
    TfrmOptions dialog(this, dm_.qryOptions, s_.settings);
    connect(&dialog, &TfrmOptions::backgroundPreviewed, this, &TfrmMain::ShowBackground);
    connect(&dialog, &TfrmOptions::passwordModeChanged, this, &TfrmMain::ApplyPasswordMask);
    connect(&dialog, &TfrmOptions::passwordMaskChosen, this,
            [this](bool masked) { ui_->txtPassword->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal); });
    connect(&dialog, &TfrmOptions::flagsChosen, this, [this](bool warn, bool buttons, bool access) {
        flags_.WarnBeforeSave = warn;
        ButtonSoundsOn = buttons;
        session_.AccessSoundsOn = access;
    });
    connect(&dialog, &TfrmOptions::backgroundStyleChosen, this, &TfrmMain::ApplyBackgroundStyle);
    connect(&dialog, &TfrmOptions::lockTimeChosen, &idle_, &IdleWatch::setLimit);
    dialog.exec();
}

void TfrmMain::mnuEditLogClick()
{
    std::unique_ptr<TfrmLog> viewer;
    {
        BusyCursor busy; // reading the log
        viewer = std::make_unique<TfrmLog>(this, s_.log, s_.messages);
    }
    viewer->exec();
}

void TfrmMain::mnuFileBackupClick()
{
    std::unique_ptr<TfrmBackup> dialog;
    {
        BusyCursor busy;
        dialog = std::make_unique<TfrmBackup>(this, s_);
    }
    dialog->exec();
}

} // namespace lw
