#include "store/RandomGenerator.h"
#include "store/CipherKernel.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>
#include <vector>

using namespace lw;

namespace {

// One RandomBelow(10) per byte, added or subtracted: the plain form of the
// transform that the vectorised kernel must reproduce.
QByteArray perByte(QByteArray data, quint32 seed, int sign, quint32* endState)
{
    RandomSeed = seed;
    for (auto& c : data)
        c = char(uchar(c) + sign * RandomBelow(10));
    *endState = RandomSeed;
    return data;
}

uchar* bytes(QByteArray& a)
{
    return reinterpret_cast<uchar*>(a.data());
}

// Every code path of the kernel this processor can run.
std::vector<cipher::Path> paths()
{
    std::vector<cipher::Path> out{cipher::Path::Portable};
    if (cipher::isAvailable(cipher::Path::Avx2))
        out.push_back(cipher::Path::Avx2);
    return out;
}

} // namespace

TEST(RandomGenerator, DrawsTheKnownSequenceFromSeedZero)
{
    RandomSeed = 0;
    std::vector<int> drawn;
    for (int i = 0; i < 12; ++i)
        drawn.push_back(RandomBelow(10));
    EXPECT_EQ(drawn, (std::vector<int>{0, 0, 8, 2, 2, 6, 3, 1, 3, 4, 0, 4}));
    EXPECT_EQ(RandomSeed, 0x798C1A94u) << "twelve steps of s * 134775813 + 1";
}

TEST(RandomGenerator, ReturnsTheUpperHalfOfTheFullProduct)
{
    struct Case {
        quint32 seed;
        int n;
        int expected;
        quint32 next;
    };
    // The seeds are chosen so that the next state is 2^32 - 1 or 2^31.
    const Case cases[] = {
        {0x4D60AE66u, 0x7FFFFFFF, 0x7FFFFFFE, 0xFFFFFFFFu},
        {0x4D60AE66u, 10, 9, 0xFFFFFFFFu},
        {0xA6B05733u, 10, 5, 0x80000000u},
        {0xA6B05733u, 1, 0, 0x80000000u},
    };
    for (const Case& c : cases) {
        RandomSeed = c.seed;
        EXPECT_EQ(RandomBelow(c.n), c.expected) << "n = " << c.n;
        EXPECT_EQ(RandomSeed, c.next);
    }
}

class CipherKernel : public ::testing::TestWithParam<int> { };

TEST_P(CipherKernel, MatchesOneGeneratorStepPerByte)
{
    const int size = GetParam();
    const QByteArray plain = test::randomBytes(size, quint32(size));
    for (quint32 seed : {0u, 1u, 0x64636261u, 0x80000000u, 0xFFFFFFFFu}) {
        quint32 addEnd = 0;
        quint32 subtractEnd = 0;
        const QByteArray added = perByte(plain, seed, +1, &addEnd);
        const QByteArray subtracted = perByte(plain, seed, -1, &subtractEnd);
        for (cipher::Path path : paths()) {
            SCOPED_TRACE(testing::Message() << "seed " << seed << ", path " << int(path));
            QByteArray data = plain;
            EXPECT_EQ(cipher::scramble(path, bytes(data), std::size_t(size), seed), addEnd);
            EXPECT_EQ(data, added);
            data = plain;
            EXPECT_EQ(cipher::unscramble(path, bytes(data), std::size_t(size), seed), subtractEnd);
            EXPECT_EQ(data, subtracted);
        }
    }
}

TEST_P(CipherKernel, ContinuesTheStreamAcrossCalls)
{
    const int size = GetParam();
    const QByteArray plain = test::randomBytes(size, 7);
    quint32 expectedEnd = 0;
    const QByteArray expected = perByte(plain, 12345, +1, &expectedEnd);

    QByteArray data = plain;
    const int cut = size / 3;
    const quint32 middle = cipher::scramble(bytes(data), std::size_t(cut), 12345);
    EXPECT_EQ(cipher::scramble(bytes(data) + cut, std::size_t(size - cut), middle), expectedEnd);
    EXPECT_EQ(data, expected);
    EXPECT_EQ(cipher::unscramble(bytes(data), std::size_t(size), 12345), expectedEnd);
    EXPECT_EQ(data, plain);
}

INSTANTIATE_TEST_SUITE_P(Sizes, CipherKernel,
                         testing::Values(0, 1, 2, 15, 16, 17, 31, 32, 33, 63, 64, 65, 127, 128, 129, 200, 16383, 16384,
                                         16385, 100003));
