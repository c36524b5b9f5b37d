#pragma once

#include <QString>

namespace lw {

// What the data module's rules change on the main window.
class RecordWindow {
public:
    virtual ~RecordWindow() = default;
    // The account fields of the detail page.
    virtual void EnableDatabaseControls(bool enabled) = 0;
    // The save button and Edit > Undo.
    virtual void SetSaveEnabled(bool enabled) = 0;
    // Rows shown when the group combo drops down.
    virtual void SetGroupDropDownCount(int rows) = 0;
    // The first panel of the status bar.
    virtual void SetStatusText(const QString& text) = 0;
};

// Program-wide editing flags owned by the main window.
struct EditFlags {
    // Ask "Save Changes to this account?" before an edited account is stored.
    bool WarnBeforeSave = false;
    // True while the program itself edits and stores the current account.
    bool SuppressSaveWarning = false;
};

} // namespace lw
