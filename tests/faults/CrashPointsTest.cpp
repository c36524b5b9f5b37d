// Kills the program's file work at spread points of each step (unlock,
// compaction, close, backup, settings writes) and checks that nothing is lost:
// the database opens with its password and holds every account, the backup
// is the old copy or the new one whole, the settings file is whole, and what
// the killed process left is removed by the next unlock or write.
#include "FaultBench.h"

#include "settings/IniFile.h"
#include "store/AliasStore.h"
#include "store/AutomaticBackup.h"
#include "support/FakeMessages.h"
#include "support/TempDir.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QProcess>
#include <gtest/gtest.h>

using namespace lw;
using lw::test::FaultBench;

namespace {

constexpr int kAccounts = 3000;
constexpr int kKillsPerStep = 13;

struct Figures {
    int tried = 0, survived = 0, crashes = 0, hangs = 0, kills = 0;
    qint64 bytesLost = 0;
};

class CrashPoints : public ::testing::TestWithParam<const char*> {
protected:
    // The window of each step in one uninterrupted run, in milliseconds from
    // the start of the helper.
    std::pair<qint64, qint64> window(const FaultBench::Run& run, const QString& step) const
    {
        for (int i = 0; i + 1 < run.phases.size(); ++i)
            if (run.phases[i].first == step)
                return {run.phases[i].second, run.phases[i + 1].second};
        return {0, 0};
    }

