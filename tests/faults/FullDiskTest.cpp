// The program's file work with too little room (a file size limit, so that
// no file system need be mounted) and in a folder it may not write: the old
// files survive byte for byte and the message names the cause.
#include "FaultBench.h"

#include "support/TempDir.h"

#include <QFile>
#include <csignal>
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace lw;
using lw::test::FaultBench;

namespace {

// Runs in the child: no file may grow past `bytes`.
std::function<void()> sizeLimit(rlim_t bytes)
{
    return [bytes] {
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{bytes, bytes};
        setrlimit(RLIMIT_FSIZE, &limit);
    };
}

constexpr uid_t kNobody = 65534;

// Runs in the child: the helper runs as an ordinary user, to whom a
// read-only folder is read-only (it is not to root).
std::function<void()> asNobody()
{
    return [] {
        ::setgroups(0, nullptr);
        if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0)
            ::_exit(99);
    };
}

int gTried = 0, gSurvived = 0, gCrashes = 0, gHangs = 0;
qint64 gLost = 0;

class FullDisk : public ::testing::Test {
protected:
    FullDisk() : bench(dir.path(), 2000) { }
    static void TearDownTestSuite()
    {
        test::PrintFigures("FullDiskAndReadOnly", gTried, gSurvived, gCrashes, gHangs, gLost);
    }

    // One case: the files named must be byte for byte as before, the output
    // must hold `cause`.
    void expectSurvives(const FaultBench::Run& run, const QStringList& files, const QMap<QString, QByteArray>& before,
                        const QString& cause)
    {
        ++gTried;
        gCrashes += run.crashed;
        gHangs += run.hung;
        EXPECT_FALSE(run.crashed);
        EXPECT_FALSE(run.hung);
        bool whole = !run.crashed && !run.hung;
        for (const QString& name : files) {
            if (bench.read(name) != before[name]) {
                ADD_FAILURE() << name.toStdString() << " changed";
                gLost += before[name].size();
                whole = false;
            }
        }
        EXPECT_TRUE(run.messages().contains(cause)) << run.lines.join('\n').toStdString();
        EXPECT_TRUE(bench.temporaryFiles().isEmpty()) << bench.temporaryFiles().join(", ").toStdString();
        gSurvived += whole;
    }
    QMap<QString, QByteArray> snapshot(const QStringList& names) const
    {
        QMap<QString, QByteArray> out;
        for (const QString& n : names)
            out[n] = bench.read(n);
        return out;
    }

    test::TempDir dir;
    FaultBench bench;
};

TEST_F(FullDisk, AnUnlockWithoutRoomForTheUnscrambledCopyLeavesTheFile)
{
    const QStringList files{"Family.pdb", "lw.ini", "alias.ini"};
    const auto before = snapshot(files);
    const FaultBench::Run run = bench.runHelper({"unlock", "1"}, {}, sizeLimit(before["Family.pdb"].size() / 2));
    EXPECT_EQ(run.exitCode, 2);
    expectSurvives(run, files, before, "The disk is full");
    EXPECT_TRUE(run.messages().contains(bench.file("Family.pdb")));
}

TEST_F(FullDisk, AScrambleWithoutRoomKeepsTheDatabaseAndItOpensAgain)
{
    const qint64 scrambled = bench.read("Family.pdb").size();
    // Room for the unscrambled copy (4 bytes shorter), not for the scrambled one.
    const FaultBench::Run run = bench.runHelper({"unlock", "1"}, {}, sizeLimit(rlim_t(scrambled - 2)));
    ++gTried;
    EXPECT_EQ(run.exitCode, 0) << run.lines.join('\n').toStdString();
    EXPECT_TRUE(run.messages().contains("The disk is full")) << run.lines.join('\n').toStdString();
    EXPECT_TRUE(run.messages().contains("scrambled at the next close"));
    EXPECT_TRUE(bench.temporaryFiles().isEmpty());
    const int rows = bench.verifyDatabase();
    EXPECT_EQ(rows, bench.accounts());
    gSurvived += rows == bench.accounts();
    gLost += rows == bench.accounts() ? 0 : scrambled;
}

