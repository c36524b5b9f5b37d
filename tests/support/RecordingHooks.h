#pragma once

#include "store/DatabaseHooks.h"
#include "store/SessionRecords.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace lw::test {

// Records each call of the window and the record layer by name, in one list;
// a test may make one of them fail.
class RecordingHooks : public DatabaseHooks, public SessionRecords {
public:
    void ShowDatabaseOpen() override { record("ShowDatabaseOpen"); }
    void ShowDatabaseClosed() override { record("ShowDatabaseClosed"); }
    void EnableDatabaseControls(bool e) override { record(e ? "Enable" : "Disable"); }
    void OpenQueries(Connection&) override { record("OpenQueries"); }
    void ApplyDisplayRules() override { record("ApplyDisplayRules"); }
    void ShowExpiredReminder() override { record("ShowExpiredReminder"); }
    void SavePendingEdits() override { record("SavePendingEdits"); }
    void CloseQueries() override { record("CloseQueries"); }
    void ClearStatusAndBackground() override { record("ClearStatus"); }

    QStringList calls;
    QString failOn;

private:
    void record(const QString& name)
    {
        calls << name;
        if (name == failOn)
            throw std::runtime_error("hook failed");
    }
};

} // namespace lw::test