    // After a kill: everything whole, every leftover gone after the next unlock
    // and the next writes.
    void checkAfterKill(const FaultBench& bench, const QByteArray& backupBefore, const QByteArray& iniBefore,
                        Figures& f, const QString& where)
    {
        SCOPED_TRACE(where.toStdString());
        bool whole = true;
        const QByteArray database = bench.read("Family.pdb");
        const QByteArray backup = bench.read("backup/Family.pdb");
        if (backup != backupBefore && backup != database) {
            ADD_FAILURE() << "the backup is neither the old copy nor the new one";
            f.bytesLost += backup.size();
            whole = false;
        }
        IniFile ini(bench.file("lw.ini"));
        if (ini.readString("Backup", "dir", "ERROR") != bench.file("backup") ||
            ini.readInt("Backup", "interval", -1) != 1) {
            ADD_FAILURE() << "the settings file lost its backup settings";
            f.bytesLost += iniBefore.size();
            whole = false;
        }
        QStringList leftovers;
        const int rows = bench.verifyDatabase(&leftovers);
        if (rows != bench.accounts()) {
            ADD_FAILURE() << "the database holds " << rows << " accounts";
            f.bytesLost += database.size();
            whole = false;
        }
        // The engine's own journal of the open database is no leftover: a
        // killed transaction's journal is rolled back by the unlock, and the
        // file goes with the close (checked below).
        QStringList inDatabaseFolder;
        for (const QString& name : leftovers)
            if (!name.startsWith("lw.ini") && !name.startsWith("backup/") && !name.startsWith("alias.ini") &&
                name != "Family.pdb-journal")
                inDatabaseFolder << name;
        EXPECT_TRUE(inDatabaseFolder.isEmpty()) << inDatabaseFolder.join(", ").toStdString();

        // The next settings write and backup clear what theirs left.
        test::FakeMessages boxes;
        ini.writeInt("SearchOptions", "index", 0);
        RunAutomaticBackup(ini, AliasStore(bench.folder()), boxes);
        EXPECT_TRUE(bench.temporaryFiles().isEmpty()) << bench.temporaryFiles().join(", ").toStdString();
        if (whole)
            ++f.survived;
    }
};

TEST_P(CrashPoints, NothingIsLostWhereverTheProcessIsKilled)
{
    const QString step = GetParam();
    test::TempDir dir;
    FaultBench bench(dir.path(), kAccounts);

    const FaultBench::Run calibration = bench.runHelper({"cycle"});
    ASSERT_TRUE(calibration.finished) << calibration.lines.join('\n').toStdString();
    const auto [from, to] = window(calibration, step);
    ASSERT_LE(from, to) << "no " << step.toStdString() << " step in the run";
    // Kills land at spread points of the step, counted from its start in each
    // run; a step that took no measurable time gets a few milliseconds.
    const qint64 length = std::max<qint64>(to - from, 3);

    Figures f;
    QMap<QString, int> landedIn;
    for (int i = 0; i < kKillsPerStep; ++i) {
        const QByteArray backupBefore = bench.read("backup/Family.pdb");
        const QByteArray iniBefore = bench.read("lw.ini");
        const qint64 at = length * i / kKillsPerStep;
        const FaultBench::Run run = bench.runHelper({"cycle"}, {step, at});
        ++f.tried;
        f.crashes += run.crashed;
        f.hangs += run.hung;
        EXPECT_FALSE(run.crashed) << run.lines.join('\n').toStdString();
        EXPECT_FALSE(run.hung);
        EXPECT_TRUE(run.killed || run.finished) << run.lines.join('\n').toStdString();
        if (run.killed) {
            ++f.kills;
            ++landedIn[run.lastPhase()];
        }
        checkAfterKill(bench, backupBefore, iniBefore, f,
                       QString("kill %1 at %2 ms, in %3").arg(i).arg(at).arg(run.lastPhase()));
    }
    QStringList where;
    for (auto it = landedIn.begin(); it != landedIn.end(); ++it)
        where << QString("%1 in %2").arg(it.value()).arg(it.key());
    std::printf("KILLS %s: %d of %d runs killed (%s)\n", qPrintable(step), f.kills, f.tried,
                qPrintable(where.join(", ")));
    test::PrintFigures(qPrintable("CrashPoints/" + step), f.tried, f.survived, f.crashes, f.hangs, f.bytesLost);
    EXPECT_GE(f.kills, kKillsPerStep * 2 / 3);
    EXPECT_EQ(f.bytesLost, 0);
}

INSTANTIATE_TEST_SUITE_P(Steps, CrashPoints, ::testing::Values("unlock", "compaction", "close", "backup", "settings"),
                         [](const auto& testInfo) { return std::string(testInfo.param); });

// Two programs close and unlock databases of the same folder at the same
// moment, round after round: each keeps its own database.
TEST(TwoPrograms, DatabasesInOneFolderNeverTakeEachOthersPlace)
{
    test::TempDir dir;
    FaultBench first(dir.path(), 200);
    // The second database lives in a folder of its own settings, beside the first.
    QDir(dir.path()).mkdir("second");
    FaultBench second(dir.file("second"), 300);
    QFile::rename(second.file("Family.pdb"), dir.file("Second.pdb"));
    AliasStore(second.folder()).SetDatabasePath(dir.file("Second.pdb"));

    int rounds = 0;
    for (int round = 0; round < 10; ++round) {
        QProcess a, b;
        const QStringList args{"unlock", "4"};
        a.start(LW_FAULT_HELPER, QStringList{first.folder(), FaultBench::kPassword} + args);
        b.start(LW_FAULT_HELPER, QStringList{second.folder(), FaultBench::kPassword} + args);
        ASSERT_TRUE(a.waitForFinished(60000));
        ASSERT_TRUE(b.waitForFinished(60000));
        const QString outA = a.readAllStandardOutput(), outB = b.readAllStandardOutput();
        EXPECT_EQ(a.exitCode(), 0) << outA.toStdString();
        EXPECT_EQ(b.exitCode(), 0) << outB.toStdString();
        EXPECT_FALSE(outA.contains("MESSAGE")) << outA.toStdString();
        EXPECT_FALSE(outB.contains("MESSAGE")) << outB.toStdString();
        ++rounds;
    }
    EXPECT_EQ(first.verifyDatabase(), 200);
    EXPECT_EQ(second.verifyDatabase(), 300);
    std::printf("RACE %d rounds of 4 unlocks and closes by two programs in one folder\n", rounds);
}

// Two programs unlock the same database: the second is told that it is in
// use, and the database stays whole.
TEST(TwoPrograms, TheSecondUnlockOfOneDatabaseIsRefusedWithAClearMessage)
{
    test::TempDir dir;
    FaultBench bench(dir.path(), 500);
    int refused = 0, rounds = 0;
    for (int round = 0; round < 6; ++round) {
        QProcess a, b;
        const QStringList args{"unlock", "3"};
        a.start(LW_FAULT_HELPER, QStringList{bench.folder(), FaultBench::kPassword} + args);
        b.start(LW_FAULT_HELPER, QStringList{bench.folder(), FaultBench::kPassword} + args);
        ASSERT_TRUE(a.waitForFinished(60000));
        ASSERT_TRUE(b.waitForFinished(60000));
        for (QProcess* p : {&a, &b}) {
            const QString out = p->readAllStandardOutput();
            if (p->exitCode() == 2) {
                ++refused;
                EXPECT_TRUE(out.contains("is in use by another program")) << out.toStdString();
            } else {
                EXPECT_EQ(p->exitCode(), 0) << out.toStdString();
            }
        }
        ++rounds;
        ASSERT_EQ(bench.verifyDatabase(), 500) << "round " << round;
    }
    std::printf("SAME FILE %d rounds, %d unlocks refused as in use\n", rounds, refused);
}

} // namespace
