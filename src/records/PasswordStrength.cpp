#include "PasswordStrength.h"

#include <QByteArray>
#include <cmath>
#include <string.h>
#include <zxcvbn.h>

namespace lw {

namespace {

QString strengthLine(double bits, const char* about)
{
    return QStringLiteral("Strength: %1%2 bits (%3)")
        .arg(QLatin1String(about))
        .arg(int(std::floor(bits)))
        .arg(StrengthWord(bits));
}

} // namespace

double EstimateTypedBits(const QString& text)
{
    if (text.isEmpty())
        return 0;
    QByteArray utf8 = text.toUtf8();
    const double bits = ZxcvbnMatch(utf8.constData(), nullptr, nullptr);
    // The copy held the password; it is not left behind in freed memory.
    explicit_bzero(utf8.data(), size_t(utf8.size()));
    return std::max(bits, 0.0);
}

QString StrengthWord(double bits)
{
    if (bits < 40)
        return QStringLiteral("weak");
    if (bits < 60)
        return QStringLiteral("fair");
    if (bits < 80)
        return QStringLiteral("good");
    return QStringLiteral("strong");
}

QString ExactStrengthText(double bits)
{
    if (bits <= 0)
        return QStringLiteral("Strength: 0 bits");
    return strengthLine(bits, "");
}

QString TypedStrengthText(const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("Strength: 0 bits");
    return strengthLine(EstimateTypedBits(text), "about ");
}

} // namespace lw
