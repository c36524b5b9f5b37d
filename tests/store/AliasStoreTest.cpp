#include "store/AliasStore.h"
#include "support/TempDir.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace lw;
using lw::test::TempDir;

namespace {

TEST(AliasStore, NothingStoredMeansNoDatabase)
{
    TempDir dir;
    AliasStore aliases(dir.path());
    EXPECT_EQ(aliases.GetDatabasePath(), "");
    EXPECT_FALSE(aliases.IsDatabaseConfigured());
}

TEST(AliasStore, StoresPathWithExclusiveFlagAcrossInstances)
{
    TempDir dir;
    dir.write("Family.pdb", "x");
    AliasStore(dir.path()).SetDatabasePath(dir.file("Family.pdb"));

    AliasStore later(dir.path());
    EXPECT_EQ(later.GetDatabasePath(), dir.file("Family.pdb"));
    EXPECT_TRUE(later.IsDatabaseConfigured());
    EXPECT_EQ(dir.read("alias.ini"), "[lw]\nPath=" + dir.file("Family.pdb").toUtf8() + "\nExclusive=True\n");
}

TEST(AliasStore, ConfiguredOnlyWhenThePathNamesAFile)
{
    TempDir dir;
    QDir(dir.path()).mkdir("folder");
    AliasStore aliases(dir.path());
    for (const char* name : {"gone.pdb", "folder"}) {
        aliases.SetDatabasePath(dir.file(name));
        EXPECT_EQ(aliases.GetDatabasePath(), dir.file(name));
        EXPECT_FALSE(aliases.IsDatabaseConfigured()) << name;
    }
}

TEST(AliasStore, UnreadableStoreReadsAsNoDatabase)
{
    TempDir dir;
    QDir(dir.path()).mkdir("alias.ini");
    AliasStore aliases(dir.path());
    EXPECT_EQ(aliases.GetDatabasePath(), "");
    EXPECT_FALSE(aliases.IsDatabaseConfigured());
}

} // namespace
