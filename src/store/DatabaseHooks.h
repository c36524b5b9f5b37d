#pragma once

namespace lw {

class Connection;

// What opening and closing a database asks of the main window and of the
// record layer above the store.
class DatabaseHooks {
public:
    virtual ~DatabaseHooks() = default;

    virtual void ShowDatabaseOpen() = 0;   // open state; title "short"
    virtual void ShowDatabaseClosed() = 0; // no-database state; title "none"
    virtual void EnableDatabaseControls(bool enabled) = 0;
    // Opens the group, account and options queries on the new connection.
    virtual void OpenQueries(Connection& db) = 0;
    // Background style of the detail panel and the password display rule.
    virtual void ApplyDisplayRules() = 0;
    // Shows the expired-accounts list when any account is due.
    virtual void ShowExpiredReminder() = 0;
    // A refused unlock: empty the password box and give it the focus.
    virtual void UnlockRefused() = 0;
    // Stores edits in progress (the options row, the current account) before
    // the connection closes.
    virtual void SavePendingEdits() = 0;
    // Closes every query before the connection goes.
    virtual void CloseQueries() = 0;
    // Empties the status text and hides the background fill.
    virtual void ClearStatusAndBackground() = 0;
};

} // namespace lw
