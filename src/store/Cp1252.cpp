#include "Cp1252.h"

#include <QList>

namespace lw {
namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the five unassigned bytes.
constexpr char16_t kHighTable[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

char encodeOne(char32_t cp)
{
    if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF))
        return char(cp);
    for (int i = 0; i < 32; ++i)
        if (kHighTable[i] != 0 && kHighTable[i] == cp)
            return char(0x80 + i);
    return '?';
}

} // namespace

QByteArray toCp1252(const QString& text)
{
    QByteArray out;
    out.reserve(text.size());
    for (char32_t cp : text.toUcs4())
        out.append(encodeOne(cp));
    return out;
}

QString fromCp1252(const QByteArray& bytes)
{
    QString out;
    out.reserve(bytes.size());
    for (char c : bytes) {
        auto b = static_cast<unsigned char>(c);
        if (b >= 0x80 && b <= 0x9F && kHighTable[b - 0x80] != 0)
            out.append(QChar(kHighTable[b - 0x80]));
        else
            out.append(QChar(b));
    }
    return out;
}

} // namespace lw
