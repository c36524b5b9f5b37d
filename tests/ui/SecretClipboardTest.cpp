#include "ui/SecretClipboard.h"
#include "settings/IniFile.h"
#include "support/FakeClock.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <gtest/gtest.h>

using namespace lw;

namespace {

QString clipboardText()
{
    return QApplication::clipboard()->text();
}

class SecretClipboardTest : public ::testing::Test {
protected:
    void SetUp() override { QApplication::clipboard()->clear(); }
    void TearDown() override { QApplication::clipboard()->clear(); }
    void after(int seconds)
    {
        clock.time = clock.time.addSecs(seconds);
        clipboard.clearWhenDue();
    }

    test::TempDir dir;
    IniFile settings{dir.file("lw.ini")};
    test::FakeClock clock;
    SecretClipboard clipboard{settings, clock};
};

TEST_F(SecretClipboardTest, ACopyIsMarkedForClipboardManagersToSkip)
{
    clipboard.copySecret("pw-9");
    const QMimeData* data = QApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(data->text(), "pw-9");
    EXPECT_EQ(data->data("x-kde-passwordManagerHint"), "secret");
}

TEST_F(SecretClipboardTest, ClearedOnceTheDelayHasPassedByTheClock)
{
    clipboard.copySecret("pw-9");
    EXPECT_EQ(clipboard.nextLookMs(), 10000);
    after(9);
    EXPECT_EQ(clipboardText(), "pw-9");
    EXPECT_EQ(clipboard.nextLookMs(), 1000) << "looks again when the rest has passed";
    after(1);
    EXPECT_EQ(clipboardText(), "");
    EXPECT_EQ(clipboard.nextLookMs(), -1);
}

TEST_F(SecretClipboardTest, WhatWasCopiedSinceStays)
{
    clipboard.copySecret("pw-9");
    QApplication::clipboard()->setText("my own note");
    after(10);
    EXPECT_EQ(clipboardText(), "my own note");
    clipboard.clearIfOurs();
    EXPECT_EQ(clipboardText(), "my own note");
}

TEST_F(SecretClipboardTest, TheDelayComesFromTheSettingsAndZeroKeepsItUntilCleared)
{
    settings.writeInt("Options", "clipboardseconds", 3);
    clipboard.copySecret("pw-9");
    EXPECT_EQ(clipboard.nextLookMs(), 3000);
    after(3);
    EXPECT_EQ(clipboardText(), "");

    settings.writeInt("Options", "clipboardseconds", 0);
    clipboard.copySecret("pw-9");
    EXPECT_EQ(clipboard.nextLookMs(), -1);
    after(3600);
    EXPECT_EQ(clipboardText(), "pw-9");
    clipboard.clearIfOurs();
    EXPECT_EQ(clipboardText(), "");
}

TEST_F(SecretClipboardTest, AnEmptyTextLeavesTheClipboardAsItWas)
{
    QApplication::clipboard()->setText("kept");
    clipboard.copySecret("");
    EXPECT_EQ(clipboardText(), "kept");
    EXPECT_EQ(clipboard.nextLookMs(), -1);
}

} // namespace
