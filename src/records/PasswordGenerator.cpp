#include "PasswordGenerator.h"

#include "settings/Error.h"

#include <QRandomGenerator>
#include <cmath>

namespace lw {
namespace {

constexpr quint32 kDigits = 9; // a digit 0 to 8
constexpr int kFirstCode = 33; // "!"
constexpr quint32 kCodes = 94; // "!" to "~"
constexpr int kLetters = 52;
constexpr int kNumbers = 10;
constexpr int kSpecials = 32;

bool isUpper(int c)
{
    return c >= 'A' && c <= 'Z';
}
bool isLower(int c)
{
    return c >= 'a' && c <= 'z';
}
bool isDigit(int c)
{
    return c >= '0' && c <= '9';
}

// Entropy, in bits, of a draw among `count` outcomes of `weight` each,
// out of a total weight `total`.
double share(int count, int weight, int total)
{
    if (count == 0)
        return 0;
    const double p = double(weight) / total;
    return -count * p * std::log2(p);
}

} // namespace

quint32 SecureDrawBelow(quint32 n)
{
    // Multiply-and-shift maps a 32-bit value onto 0..n-1; the products whose
    // low half falls below 2^32 mod n would make some results more likely
    // than others, so they are drawn again.
    QRandomGenerator* source = QRandomGenerator::system();
    quint64 m = quint64(source->generate()) * n;
    quint32 low = quint32(m);
    if (low < n) {
        const quint32 threshold = quint32(-n) % n;
        while (low < threshold) {
            m = quint64(source->generate()) * n;
            low = quint32(m);
        }
    }
    return quint32(m >> 32);
}

PasswordGenerator::PasswordGenerator(DrawBelow draw) : draw_(std::move(draw))
{
}

GeneratedPassword PasswordGenerator::easy(const QStringList& words, EasyType type) const
{
    if (words.isEmpty())
        throw Error("The word list of the password generator is empty.");
    const auto word = [&] { return words.at(qsizetype(draw_(quint32(words.size())))); };
    const auto digit = [&] { return QString(QChar(char16_t('0' + draw_(kDigits)))); };
    QString text;
    switch (type) {
    case EasyType::WordDigit:
        text = word();
        text += digit();
        break;
    case EasyType::WordDigitWord:
        text = word();
        text += digit();
        text += word();
        break;
    case EasyType::WordOnly:
        text = word();
        break;
    }
    return {text, easyBits(words.size(), type)};
}

GeneratedPassword PasswordGenerator::hard(CharacterClasses classes, LetterCase letterCase, int length) const
{
    if (!classes.any())
        throw Error("Please specify any combination of letters, numbers or special characters");
    QString text;
    for (int i = 0; i < length; ++i) {
        for (;;) {
            int code = kFirstCode + int(draw_(kCodes));
            if (classes.letters && (isUpper(code) || isLower(code))) {
                if (letterCase == LetterCase::Lower && isUpper(code))
                    code += 32;
                else if (letterCase == LetterCase::Upper && isLower(code))
                    code -= 32;
            } else if (!(classes.numbers && isDigit(code)) &&
                       !(classes.special && !isDigit(code) && !isUpper(code) && !isLower(code))) {
                continue; // not allowed: draw again for the same character
            }
            text += QChar(char16_t(code));
            break;
        }
    }
    return {text, hardBits(classes, letterCase, length)};
}

double PasswordGenerator::easyBits(qsizetype wordCount, EasyType type)
{
    if (wordCount < 1)
        return 0;
    const double word = std::log2(double(wordCount));
    const double digit = std::log2(double(kDigits));
    switch (type) {
    case EasyType::WordDigit:
        return word + digit;
    case EasyType::WordDigitWord:
        return 2 * word + digit;
    case EasyType::WordOnly:
        return word;
    }
    return 0;
}

double PasswordGenerator::hardBits(CharacterClasses classes, LetterCase letterCase, int length)
{
    if (!classes.any() || length < 1)
        return 0;
    // Every allowed code weighs one; with one case two codes fall on each letter.
    const int total =
        (classes.letters ? kLetters : 0) + (classes.numbers ? kNumbers : 0) + (classes.special ? kSpecials : 0);
    double perCharacter = 0;
    if (classes.letters) {
        perCharacter += letterCase == LetterCase::Mixed ? share(kLetters, 1, total) : share(kLetters / 2, 2, total);
    }
    if (classes.numbers)
        perCharacter += share(kNumbers, 1, total);
    if (classes.special)
        perCharacter += share(kSpecials, 1, total);
    return perCharacter * length;
}

QStringList PasswordGenerator::splitWords(const QString& text)
{
    QStringList words;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const QString word = line.trimmed();
        if (!word.isEmpty())
            words << word;
    }
    return words;
}

} // namespace lw
