#include "settings/SecuritySettings.h"
#include "settings/IniFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using namespace lw;

namespace {

TEST(SecuritySettings, DelaysReadWithTheirDefaultsAndLimits)
{
    struct Case {
        const char* stored; // nullptr: no key
        int clipboardSeconds;
        int lockMinutes;
    };
    const Case cases[] = {
        {nullptr, 10, 0}, {"3", 3, 3}, {"0", 0, 0}, {"-5", 10, 0}, {"soon", 10, 0}, {"99999", 3600, 1440},
    };
    for (const Case& c : cases) {
        test::TempDir dir;
        IniFile ini(dir.file("lw.ini"));
        if (c.stored) {
            ini.writeString("Options", "clipboardseconds", c.stored);
            ini.writeString("Options", "locktime", c.stored);
        }
        EXPECT_EQ(ReadClipboardSeconds(ini), c.clipboardSeconds) << (c.stored ? c.stored : "none");
        EXPECT_EQ(ReadLockMinutes(ini), c.lockMinutes) << (c.stored ? c.stored : "none");
    }
}

TEST(SecuritySettings, WrittenUnderTheirKeysOfOptions)
{
    test::TempDir dir;
    IniFile ini(dir.file("lw.ini"));
    WriteClipboardSeconds(ini, 25);
    WriteLockMinutes(ini, 7);
    EXPECT_EQ(ini.readString("Options", "clipboardseconds", ""), "25");
    EXPECT_EQ(ini.readString("Options", "locktime", ""), "7");
}

} // namespace
