#include "TfrmEditDescription.h"

#include "PasswordFields.h"
#include "records/TDM.h"
#include "settings/IniFile.h"
#include "store/Clock.h"
#include "store/Messages.h"
#include "ui/AppServices.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/EventHook.h"
#include "ui/widgets/NameEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QVBoxLayout>

namespace lw {

TfrmEditDescription::TfrmEditDescription(QWidget* owner, TDM& dm, AppServices& services, bool adding)
    : QDialog(owner), dm_(dm), s_(services), adding_(adding)
{
    setObjectName("frmEditDescription");
    txtDescription = new NameEdit(this);
    txtDescription->setMaxLength(100);
    txtDescription->setMinimumWidth(320);
    cmdOK = MakeBoldButton("OK", this);
    cmdCancel = MakeBoldButton("Cancel", this);
    LayOutNameDialog(this, txtDescription, cmdOK, cmdCancel, [this] { RunCommand(this, [this] { cmdOKClick(); }); });
    FormCreate();
}

void TfrmEditDescription::FormCreate()
{
    if (adding_) {
        setWindowTitle(" New Password - Add Description");
    } else {
        setWindowTitle(" Edit Description");
        txtDescription->setText(dm_.qryPasswords.value("Description").toString());
    }
    adjustSize();
    CenterOver(parentWidget(), this);
    txtDescription->setAutoCase(s_.settings.readBool("Options", "autocase", true));
    txtDescription->setFocus();
}

void TfrmEditDescription::cmdOKClick()
{
    const QString description = TrimBlanks(txtDescription->text());
    if (description.isEmpty()) {
        s_.messages.ShowInfo("Please enter a description!");
        txtDescription->setFocus();
        return;
    }
    if (adding_)
        addAccount(description);
    else
        renameAccount(description);
    accept();
}

void TfrmEditDescription::addAccount(const QString& description)
{
    Dataset& accounts = dm_.qryPasswords;
    accounts.append(); // the data module gives it the current group
    try {
        accounts.setValue("Description", description);
        accounts.setValue("AssignDate", s_.clock.now()); // stored as the date alone
        accounts.post();
    } catch (...) {
        accounts.cancel();
        throw;
    }
    // Run the list again so that the new account takes its place in description order.
    const QVariant groupId = accounts.value("GroupID");
    const QVariant passwordId = accounts.value("PasswordID");
    accounts.close();
    accounts.open();
    accounts.locate(QStringList{"PasswordID", "GroupID"}, QVariantList{passwordId, groupId});
    dm_.UpdateItemCount();
}

void TfrmEditDescription::renameAccount(const QString& description)
{
    // Changes the account already had are stored along with the description.
    Dataset& accounts = dm_.qryPasswords;
    const QScopedValueRollback quiet(dm_.flags().SuppressSaveWarning, true);
    accounts.edit();
    accounts.setValue("Description", description);
    accounts.post();
}

} // namespace lw
