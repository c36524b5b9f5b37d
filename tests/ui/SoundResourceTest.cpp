#include <QFile>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

struct WaveFormat {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int byteRate = 0;
    int blockAlign = 0;
    int bits = 0;
    qint64 dataBytes = -1;
};

quint32 u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}
quint16 u16(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

// Reads the RIFF container: "RIFF" size "WAVE", then chunks, each an id, a
// size and the body padded to an even length.
WaveFormat parseWave(const QByteArray& file)
{
    WaveFormat w;
    if (file.size() < 12 || file.left(4) != "RIFF" || file.mid(8, 4) != "WAVE")
        return w;
    EXPECT_EQ(u32(file, 4), quint32(file.size() - 8)) << "RIFF size";
    qsizetype at = 12;
    while (at + 8 <= file.size()) {
        const QByteArray id = file.mid(at, 4);
        const qsizetype size = u32(file, at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16) {
            w.formatTag = u16(file, body);
            w.channels = u16(file, body + 2);
            w.sampleRate = int(u32(file, body + 4));
            w.byteRate = int(u32(file, body + 8));
            w.blockAlign = u16(file, body + 12);
            w.bits = u16(file, body + 14);
        } else if (id == "data") {
            w.dataBytes = qMin<qint64>(size, file.size() - body);
        }
        at = body + size + (size & 1);
    }
    return w;
}

struct SoundCase {
    const char* name;
    int bits;
    int rate;
    double seconds;
};

void PrintTo(const SoundCase& c, std::ostream* os)
{
    *os << c.name;
}

class SoundResource : public ::testing::TestWithParam<SoundCase> { };

TEST_P(SoundResource, IsMonoPcmInTheFormatAndLengthOfItsRole)
{
    const SoundCase c = GetParam();
    QFile file(QStringLiteral(":/sounds/%1.wav").arg(c.name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << c.name;
    const WaveFormat w = parseWave(file.readAll());

    EXPECT_EQ(w.formatTag, 1) << "PCM";
    EXPECT_EQ(w.channels, 1);
    EXPECT_EQ(w.bits, c.bits);
    EXPECT_EQ(w.sampleRate, c.rate);
    EXPECT_EQ(w.blockAlign, c.bits / 8);
    EXPECT_EQ(w.byteRate, c.rate * c.bits / 8);
    ASSERT_GT(w.dataBytes, 0);
    const double samples = double(w.dataBytes) / (c.bits / 8);
    EXPECT_NEAR(samples / c.rate, c.seconds, 1.0 / c.rate) << "length";
}

INSTANTIATE_TEST_SUITE_P(BuiltIn, SoundResource,
                         ::testing::Values(SoundCase{"MOVE", 8, 11025, 0.07}, SoundCase{"GRANT", 8, 22050, 0.37},
                                           SoundCase{"DENY", 16, 22050, 1.72}, SoundCase{"BUZZ", 8, 11000, 0.28}),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

} // namespace
