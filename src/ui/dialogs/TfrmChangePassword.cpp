#include "TfrmChangePassword.h"

#include "PasswordFields.h"
#include "ShortMasterPassword.h"
#include "store/Connection.h"
#include "store/DatabaseSession.h"
#include "store/Messages.h"
#include "ui/DialogPlacement.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace lw {

TfrmChangePassword::TfrmChangePassword(QWidget* owner, DatabaseSession& session, Messages& messages)
    : QDialog(owner), session_(session), messages_(messages)
{
    setWindowTitle("Change Master Password");
    txtCurrent = MakePasswordBox(this, true);
    txtNew = MakePasswordBox(this, false);
    txtVerify = MakePasswordBox(this, true);
    lblStrength = MakeTypedStrengthLabel(txtNew, this);
    cmdOK = MakeBoldButton("OK", this);
    cmdCancel = MakeBoldButton("Cancel", this);
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel("Current Password", this), 0, 0);
    grid->addWidget(txtCurrent, 0, 1);
    grid->addWidget(new QLabel("New Password", this), 1, 0);
    grid->addWidget(txtNew, 1, 1);
    grid->addWidget(new QLabel("Verify", this), 2, 0);
    grid->addWidget(txtVerify, 2, 1);
    grid->addWidget(lblStrength, 3, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    grid->addLayout(buttons, 4, 0, 1, 2);
    MakeFixedDialog(this);

    connect(cmdOK, &QPushButton::clicked, this, &TfrmChangePassword::cmdOKClick);
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    adjustSize();
    CenterOver(parentWidget(), this);
    txtCurrent->setFocus();
}

void TfrmChangePassword::cmdOKClick()
{
    // A failure of any step leaves the password and the dialog as they were.
    try {
        if (txtCurrent->text() != session_.CurrentMasterPassword()) {
            messages_.ShowInfo("Sorry, the value entered for the current password is incorrect.\r\nRemember, the "
                               "master password is case-sensitive.");
            txtCurrent->setFocus();
            return;
        }
        if (txtNew->text().size() < 4) {
            messages_.ShowInfo("Sorry, the password must be at least 4 characters long.\r\nPlease try again.");
            txtNew->setFocus();
            return;
        }
        if (txtVerify->text() != txtNew->text()) {
            messages_.ShowInfo("Sorry, the new password value could not be verified. \r\nPlease verify the password "
                               "again.");
            txtVerify->setFocus();
            return;
        }
        if (!AcceptMasterPasswordLength(messages_, txtNew->text())) {
            txtNew->setFocus();
            return;
        }
        session_.connection().rekey(txtNew->text());
        session_.setCurrentMasterPassword(txtNew->text());
        messages_.ShowPlain("Master Password Changed!");
        accept();
    } catch (const std::exception&) {
    }
}

} // namespace lw