TEST_F(FullDisk, ASettingsWriteKeepsTheOldFile)
{
    const QStringList files{"lw.ini"};
    const auto before = snapshot(files);
    const FaultBench::Run run = bench.runHelper({"settings", "1"}, {}, sizeLimit(17));
    EXPECT_EQ(run.exitCode, 3);
    expectSurvives(run, files, before, "The disk is full");
}

TEST_F(FullDisk, ABackupKeepsTheOldCopy)
{
    bench.runHelper({"backup"});
    const QStringList files{"backup/Family.pdb", "Family.pdb"};
    const auto before = snapshot(files);
    ASSERT_FALSE(before["backup/Family.pdb"].isEmpty());
    const FaultBench::Run run = bench.runHelper({"backup"}, {}, sizeLimit(before["Family.pdb"].size() / 3));
    expectSurvives(run, files, before, "Error - An Error occured while copying");
}

TEST_F(FullDisk, ALogLineThatCannotBeWrittenDoesNotStopTheUnlock)
{
    bench.runHelper({"unlock", "1"});
    const qint64 log = bench.read("Log.txt").size();
    const qint64 database = bench.read("Family.pdb").size();
    ASSERT_GT(log, 0);
    // The log may not grow, the database may be written.
    QFile::resize(bench.file("Log.txt"), database + 8);
    const FaultBench::Run run = bench.runHelper({"unlock", "1"}, {}, sizeLimit(rlim_t(database + 8)));
    ++gTried;
    EXPECT_EQ(run.exitCode, 0) << run.lines.join('\n').toStdString();
    EXPECT_TRUE(run.messages().contains("access log")) << run.lines.join('\n').toStdString();
    EXPECT_EQ(bench.read("Log.txt").size(), database + 8);
    gSurvived += bench.verifyDatabase() == bench.accounts();
}

class ReadOnly : public FullDisk {
protected:
    // Makes the folder read-only for the helper; empty when it runs as is.
    std::function<void()> readOnlyFolder()
    {
        const QByteArray folder = QFile::encodeName(dir.path());
        if (::geteuid() != 0) {
            ::chmod(folder.constData(), 0555);
            return {};
        }
        // Root writes anywhere: the helper drops to an ordinary user, who may
        // read the files but not write the folder.
        ::chmod(folder.constData(), 0755);
        for (const char* name : {"Family.pdb", "lw.ini", "alias.ini", "Log.txt"})
            ::chown(QFile::encodeName(bench.file(name)).constData(), kNobody, kNobody);
        return asNobody();
    }
    void TearDown() override { ::chmod(QFile::encodeName(dir.path()).constData(), 0700); }
};

TEST_F(ReadOnly, AnUnlockInAReadOnlyFolderSaysSoAndLeavesTheFile)
{
    const QStringList files{"Family.pdb", "lw.ini", "alias.ini"};
    const auto before = snapshot(files);
    const FaultBench::Run run = bench.runHelper({"unlock", "1"}, {}, readOnlyFolder());
    if (run.exitCode == 99)
        GTEST_SKIP() << "cannot run the helper as an ordinary user here";
    EXPECT_EQ(run.exitCode, 2) << run.lines.join('\n').toStdString();
    expectSurvives(run, files, before, "read-only");
}

TEST_F(ReadOnly, ASettingsWriteInAReadOnlyFolderSaysWhyAndKeepsTheFile)
{
    const QStringList files{"lw.ini"};
    const auto before = snapshot(files);
    const FaultBench::Run run = bench.runHelper({"settings", "1"}, {}, readOnlyFolder());
    if (run.exitCode == 99)
        GTEST_SKIP() << "cannot run the helper as an ordinary user here";
    EXPECT_EQ(run.exitCode, 3);
    expectSurvives(run, files, before, "Permission denied");
}

} // namespace
