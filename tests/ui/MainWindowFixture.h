#pragma once

#include "settings/IniFile.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "support/FakeClock.h"
#include "support/FakeFileChooser.h"
#include "support/FakeMessages.h"
#include "support/FakeSounds.h"
#include "support/ModalDriver.h"
#include "support/TempDir.h"
#include "ui/SecretClipboard.h"
#include "ui/main/TfrmMain.h"

#include <gtest/gtest.h>
#include <memory>

namespace lw::test {

// The real main window over fake services and a temporary settings folder.
class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Creates a database through File > New with that password.
    void createDatabase(const QString& name, const QString& password, bool samples = true);
    // Opens the configured database through the unlock dialog.
    void unlock(const QString& password);
    // Types `password` into the next master password prompt and presses OK;
    // with giveUp the prompt is then closed, as a user does after a refusal.
    void answerPasswordPrompt(const QString& password, bool giveUp = false);
    QStringList logLines() const;

    TempDir dir;
    FakeClock clock;
    FakeMessages messages;
    FakeFileChooser files;
    FakeSounds sounds;
    IniFile settings{dir.file("lw.ini")};
    AliasStore alias{dir.path()};
    AccessLog log{dir.path(), alias, clock, LogSeparators{}};
    SecretClipboard clipboard{settings, clock};
    std::unique_ptr<TfrmMain> main;
    ModalDriver modal;
};

} // namespace lw::test
