#include "TfrmEditGroup.h"

#include "PasswordFields.h"
#include "settings/IniFile.h"
#include "store/Messages.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/EventHook.h"
#include "ui/main/MainControls.h"
#include "ui/widgets/NameEdit.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

TfrmEditGroup::TfrmEditGroup(TfrmMain& main) : QDialog(&main), main_(main)
{
    setObjectName("frmEditGroup");
    txtGroup = new NameEdit(this);
    txtGroup->setMaxLength(50);
    txtGroup->setMinimumWidth(260);
    cmdOK = MakeBoldButton("OK", this);
    cmdCancel = MakeBoldButton("Cancel", this);
    LayOutNameDialog(this, txtGroup, cmdOK, cmdCancel, [this] { RunCommand(this, [this] { cmdOKClick(); }); });
    FormCreate();
}

void TfrmEditGroup::FormCreate()
{
    if (main_.Tag != 0) {
        setWindowTitle(" New Group");
        previousGroupName_.clear();
    } else {
        setWindowTitle(" Edit Group");
        txtGroup->setText(main_.DM().qryGroups.value("Name").toString());
        previousGroupName_ = txtGroup->text();
    }
    adjustSize();
    CenterOver(&main_, this);
    txtGroup->setAutoCase(main_.services().settings.readBool("Options", "autocase", true));
    txtGroup->setFocus();
}

void TfrmEditGroup::cmdOKClick()
{
    Messages& messages = main_.services().messages;
    const QString name = TrimBlanks(txtGroup->text());
    if (name.isEmpty()) {
        messages.ShowInfo("Please enter a group name!");
        refused();
        return;
    }
    // A rename that only changes the case of letters keeps the group's own name.
    if (name.compare(previousGroupName_, Qt::CaseInsensitive) != 0 && groupNameTaken(name)) {
        messages.ShowInfo("Sorry, there is already a group with that name.");
        refused();
        return;
    }

    TDM& dm = main_.DM();
    Dataset& groups = dm.qryGroups;
    if (main_.Tag != 0)
        groups.append();
    else
        groups.edit();
    try {
        groups.setValue("Name", name);
        groups.post();
    } catch (...) {
        groups.cancel();
        throw;
    }
    // A new group gets its place in name order; the options row then moves the list to it.
    if (main_.Tag != 0)
        groups.refresh();
    Dataset& options = dm.qryOptions;
    options.edit();
    options.setValue("Group", name);
    options.post();

    main_.ui().cboGroup->setFocus();
    accept();
}

bool TfrmEditGroup::groupNameTaken(const QString& name)
{
    // The engine compares the Name column without regard to case. The name is
    // bound, never pasted into the text, so any character it holds is only data.
    Dataset& q = main_.DM().qryTemp;
    q.close();
    q.setSql("Select Name from Groups where Name = :Name");
    q.setParam("Name", name);
    q.open();
    return q.recordCount() > 0;
}

void TfrmEditGroup::refused()
{
    txtGroup->setFocus();
}

} // namespace lw
