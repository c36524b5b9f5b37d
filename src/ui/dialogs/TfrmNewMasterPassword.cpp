#include "TfrmNewMasterPassword.h"

#include "PasswordFields.h"
#include "ShortMasterPassword.h"
#include "store/AliasStore.h"
#include "store/DatabaseSession.h"
#include "store/Messages.h"
#include "store/Schema.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/widgets/GradientCaption.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

TfrmNewMasterPassword::TfrmNewMasterPassword(QWidget* owner, DatabaseSession& session, AliasStore& alias,
                                             Messages& messages, QString newDatabasePath)
    : QDialog(owner), session_(session), alias_(alias), messages_(messages),
      newDatabasePath_(std::move(newDatabasePath))
{
    caption_ = new GradientCaption(this);
    lblText = new QLabel(this);
    lblText->setWordWrap(true);
    QPalette maroon = lblText->palette();
    maroon.setColor(QPalette::WindowText, QColor(128, 0, 0));
    lblText->setPalette(maroon);
    auto* bevel = new QFrame(this);
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Raised);
    txtPassword = MakePasswordBox(this, false);
    txtVerify = MakePasswordBox(this, true);
    lblStrength = MakeTypedStrengthLabel(txtPassword, this);
    chkSample = new QCheckBox("Create Sample Groups", this);
    chkSample->setChecked(true);
    cmdCreateDB = MakeBoldButton("Create\nDatabase", this, QColor(0, 0, 128));
    cmdCreateDB->setMinimumSize(96, 48);
    cmdCancel = MakeBoldButton("Cancel", this, QColor(128, 0, 0));
    cmdCancel->setFocusPolicy(Qt::ClickFocus);
    cmdCreateDB->setDefault(true);
    cmdCancel->setAutoDefault(false);

    auto* grid = new QGridLayout;
    grid->setContentsMargins(12, 8, 12, 10);
    grid->addWidget(lblText, 0, 0, 1, 3);
    grid->addWidget(bevel, 1, 0, 1, 3);
    grid->addWidget(MakeBoldLabel("Password:", this), 2, 0);
    grid->addWidget(txtPassword, 2, 1);
    grid->addWidget(MakeBoldLabel("Verify:", this), 3, 0);
    grid->addWidget(txtVerify, 3, 1);
    grid->addWidget(lblStrength, 4, 1);
    grid->addWidget(chkSample, 5, 1);
    grid->addWidget(cmdCreateDB, 2, 2, 2, 1);
    grid->addWidget(cmdCancel, 5, 2);
    auto* col = new QVBoxLayout(this);
    col->setContentsMargins(0, 0, 0, 0);
    col->addWidget(caption_);
    col->addLayout(grid);
    lblText->setFixedWidth(360);
    MakeFixedDialog(this);

    connect(cmdCreateDB, &QPushButton::clicked, this, [this] { RunCommand(this, [this] { cmdCreateDBClick(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    FormCreate();
}

void TfrmNewMasterPassword::FormCreate()
{
    lblText->setText("Plese enter a master key for this password database.\r\nThis is the only password you will "
                     "need to remember, so be sure to memorize this key. You (or anyone else) will not be able to "
                     "access this database without this key!");
    const QString name = QFileInfo(newDatabasePath_).fileName();
    const QString title = "New Password Database - " + name.chopped(qMin<qsizetype>(4, name.size()));
    setWindowTitle(title);
    caption_->setText(title);
    adjustSize();
    CenterOver(parentWidget(), this);
    txtPassword->setFocus();
}

void TfrmNewMasterPassword::keyPressEvent(QKeyEvent* event)
{
    // Only Cancel closes this dialog; Escape does nothing. Enter creates.
    if (event->key() == Qt::Key_Escape)
        return;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdCreateDB->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmNewMasterPassword::cmdCreateDBClick()
{
    const QString password = txtPassword->text();
    if (password.size() < 4) {
        messages_.ShowInfo("The password must be at least 4 characters in length. Please try again!");
        txtPassword->setFocus();
        return;
    }
    if (txtVerify->text() != password) {
        messages_.ShowInfo("Sorry, the passwords do not match. Please try again!");
        txtPassword->setFocus();
        return;
    }
    if (!AcceptMasterPasswordLength(messages_, password)) {
        txtPassword->setFocus();
        return;
    }
    if (session_.isOpen())
        session_.CloseDatabase();
    CreatePasswordDatabase(newDatabasePath_, password, chkSample->isChecked());
    alias_.SetDatabasePath(newDatabasePath_);
    emit databaseCreated();
    session_.OpenDatabase(password);
    hide();
    accept();
}

} // namespace lw
