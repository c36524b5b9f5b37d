#pragma once

#include "settings/IniFile.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/DatabaseSession.h"
#include "store/Schema.h"
#include "store/TCryptFile.h"
#include "support/FakeClock.h"
#include "support/FakeMessages.h"
#include "support/FakeSounds.h"
#include "support/RecordingHooks.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

namespace lw::test {

// A new database "Family.pdb" (password "secret1", with the sample groups)
// as the configured database, and an open/close session over fake services
// in the same temporary folder.
class SessionFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        cipher.setIntKey(kProgramIntKey);
        path = dir.file("Family.pdb");
        CreatePasswordDatabase(path, "secret1", true);
        alias.SetDatabasePath(path);
    }

    QStringList logLines() const { return QString::fromLatin1(dir.read("Log.txt")).split("\r\n", Qt::SkipEmptyParts); }

    TempDir dir;
    FakeClock clock{QDateTime(QDate(2001, 3, 7), QTime(0, 5))};
    FakeMessages messages;
    FakeSounds sounds;
    RecordingHooks hooks;
    AliasStore alias{dir.path()};
    AccessLog log{dir.path(), alias, clock, LogSeparators{}};
    TCryptFile cipher{messages};
    IniFile settings{dir.file("lw.ini")};
    DatabaseSession session{{alias, log, cipher, settings, sounds, messages, clock}, hooks, hooks};
    QString path;
};

} // namespace lw::test
