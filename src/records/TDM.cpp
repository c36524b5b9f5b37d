#include "TDM.h"

#include "QueryTexts.h"
#include "settings/Error.h"
#include "store/AliasStore.h"
#include "store/Messages.h"

#include <QDateTime>

namespace lw {

TDM::TDM(AliasStore& alias, Messages& messages, RecordWindow& window, EditFlags& flags)
    : alias_(alias), messages_(messages), window_(window), flags_(flags)
{
    qryGroups.setSql(sql::Groups);
    qryGroups.setUpdateTable("Groups", "GroupID");
    qryPasswords.setSql(sql::Passwords);
    qryPasswords.setUpdateTable("Passwords", "PasswordID");
    qryPasswords.setMaster(&qryGroups, "GroupID", "GroupId");
    qryOptions.setSql(sql::Options);
    qryOptions.setUpdateTable("Options", QString());
    qryRptPasswords.setSql(sql::RptPasswords);
    qryExpired.setSql(sql::Expired);
    qryFind.setSql(sql::FindDesign);
    qryTransfer.setSql(sql::Transfer);
    declareFields();

    QObject::connect(&qryPasswords, &Dataset::changed, &qryPasswords, [this](DataChange why, const QString&) {
        DSPasswordsDataChange();
        // The count also follows the account list when it opens or re-runs.
        if (why == DataChange::Reloaded)
            UpdateItemCount();
    });
    qryPasswords.onAfterInsert([this](Dataset&) { qryPasswordsAfterInsert(); });
    qryPasswords.onBeforePost([this](Dataset&) { qryPasswordsBeforePost(); });
    QObject::connect(&qryGroups, &Dataset::changed, &qryGroups, [this] { DSGroupsDataChange(); });
    QObject::connect(&qryOptions, &Dataset::changed, &qryOptions, [this](DataChange why, const QString& field) {
        if (why == DataChange::Reloaded ||
            (why == DataChange::FieldChanged && (field.isEmpty() || field.compare("Group", Qt::CaseInsensitive) == 0)))
            followCurrentGroup();
    });
}

void TDM::declareFields()
{
    using T = FieldType;
    auto declare = [](Dataset& q, std::initializer_list<FieldDef> fields) {
        for (const FieldDef& f : fields)
            q.declareField(f);
    };
    declare(qryGroups, {{"GroupID", T::Integer}, {"Name", T::Text, 50}});
    declare(qryPasswords, {{"GroupID", T::Integer},
                           {"PasswordID", T::Integer},
                           {"ID", T::Text, 100, true},
                           {"Password", T::Text, 100, true},
                           {"ExpireDate", T::DateTime},
                           {"AssignDate", T::DateTime},
                           {"Notes", T::Memo, 0, true},
                           {"URL", T::Text, 100, true},
                           {"Description", T::Text, 100},
                           {"KeySequence", T::Text, 100, true},
                           {"ShowAccount", T::Boolean}});
    declare(qryOptions, {{"Group", T::Text, 50},
                         {"style", T::Text, 12},
                         {"pwdsystray", T::Boolean},
                         {"dbmaintcount", T::Integer},
                         {"dbmaintfreq", T::Integer},
                         {"showpassword", T::Integer},
                         {"promptpassword", T::Boolean}});
    declare(qryRptPasswords, {{"Name", T::Text, 50},
                              {"Description", T::Text, 100},
                              {"ID", T::Text, 100},
                              {"Password", T::Text, 100},
                              {"ExpireDate", T::DateTime},
                              {"AssignDate", T::DateTime},
                              {"URL", T::Text, 100},
                              {"Notes", T::Memo}});
    declare(qryExpired, {{"GroupID", T::Integer},
                         {"Name", T::Text, 50},
                         {"PasswordID", T::Integer},
                         {"Description", T::Text, 100},
                         {"ExpireDate", T::DateTime}});
}

std::vector<Dataset*> TDM::all()
{
    return {&qryGroups, &qryPasswords, &qryTemp, &qryOptions, &qryRptPasswords, &qryExpired, &qryFind, &qryTransfer};
}

void TDM::DMCreate(const QStringList& arguments)
{
    if (arguments.size() > 1 && !arguments.at(1).isEmpty())
        alias_.SetDatabasePath(arguments.at(1));
}

void TDM::OpenQueries(Connection& db)
{
    for (Dataset* q : all())
        q->setConnection(&db);
    qryGroups.open();
    qryPasswords.open();
    qryOptions.open();
}

void TDM::SavePendingEdits()
{
    qryOptions.checkBrowseMode();
    if (qryPasswords.recordCount() > 0 && qryPasswords.state() == Dataset::State::Edit)
        qryPasswords.post();
}

void TDM::CloseQueries()
{
    for (Dataset* q : all())
        q->setConnection(nullptr);
}

void TDM::ChooseGroup(const QString& name)
{
    if (!qryOptions.isOpen() || qryOptions.isEmpty())
        return;
    // The move first: when the save question stops it, nothing has changed.
    if (!qryGroups.locate("Name", name, {.caseInsensitive = true}))
        return;
    qryOptions.edit();
    qryOptions.setValue("Group", name);
}

void TDM::RerunListsOn(const QString& group)
{
    if (!qryGroups.isOpen())
        return;
    qryGroups.refresh();
    qryPasswords.refresh();
    if (qryGroups.locate("Name", group, {.caseInsensitive = true}) && qryOptions.isOpen() && !qryOptions.isEmpty()) {
        qryOptions.edit();
        qryOptions.setValue("Group", qryGroups.value("Name"));
        qryOptions.post();
    }
    UpdateItemCount();
}

void TDM::GoToAccount(const QVariant& groupId, const QString& groupName, const QVariant& passwordId)
{
    qryGroups.locate("GroupID", groupId);
    qryOptions.edit();
    qryOptions.setValue("Group", groupName);
    qryOptions.post();
    qryPasswords.locate("PasswordID", passwordId);
}

bool TDM::GoToListedAccount(const Dataset& list)
{
    if (!list.isOpen() || list.recordCount() == 0)
        return false;
    GoToAccount(list.value("GroupID"), list.value("Name").toString(), list.value("PasswordID"));
    return true;
}

void TDM::RunFind(int whereIndex, const QString& text)
{
    // The text is bound, never pasted into the statement, so a quote in it is
    // only data; its wildcards keep their meaning.
    qryFind.close();
    qryFind.setSql(sql::FindStatement(whereIndex));
    qryFind.setParam(sql::FindParam, sql::FindPattern(text));
    qryFind.open();
}

void TDM::followCurrentGroup()
{
    const QVariant name = qryOptions.value("Group");
    if (name.isNull() || !qryGroups.isOpen())
        return;
    qryGroups.locate("Name", name, {.caseInsensitive = true});
}

// ---------------------------------------------------------------- the rules

void TDM::qryPasswordsAfterInsert()
{
    qryPasswords.setValue("GroupID", qryGroups.value("GroupID"));
}

void TDM::qryPasswordsBeforePost()
{
    if (!flags_.SuppressSaveWarning && flags_.WarnBeforeSave && qryPasswords.state() != Dataset::State::Insert) {
        switch (messages_.AskSave(QStringLiteral("Save Changes to this account?"))) {
        case SaveAnswer::Cancel:
            throw SilentAbort();
        case SaveAnswer::No:
            qryPasswords.revertRow();
            return;
        case SaveAnswer::Yes:
            break;
        }
    }
    for (const char* field : {"ExpireDate", "AssignDate"}) {
        const QVariant v = qryPasswords.value(field);
        if (!v.isNull() && v.toDateTime().time() != QTime(0, 0))
            qryPasswords.setValue(field, QDateTime(v.toDateTime().date(), QTime(0, 0)));
    }
}

void TDM::DSPasswordsDataChange()
{
    window_.SetSaveEnabled(qryPasswords.state() == Dataset::State::Edit);
    window_.EnableDatabaseControls(!qryPasswords.isNull("Description"));
}

void TDM::DSGroupsDataChange()
{
    UpdateItemCount();
    if (qryGroups.isOpen()) {
        const int n = qryGroups.recordCount();
        window_.SetGroupDropDownCount(n <= 0 ? 1 : std::min(n, 10));
    }
}

void TDM::UpdateItemCount()
{
    if (!qryPasswords.isOpen())
        return;
    const int n = qryPasswords.recordCount();
    const QVariant name = qryGroups.value("Name");
    if (n == 1)
        window_.SetStatusText(QStringLiteral("1 item in ") + name.toString());
    else if (n >= 2)
        window_.SetStatusText(QStringLiteral("%1 items in ").arg(n) + name.toString());
    else if (qryGroups.recordCount() == 0)
        window_.SetStatusText(QStringLiteral("0 items"));
    else if (!name.isNull())
        window_.SetStatusText(QStringLiteral("0 items in ") + name.toString());
}

} // namespace lw
