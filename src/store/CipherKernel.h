#pragma once

#include <QtGlobal>
#include <cstddef>

namespace lw::cipher {

// The byte transform of the file cipher, on one block in memory.
//
// Starting from generator state `seed`, byte k of the block gets the value
// that the (k+1)-th call of RandomBelow(10) would return added (scramble) or
// subtracted (unscramble), modulo 256. The return value is the generator state
// after the last byte, from which the next block continues.
//
// The result is exactly that of calling RandomBelow(10) once per byte; the
// work is spread over independent lanes so that it runs in vector registers.
quint32 scramble(unsigned char* data, std::size_t size, quint32 seed);
quint32 unscramble(unsigned char* data, std::size_t size, quint32 seed);

// The code paths behind the two functions above: the portable one, and one for
// processors with AVX2, which they use when the processor has it.
enum class Path { Portable, Avx2 };
bool isAvailable(Path path);
quint32 scramble(Path path, unsigned char* data, std::size_t size, quint32 seed);
quint32 unscramble(Path path, unsigned char* data, std::size_t size, quint32 seed);

} // namespace lw::cipher
