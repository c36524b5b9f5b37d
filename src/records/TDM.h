#pragma once

#include "Dataset.h"
#include "RecordWindow.h"
#include "store/SessionRecords.h"

#include <QStringList>

namespace lw {

class AliasStore;
class Connection;
class Messages;

// The data module: the one owner of every query over the open database, and
// the rules that tie them together and to the main window.
class TDM : public SessionRecords {
public:
    TDM(AliasStore& alias, Messages& messages, RecordWindow& window, EditFlags& flags);
    TDM(const TDM&) = delete;
    TDM& operator=(const TDM&) = delete;

    // A non-empty first argument becomes the configured database.
    void DMCreate(const QStringList& arguments);

    // Opening a database: the group, account and options queries, in that order.
    void OpenQueries(Connection& db) override;
    // Stores a pending options edit and an account being edited (not a new
    // account that was never stored).
    void SavePendingEdits() override;
    // Closes every query and forgets the connection.
    void CloseQueries() override;

    // The group combo: a group chosen by name becomes current, then the options
    // row keeps its name and stays in edit state until something stores it.
    // When the save question stops the move, nothing changes.
    void ChooseGroup(const QString& name);

    void UpdateItemCount();

    // Re-runs the group and account lists after rows were added past them (an
    // import), then makes the named group current and remembers it in the
    // options row, as a new group is shown.
    void RerunListsOn(const QString& group);

    // Makes an account of any group the current one: its group becomes the
    // current group, remembered in the options row, then the account the
    // current account. Used by the find and expired lists.
    void GoToAccount(const QVariant& groupId, const QString& groupName, const QVariant& passwordId);
    // The same for the current row of a list holding GroupID, Name and
    // PasswordID (qryFind, qryExpired); false when the list has no row.
    bool GoToListedAccount(const Dataset& list);

    // Runs qryFind for a search text on the "Where" choice whereIndex (0 to 6).
    void RunFind(int whereIndex, const QString& text);

    // The editing flags the save question reads.
    EditFlags& flags() { return flags_; }

    Dataset qryGroups{"qryGroups"};
    Dataset qryPasswords{"qryPasswords"};
    Dataset qryTemp{"qryTemp"};
    Dataset qryOptions{"qryOptions"};
    Dataset qryRptPasswords{"qryRptPasswords"};
    Dataset qryExpired{"qryExpired"};
    Dataset qryFind{"qryFind"};
    Dataset qryTransfer{"qryTransfer"};

private:
    void declareFields();
    void DSPasswordsDataChange();
    void DSGroupsDataChange();
    void qryPasswordsAfterInsert();
    void qryPasswordsBeforePost();
    void followCurrentGroup();
    std::vector<Dataset*> all();

    AliasStore& alias_;
    Messages& messages_;
    RecordWindow& window_;
    EditFlags& flags_;
};

} // namespace lw
