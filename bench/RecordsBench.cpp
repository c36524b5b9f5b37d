// Group switching and searching over a large database.
#include "BenchSupport.h"

#include "records/QueryTexts.h"
#include "records/TDM.h"
#include "store/AliasStore.h"
#include "store/Connection.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lw;
using namespace lw::bench;

namespace {

// The large database, copied once per run, with the data module open on it.
struct LargeDatabase {
    LargeDatabase()
    {
        const QString path = dir.filePath("large.pdb");
        CopyAndSync(LargeDatabaseFile(), path);
        db = Connection::open(path, kPassword);
        dm.OpenQueries(*db);
    }

    QTemporaryDir dir;
    AliasStore alias{dir.path()};
    NoMessages messages;
    NoWindow window;
    EditFlags flags;
    std::unique_ptr<Connection> db;
    TDM dm{alias, messages, window, flags};
};

LargeDatabase& large()
{
    static LargeDatabase instance;
    return instance;
}

void BM_GroupSwitch(benchmark::State& state)
{
    TDM& dm = large().dm;
    int row = 0;
    for (auto _ : state) {
        row = (row + 1) % 2;
        dm.qryGroups.moveTo(row + 10);
        if (dm.qryPasswords.recordCount() != kAccountsPerGroup)
            state.SkipWithError("the account list does not hold the group");
        benchmark::DoNotOptimize(dm.qryPasswords.value("Description"));
    }
}
BENCHMARK(BM_GroupSwitch)->Unit(benchmark::kMillisecond);

void BM_FindAll(benchmark::State& state)
{
    TDM& dm = large().dm;
    dm.qryFind.close();
    dm.qryFind.setSql(sql::FindStatement(0));
    dm.qryFind.setParam(sql::FindParam, sql::FindPattern("zebracorn"));
    for (auto _ : state) {
        dm.qryFind.close();
        dm.qryFind.open();
        if (dm.qryFind.recordCount() != kGroups * kAccountsPerGroup / 300 + 1)
            state.SkipWithError("unexpected number of matches");
    }
    state.counters["matches"] = dm.qryFind.recordCount();
}
BENCHMARK(BM_FindAll)->Unit(benchmark::kMillisecond);

} // namespace
