#include "CipherKernel.h"

#include "RandomGenerator.h"

#include <cstring>

// The vector helpers below are always inlined, so no vector value crosses a
// call boundary and the ABI note about 32-byte vectors does not apply.
#pragma GCC diagnostic ignored "-Wpsabi"

namespace lw::cipher {
namespace {

// Eight generator states, and 32 data bytes, as GCC vector types. The compiler
// maps them onto AVX2 registers, or onto pairs of SSE2 registers.
using States = quint32 __attribute__((vector_size(32)));
using Bytes = unsigned char __attribute__((vector_size(32)));

// Each step handles 32 bytes with four state vectors: element k of vector m
// holds the state drawn for byte 4k + m, so that the four results, shifted to
// byte m of their 32-bit element, line up with the data bytes in memory.
constexpr int kStep = 32;
static_assert(Q_BYTE_ORDER == Q_LITTLE_ENDIAN, "the lane layout assumes little-endian bytes");

// How far ahead of the current step to ask for data, for long buffers.
constexpr int kPrefetchDistance = 1024;

// An affine map s -> mul * s + add modulo 2^32.
struct Affine {
    quint32 mul;
    quint32 add;
};

// The generator step applied `count` times, folded into one affine map.
constexpr Affine stepsOf(int count)
{
    Affine f{1, 0};
    for (int i = 0; i < count; ++i)
        f = {f.mul * kRandomMultiplier, f.add * kRandomMultiplier + kRandomIncrement};
    return f;
}

constexpr Affine kJump = stepsOf(kStep);

static_assert(stepsOf(1).mul == kRandomMultiplier && stepsOf(1).add == kRandomIncrement);

// floor(5s / 8), whose top four bits are floor(10s / 2^32), the value
// RandomBelow(10) returns for state s. With s = 8q + r,
// floor(5s / 8) = 5q + floor(5r / 8) and floor(5r / 8) = floor(r / 2) + (r bit 2 & r bit 0),
// so the sum below is exact and fits in 32 bits.
template <typename T> [[gnu::always_inline]] constexpr T fiveEighths(T s)
{
    return (s >> 1) + (s >> 3) + ((s >> 2) & s & 1);
}

constexpr quint32 tenthsOf(quint32 s)
{
    return fiveEighths(s) >> 28;
}

static_assert(tenthsOf(0xFFFFFFFFu) == 9 && tenthsOf(429496730u) == 1 && tenthsOf(429496729u) == 0);

template <bool Add> [[gnu::always_inline]] inline quint32 transform(unsigned char* data, std::size_t size, quint32 seed)
{
    std::size_t i = 0;
    if (size >= std::size_t(kStep)) {
        quint32 start[4][kStep / 4];
        quint32 s = seed;
        for (int p = 0; p < kStep; ++p)
            start[p % 4][p / 4] = s = NextRandomState(s);
        States l0, l1, l2, l3;
        std::memcpy(&l0, start[0], sizeof l0);
        std::memcpy(&l1, start[1], sizeof l1);
        std::memcpy(&l2, start[2], sizeof l2);
        std::memcpy(&l3, start[3], sizeof l3);
        for (; i + kStep <= size; i += kStep) {
            __builtin_prefetch(data + i + kPrefetchDistance, 1);
            const States values = (fiveEighths(l0) >> 28) | ((fiveEighths(l1) >> 20) & 0x00000F00u) |
                                  ((fiveEighths(l2) >> 12) & 0x000F0000u) | ((fiveEighths(l3) >> 4) & 0x0F000000u);
            Bytes chunk;
            std::memcpy(&chunk, data + i, kStep);
            chunk = Add ? chunk + Bytes(values) : chunk - Bytes(values);
            std::memcpy(data + i, &chunk, kStep);
            l0 = l0 * kJump.mul + kJump.add;
            l1 = l1 * kJump.mul + kJump.add;
            l2 = l2 * kJump.mul + kJump.add;
            l3 = l3 * kJump.mul + kJump.add;
            seed = seed * kJump.mul + kJump.add;
        }
    }
    for (; i < size; ++i) {
        seed = NextRandomState(seed);
        const auto r = static_cast<unsigned char>(tenthsOf(seed));
        data[i] = static_cast<unsigned char>(Add ? data[i] + r : data[i] - r);
    }
    return seed;
}

#if defined(__x86_64__) || defined(__i386__)
#define LW_CIPHER_AVX2 1
#endif

quint32 transformPortable(bool add, unsigned char* data, std::size_t size, quint32 seed)
{
    return add ? transform<true>(data, size, seed) : transform<false>(data, size, seed);
}

#ifdef LW_CIPHER_AVX2
[[gnu::target("avx2")]] quint32 transformAvx2(bool add, unsigned char* data, std::size_t size, quint32 seed)
{
    return add ? transform<true>(data, size, seed) : transform<false>(data, size, seed);
}
#endif

quint32 run(Path path, bool add, unsigned char* data, std::size_t size, quint32 seed)
{
#ifdef LW_CIPHER_AVX2
    if (path == Path::Avx2)
        return transformAvx2(add, data, size, seed);
#endif
    Q_ASSERT(path == Path::Portable);
    return transformPortable(add, data, size, seed);
}

Path bestPath()
{
    static const Path best = isAvailable(Path::Avx2) ? Path::Avx2 : Path::Portable;
    return best;
}

} // namespace

bool isAvailable(Path path)
{
#ifdef LW_CIPHER_AVX2
    if (path == Path::Avx2)
        return __builtin_cpu_supports("avx2");
#endif
    return path == Path::Portable;
}

quint32 scramble(unsigned char* data, std::size_t size, quint32 seed)
{
    return run(bestPath(), true, data, size, seed);
}

quint32 unscramble(unsigned char* data, std::size_t size, quint32 seed)
{
    return run(bestPath(), false, data, size, seed);
}

quint32 scramble(Path path, unsigned char* data, std::size_t size, quint32 seed)
{
    return run(path, true, data, size, seed);
}

quint32 unscramble(Path path, unsigned char* data, std::size_t size, quint32 seed)
{
    return run(path, false, data, size, seed);
}

} // namespace lw::cipher
