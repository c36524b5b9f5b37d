// Unlocking, closing and compacting a database of 100,000 accounts, beside
// the cost of copying the same file to disk.
#include "BenchSupport.h"

#include "records/TDM.h"
#include "settings/IniFile.h"
#include "store/AccessLog.h"
#include "store/AliasStore.h"
#include "store/Clock.h"
#include "store/Compaction.h"
#include "store/Connection.h"
#include "store/DatabaseFileCipher.h"
#include "store/DatabaseSession.h"
#include "store/TCryptFile.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lw;
using namespace lw::bench;

namespace {

// What the main window does at an unlock, without drawing: the expired
// reminder runs its query (and would show the dialog when it has rows).
class QuietWindow : public DatabaseHooks {
public:
    explicit QuietWindow(TDM& dm) : dm_(dm) { }
    void ShowDatabaseOpen() override { }
    void ShowDatabaseClosed() override { }
    void EnableDatabaseControls(bool) override { }
    void ApplyDisplayRules() override { }
    void ShowExpiredReminder() override
    {
        dm_.qryExpired.close();
        dm_.qryExpired.open();
        expired = dm_.qryExpired.recordCount();
    }
    void ClearStatusAndBackground() override { }
    int expired = 0;

private:
    TDM& dm_;
};

// The open/close sequence of the program over a scrambled copy of the large
// database in a folder of its own.
struct SessionRig {
    SessionRig()
    {
        cipher.setIntKey(kProgramIntKey);
        CopyAndSync(LargeDatabaseFile(), path);
        alias.SetDatabasePath(path);
        EncryptDatabaseFile(cipher, kPassword, path);
    }

    QTemporaryDir dir;
    QString path = dir.filePath("large.pdb");
    NoMessages messages;
    NoSounds sounds;
    NoWindow records;
    SystemClock clock;
    EditFlags flags;
    AliasStore alias{dir.path()};
    AccessLog log{dir.path(), alias, clock, LogSeparators{}};
    IniFile settings{dir.filePath("lw.ini")};
    TCryptFile cipher{messages};
    TDM dm{alias, messages, records, flags};
    QuietWindow window{dm};
    DatabaseSession session{{alias, log, cipher, settings, sounds, messages, clock}, window, dm};
};

void BM_OpenDatabase100k(benchmark::State& state)
{
    SessionRig rig;
    for (auto _ : state) {
        rig.session.OpenDatabase(kPassword);
        state.PauseTiming();
        if (rig.dm.qryPasswords.recordCount() != kAccountsPerGroup || rig.window.expired != kAccounts / kExpiredEvery)
            state.SkipWithError("the unlock did not show the group and the expired accounts");
        rig.session.CloseDatabase();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenDatabase100k)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CloseDatabase100k(benchmark::State& state)
{
    SessionRig rig;
    for (auto _ : state) {
        state.PauseTiming();
        rig.session.OpenDatabase(kPassword);
        state.ResumeTiming();
        rig.session.CloseDatabase();
    }
}
BENCHMARK(BM_CloseDatabase100k)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_CopySync100k(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString copy = dir.filePath("copy.pdb");
    for (auto _ : state)
        CopyAndSync(LargeDatabaseFile(), copy);
}
BENCHMARK(BM_CopySync100k)->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_Compact100k(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("large.pdb");
    for (auto _ : state) {
        state.PauseTiming();
        CopyAndSync(LargeDatabaseFile(), path);
        // The close compacts through the connection it is closing.
        auto db = Connection::open(path, kPassword);
        state.ResumeTiming();
        CompactDatabase(std::move(db));
    }
}
BENCHMARK(BM_Compact100k)->Unit(benchmark::kMillisecond)->Iterations(3);

// The file's size per account, beside a plain sqlite3 file of the same rows
// (exported without encryption).
void BM_FileSize100k(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString plain = dir.filePath("plain.sqlite");
    for (auto _ : state) {
        QFile::remove(plain);
        // An empty key exports without encryption.
        Connection::open(LargeDatabaseFile(), kPassword)->exportTo(plain, QString());
    }
    state.counters["bytes_per_account"] = double(QFileInfo(LargeDatabaseFile()).size()) / kAccounts;
    state.counters["sqlite3_bytes_per_account"] = double(QFileInfo(plain).size()) / kAccounts;
}
BENCHMARK(BM_FileSize100k)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
