// The time a correct master password takes to open a database.
#include "store/Connection.h"
#include "store/Schema.h"

#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

void BM_Unlock(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("unlock.pdb");
    lw::CreatePasswordDatabase(path, "benchmark", true);
    for (auto _ : state) {
        auto db = lw::Connection::open(path, "benchmark");
        lw::CheckPasswordDatabase(*db);
        benchmark::DoNotOptimize(db.get());
    }
}
BENCHMARK(BM_Unlock)->Unit(benchmark::kMillisecond);

} // namespace
