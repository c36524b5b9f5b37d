#pragma once

#include "store/DatabaseHooks.h"

#include <QString>
#include <QStringList>
#include <functional>

namespace lw::test {

// Records each call by name; a test may make one of them fail.
class RecordingHooks : public DatabaseHooks {
public:
    void ShowDatabaseOpen() override { record("ShowDatabaseOpen"); }
    void ShowDatabaseClosed() override { record("ShowDatabaseClosed"); }
    void EnableDatabaseControls(bool e) override { record(e ? "Enable" : "Disable"); }
    void OpenQueries(Connection&) override { record("OpenQueries"); }
    void ApplyDisplayRules() override { record("ApplyDisplayRules"); }
    void ShowExpiredReminder() override { record("ShowExpiredReminder"); }
    void UnlockRefused() override { record("UnlockRefused"); }
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
