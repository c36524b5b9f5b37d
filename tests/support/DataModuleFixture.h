#pragma once

#include "records/TDM.h"
#include "store/AliasStore.h"
#include "store/Connection.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace lw::test {

// Records what the data module's rules set on the main window.
class FakeRecordWindow : public RecordWindow {
public:
    void EnableDatabaseControls(bool e) override { controlsEnabled = e; }
    void SetSaveEnabled(bool e) override { saveEnabled = e; }
    void SetGroupDropDownCount(int rows) override { dropDownRows = rows; }
    void SetStatusText(const QString& text) override { status = text; }

    bool controlsEnabled = false;
    bool saveEnabled = false;
    int dropDownRows = 0;
    QString status;
};

// A real database file in a temporary folder with the data module over it.
class DataModuleTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Adds accounts (description per entry) to the group of that name.
    void addAccounts(const QString& group, const QStringList& descriptions);
    void openModule();
    // The stored value of one column of one account, read past the data module.
    QVariant stored(const QString& description, const QString& column);

    TempDir dir;
    QString path;
    FakeClock clock;
    FakeMessages messages;
    FakeRecordWindow window;
    EditFlags flags;
    AliasStore alias{dir.path()};
    std::unique_ptr<Connection> db;
    TDM dm{alias, messages, window, flags};
};

} // namespace lw::test
