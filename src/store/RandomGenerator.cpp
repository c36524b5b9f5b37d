#include "RandomGenerator.h"

namespace lw {

quint32 RandomSeed = 0;

int RandomBelow(int n)
{
    Q_ASSERT(n > 0);
    RandomSeed = NextRandomState(RandomSeed);
    return int((quint64(quint32(n)) * RandomSeed) >> 32);
}

} // namespace lw
