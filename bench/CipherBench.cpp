#include "store/CipherKernel.h"

#include <benchmark/benchmark.h>
#include <cstring>
#include <vector>

namespace {

constexpr std::size_t kBufferSize = 64u << 20;

void BM_CipherScramble(benchmark::State& state)
{
    std::vector<unsigned char> buffer(kBufferSize, 0x5A);
    quint32 seed = 0x64636261u;
    for (auto _ : state) {
        seed = lw::cipher::scramble(buffer.data(), buffer.size(), seed);
        benchmark::DoNotOptimize(buffer.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBufferSize));
}

void BM_Memcpy(benchmark::State& state)
{
    std::vector<unsigned char> source(kBufferSize, 0x5A);
    std::vector<unsigned char> target(kBufferSize, 0);
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), kBufferSize);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBufferSize));
}

} // namespace

BENCHMARK(BM_CipherScramble)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Memcpy)->Unit(benchmark::kMillisecond);
