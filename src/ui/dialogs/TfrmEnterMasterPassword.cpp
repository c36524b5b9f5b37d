#include "TfrmEnterMasterPassword.h"

#include "PasswordFields.h"
#include "settings/Error.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/main/TfrmMain.h"
#include "ui/widgets/GradientCaption.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

TfrmEnterMasterPassword::TfrmEnterMasterPassword(TfrmMain& main) : QDialog(&main), main_(main)
{
    caption_ = new GradientCaption(this);
    Label2 = new QLabel("Enter Key", this);
    txtPassword = MakePasswordBox(this, true);
    cmdOK = MakeBoldButton("OK", this);
    cmdCancel = MakeBoldButton("Cancel", this);
    cmdOK->setDefault(true);
    cmdCancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    auto* body = new QVBoxLayout;
    body->setContentsMargins(12, 8, 12, 10);
    body->addWidget(Label2);
    body->addWidget(txtPassword);
    body->addLayout(buttons);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->addWidget(caption_);
    col->addLayout(body);
    txtPassword->setMinimumWidth(220);
    MakeFixedDialog(this);

    connect(cmdOK, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { cmdOKClick(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(&main_, &TfrmMain::unlockRefused, this, &TfrmEnterMasterPassword::refused);
    FormCreate();
}

void TfrmEnterMasterPassword::FormCreate()
{
    const QString name = QFileInfo(main_.services().alias.GetDatabasePath()).fileName();
    const QString title = "Lockwell - " + name.chopped(qMin<qsizetype>(4, name.size()));
    setWindowTitle(title);
    caption_->setText(title);
    main_.session().DeniedSoundCount = 0;
    adjustSize();
    CenterOver(&main_, this);
    txtPassword->setFocus();
}

void TfrmEnterMasterPassword::refused()
{
    txtPassword->clear();
    txtPassword->setFocus();
}

void TfrmEnterMasterPassword::cmdOKClick()
{
    DatabaseSession& session = main_.session();
    if (main_.Tag != 0) {
        // Coming back from the tray: the database is open; only compare.
        if (txtPassword->text() != session.CurrentMasterPassword()) {
            if (session.AccessSoundsOn)
                session.PlayAccessDeniedSound();
            main_.services().log.WriteAccessLogEntry(false);
            refused();
            return;
        }
        session.PlayGrantedSound();
        main_.services().log.WriteAccessLogEntry(true);
        main_.Tag = 0;
        main_.showNormal();
        main_.activateWindow();
        accept();
        return;
    }
    session.OpenDatabase(txtPassword->text());
    accept();
}

} // namespace lw
