#pragma once

namespace lw {

// What opening and closing a database shows on the main window.
class DatabaseHooks {
public:
    virtual ~DatabaseHooks() = default;

    virtual void ShowDatabaseOpen() = 0; // open state; title "short"
    virtual void ShowDatabaseClosed() = 0; // no-database state; title "none"
    virtual void EnableDatabaseControls(bool enabled) = 0;
    // Background style of the detail panel and the password display rule.
    virtual void ApplyDisplayRules() = 0;
    // Shows the expired-accounts list when any account is due.
    virtual void ShowExpiredReminder() = 0;
    // Empties the status text and hides the background fill.
    virtual void ClearStatusAndBackground() = 0;
};

} // namespace lw
