#pragma once

#include <QtGlobal>

namespace lw {

// The file cipher's pseudo-random generator: a linear congruential generator
// modulo 2^32, whose sequence the scrambled file format depends on. It is no
// source of secrets: the password generator draws from the system's secure
// random source instead.
constexpr quint32 kRandomMultiplier = 134775813u;
constexpr quint32 kRandomIncrement = 1u;

// Process-wide generator state. The file cipher sets it at the start of a run
// and advances it once per data byte.
extern quint32 RandomSeed;

// The state that follows `state`.
constexpr quint32 NextRandomState(quint32 state)
{
    return state * kRandomMultiplier + kRandomIncrement;
}

// Advances RandomSeed and returns a value from 0 to n-1 (n > 0): the upper
// 32 bits of the 64-bit product n * RandomSeed.
int RandomBelow(int n);

} // namespace lw
