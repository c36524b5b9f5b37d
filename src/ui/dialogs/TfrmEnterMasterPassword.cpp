#include "TfrmEnterMasterPassword.h"

#include "PasswordFields.h"
#include "settings/Error.h"
#include "store/AliasStore.h"
#include "store/DatabaseSession.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/widgets/GradientCaption.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

TfrmEnterMasterPassword::TfrmEnterMasterPassword(QWidget* owner, DatabaseSession& session, const AliasStore& alias,
                                                 bool fromTray)
    : QDialog(owner), session_(session), alias_(alias), fromTray_(fromTray)
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
    FormCreate();
}

void TfrmEnterMasterPassword::FormCreate()
{
    const QString name = QFileInfo(alias_.GetDatabasePath()).fileName();
    const QString title = "Lockwell - " + name.chopped(qMin<qsizetype>(4, name.size()));
    setWindowTitle(title);
    caption_->setText(title);
    session_.DeniedSoundCount = 0;
    adjustSize();
    CenterOver(parentWidget(), this);
    txtPassword->setFocus();
}

void TfrmEnterMasterPassword::refused()
{
    WipePasswordBox(txtPassword);
    txtPassword->setFocus();
}

void TfrmEnterMasterPassword::cmdOKClick()
{
    if (fromTray_) {
        // The database is open; only compare.
        if (session_.CheckMasterPassword(txtPassword->text()))
            accept();
        else
            refused();
        return;
    }
    try {
        session_.OpenDatabase(txtPassword->text());
    } catch (const SilentAbort&) {
        refused(); // sounded and logged by the session
        return;
    }
    accept();
}

} // namespace lw
