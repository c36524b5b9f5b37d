// The real main window over the large database, under the offscreen
// platform: a group switch as the user makes it, and the whole program's
// peak memory.
#include "BenchSupport.h"

#include "settings/IniFile.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/Clock.h"
#include "ui/FileChooser.h"
#include "ui/SecretClipboard.h"
#include "ui/main/MainControls.h"
#include "ui/main/TfrmMain.h"

#include <QApplication>
#include <QComboBox>
#include <QListView>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lw;
using namespace lw::bench;

namespace {

class NoFiles : public FileChooser {
public:
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString chooseFolder(QWidget*, const QString&, const QString&) override { return {}; }
};

void BM_WindowGroupSwitch100k(benchmark::State& state)
{
    NeedApplication();
    QTemporaryDir dir;
    const QString path = dir.filePath("large.pdb");
    CopyAndSync(LargeDatabaseFile(), path);
    IniFile settings(dir.filePath("lw.ini"));
    settings.writeBool("ExpireOptions", "remind", true);
    AliasStore alias(dir.path());
    alias.SetDatabasePath(path);
    SystemClock clock;
    AccessLog log(dir.path(), alias, clock, LogSeparators{});
    NoMessages messages;
    NoFiles files;
    NoSounds sounds;
    SecretClipboard clipboard(settings, clock);
    TfrmMain main({dir.path(), settings, alias, log, clock, messages, files, sounds, clipboard});
    main.show();
    main.session().OpenDatabase(kPassword);
    QApplication::processEvents();

    QComboBox* combo = main.ui().cboGroup;
    QListView* grid = main.ui().GridDescription;
    int turn = 0;
    for (auto _ : state) {
        // The user picks the next group in the combo.
        const int row = 10 + turn++ % 2;
        emit combo->activated(row);
        QApplication::processEvents();
        if (grid->model()->rowCount() != kAccountsPerGroup || main.DM().qryGroups.currentRow() != row ||
            grid->model()->index(0, 0).data().toString().isEmpty())
            state.SkipWithError("the list does not hold the new group");
    }
    main.session().CloseDatabase();
}
BENCHMARK(BM_WindowGroupSwitch100k)->Unit(benchmark::kMillisecond);

// The peak resident memory of the whole program, measured in a process of
// its own (lockwell_memory_probe) so that no other benchmark counts.
void BM_PeakMemory100k(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large.pdb");
    CopyAndSync(LargeDatabaseFile(), path);
    double peakMiB = 0;
    for (auto _ : state) {
        QProcess probe;
        probe.start(QStringLiteral(LOCKWELL_MEMORY_PROBE), {path, QString::fromLatin1(kPassword)});
        if (!probe.waitForFinished(120000) || probe.exitCode() != 0) {
            state.SkipWithError(probe.readAllStandardError().constData());
            return;
        }
        peakMiB = probe.readAllStandardOutput().trimmed().toDouble() / 1024.0;
    }
    state.counters["peak_MiB"] = peakMiB;
}
BENCHMARK(BM_PeakMemory100k)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
