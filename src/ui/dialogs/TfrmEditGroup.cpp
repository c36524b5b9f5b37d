#include "TfrmEditGroup.h"

#include "PasswordFields.h"
#include "records/TDM.h"
#include "settings/IniFile.h"
#include "store/Messages.h"
#include "ui/AppServices.h"
#include "ui/DialogPlacement.h"
#include "ui/ErrorBox.h"
#include "ui/bindings/EventHook.h"
#include "ui/widgets/NameEdit.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace lw {

TfrmEditGroup::TfrmEditGroup(QWidget* owner, TDM& dm, AppServices& services, bool adding)
    : QDialog(owner), dm_(dm), s_(services), adding_(adding)
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
    if (adding_) {
        setWindowTitle(" New Group");
        previousGroupName_.clear();
    } else {
        setWindowTitle(" Edit Group");
        txtGroup->setText(dm_.qryGroups.value("Name").toString());
        previousGroupName_ = txtGroup->text();
    }
    adjustSize();
    CenterOver(parentWidget(), this);
    txtGroup->setAutoCase(s_.settings.readBool("Options", "autocase", true));
    txtGroup->setFocus();
}

void TfrmEditGroup::cmdOKClick()
{
    const QString name = TrimBlanks(txtGroup->text());
    if (name.isEmpty()) {
        s_.messages.ShowInfo("Please enter a group name!");
        refused();
        return;
    }
    // A rename that only changes the case of letters keeps the group's own name.
    if (name.compare(previousGroupName_, Qt::CaseInsensitive) != 0 && groupNameTaken(name)) {
        s_.messages.ShowInfo("Sorry, there is already a group with that name.");
        refused();
        return;
    }

    Dataset& groups = dm_.qryGroups;
    if (adding_)
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
    if (adding_)
        groups.refresh();
    Dataset& options = dm_.qryOptions;
    options.edit();
    options.setValue("Group", name);
    options.post();
    accept();
}

bool TfrmEditGroup::groupNameTaken(const QString& name)
{
    // The engine compares the Name column without regard to case. The name is
    // bound, never pasted into the text, so any character it holds is only data.
    Dataset& q = dm_.qryTemp;
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
