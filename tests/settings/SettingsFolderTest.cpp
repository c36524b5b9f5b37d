#include "settings/SettingsFolder.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace lw;
using lw::test::TempDir;

namespace {

// Points the user's configuration folder into a temporary folder.
class SettingsFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved_ = qgetenv("XDG_CONFIG_HOME");
        hadValue_ = qEnvironmentVariableIsSet("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    }
    void TearDown() override
    {
        if (hadValue_)
            qputenv("XDG_CONFIG_HOME", saved_);
        else
            qunsetenv("XDG_CONFIG_HOME");
    }

    TempDir program;
    TempDir config;

private:
    QByteArray saved_;
    bool hadValue_ = false;
};

TEST_F(SettingsFolderTest, UsesTheProgramFolderWhenWritable)
{
    EXPECT_EQ(SettingsFolderFor(program.path()), program.path());
    EXPECT_FALSE(config.exists("lockwell"));
}

TEST_F(SettingsFolderTest, AnInstalledProgramKeepsItsSettingsInTheUsersConfigFolder)
{
    // A system folder counts as installed even for a user who may write to it (root).
    for (const QString& programDir : {program.file("gone"), QStringLiteral("/usr/bin")}) {
        EXPECT_EQ(SettingsFolderFor(programDir), config.file("lockwell")) << programDir.toStdString();
        EXPECT_TRUE(QFileInfo(config.file("lockwell")).isDir());
    }
}

TEST_F(SettingsFolderTest, FileDialogsStartInTheProgramFolderOrInTheDocumentsOfAnInstalledProgram)
{
    const QString documents = config.file("Papers");
    config.write("user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + documents.toUtf8() + "\"\n");
    ASSERT_TRUE(QDir().mkpath(documents));
    struct Case {
        QString programDir;
        QString start;
    };
    for (const Case& c : {Case{program.path(), program.path()}, Case{program.file("gone"), documents},
                          Case{"/usr/bin", documents}, Case{"/opt/lockwell", documents}})
        EXPECT_EQ(StartFolderFor(c.programDir), c.start) << c.programDir.toStdString();
}

TEST_F(SettingsFolderTest, WithoutADocumentsFolderFileDialogsStartAtHome)
{
    config.write("user-dirs.dirs", "XDG_DOCUMENTS_DIR=\"" + config.file("Papers").toUtf8() + "\"\n");
    EXPECT_EQ(StartFolderFor("/usr/bin"), QDir::homePath());
}

TEST(SettingsFilePath, NamesLwIniInTheFolder)
{
    EXPECT_EQ(SettingsFilePath("/opt/lockwell"), "/opt/lockwell/lw.ini");
    EXPECT_EQ(SettingsFilePath("/opt/lockwell/"), "/opt/lockwell/lw.ini");
}

} // namespace
