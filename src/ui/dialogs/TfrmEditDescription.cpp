#include "TfrmEditDescription.h"

#include "PasswordFields.h"
#include "settings/IniFile.h"
#include "store/Clock.h"
#include "store/Messages.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/EventHook.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/NameEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

TfrmEditDescription::TfrmEditDescription(TfrmMain& main) : QDialog(&main), main_(main)
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
    if (main_.Tag != 0) {
        setWindowTitle(" New Password - Add Description");
    } else {
        setWindowTitle(" Edit Description");
        txtDescription->setText(main_.DM().qryPasswords.value("Description").toString());
    }
    adjustSize();
    CenterOver(&main_, this);
    txtDescription->setAutoCase(main_.services().settings.readBool("Options", "autocase", true));
    txtDescription->setFocus();
}

void TfrmEditDescription::cmdOKClick()
{
    const QString description = TrimBlanks(txtDescription->text());
    if (description.isEmpty()) {
        main_.services().messages.ShowInfo("Please enter a description!");
        txtDescription->setFocus();
        return;
    }
    if (main_.Tag != 0)
        addAccount(description);
    else
        renameAccount(description);
    accept();
}

void TfrmEditDescription::addAccount(const QString& description)
{
    TDM& dm = main_.DM();
    Dataset& accounts = dm.qryPasswords;
    accounts.append(); // the data module gives it the current group
    try {
        accounts.setValue("Description", description);
        accounts.setValue("AssignDate", main_.services().clock.now()); // stored as the date alone
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
    main_.ui().txtID->setFocus();
    dm.UpdateItemCount();
}

void TfrmEditDescription::renameAccount(const QString& description)
{
    // Changes the account already had are stored along with the description.
    Dataset& accounts = main_.DM().qryPasswords;
    const ProgramEditScope quiet(main_.flags());
    accounts.edit();
    accounts.setValue("Description", description);
    accounts.post();
}

} // namespace lw
