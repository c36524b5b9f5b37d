#include "records/PasswordGenerator.h"

#include "settings/Error.h"
#include "store/RandomGenerator.h"

#include <QMap>
#include <cmath>
#include <deque>
#include <gtest/gtest.h>
#include <vector>

using namespace lw;

namespace {

// Draws given in advance; records every request. A value out of range or a
// request after the script ran out fails the test.
class ScriptedDraws {
public:
    explicit ScriptedDraws(std::vector<quint32> values) : values_(values.begin(), values.end()) { }

    DrawBelow source()
    {
        return [this](quint32 n) {
            asked.push_back(n);
            if (values_.empty()) {
                ADD_FAILURE() << "no draw left for n = " << n;
                return quint32(0);
            }
            const quint32 v = values_.front();
            values_.pop_front();
            EXPECT_LT(v, n);
            return v;
        };
    }
    std::vector<quint32> asked;
    bool allUsed() const { return values_.empty(); }

private:
    std::deque<quint32> values_;
};

// Draws 0, 1, 2, ... n-1, 0, 1, ...: every value in turn.
DrawBelow cycling()
{
    auto next = std::make_shared<quint32>(0);
    return [next](quint32 n) { return (*next)++ % n; };
}

QString range(char from, char to)
{
    QString s;
    for (char c = from; c <= to; ++c)
        s += QLatin1Char(c);
    return s;
}

const QString kSpecials = range('!', '/') + range(':', '@') + range('[', '`') + range('{', '~');
const QStringList kWords{"alpha", "bravo", "cedar"};

struct EasyCase {
    const char* name;
    EasyType type;
    std::vector<quint32> draws;
    std::vector<quint32> asked; // the range of each draw, in order
    QString text;
};

const EasyCase kEasyCases[] = {
    {"WordDigit", EasyType::WordDigit, {2, 8}, {3, 9}, "cedar8"},
    {"WordDigitWord", EasyType::WordDigitWord, {1, 0, 1}, {3, 9, 3}, "bravo0bravo"},
    {"WordDigitWordOtherWords", EasyType::WordDigitWord, {0, 4, 2}, {3, 9, 3}, "alpha4cedar"},
    {"WordOnly", EasyType::WordOnly, {1}, {3}, "bravo"},
};

class EasyCases : public ::testing::TestWithParam<EasyCase> { };

TEST_P(EasyCases, DrawsWordsAndADigitBelowNineInOrder)
{
    const EasyCase& c = GetParam();
    ScriptedDraws draws(c.draws);
    const GeneratedPassword p = PasswordGenerator(draws.source()).easy(kWords, c.type);
    EXPECT_EQ(p.text, c.text);
    EXPECT_EQ(draws.asked, c.asked);
    EXPECT_TRUE(draws.allUsed());
}

INSTANTIATE_TEST_SUITE_P(Types, EasyCases, ::testing::ValuesIn(kEasyCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(PasswordGenerator, AWordAndDigitFromTheSecureSourceEndsInZeroToEightAndUsesAllNine)
{
    PasswordGenerator generator;
    QString lastDigits;
    for (int i = 0; i < 2000; ++i) {
        const QString text = generator.easy(kWords, EasyType::WordDigit).text;
        ASSERT_EQ(text.size(), 6) << text.toStdString();
        ASSERT_TRUE(kWords.contains(text.left(5))) << text.toStdString();
        if (!lastDigits.contains(text.back()))
            lastDigits += text.back();
    }
    std::sort(lastDigits.begin(), lastDigits.end());
    EXPECT_EQ(lastDigits, "012345678");
}

TEST(PasswordGenerator, AnEmptyWordListIsAnErrorWithoutADraw)
{
    ScriptedDraws draws({});
    EXPECT_THROW(PasswordGenerator(draws.source()).easy({}, EasyType::WordOnly), Error);
    EXPECT_TRUE(draws.asked.empty());
}

struct HardCase {
    const char* name;
    CharacterClasses classes;
    LetterCase letterCase;
    int length;
    QString text; // with every code drawn in turn from "!" on
};

const HardCase kHardCases[] = {
    {"UpperLetters", {true, false, false}, LetterCase::Upper, 52, range('A', 'Z') + range('A', 'Z')},
    {"LowerLetters", {true, false, false}, LetterCase::Lower, 52, range('a', 'z') + range('a', 'z')},
    {"MixedLetters", {true, false, false}, LetterCase::Mixed, 52, range('A', 'Z') + range('a', 'z')},
    {"Digits", {false, true, false}, LetterCase::Upper, 12, range('0', '9') + "01"},
    {"Specials", {false, false, true}, LetterCase::Lower, 32, kSpecials},
    {"DigitsAndUpper", {true, true, false}, LetterCase::Upper, 62, range('0', '9') + range('A', 'Z') + range('A', 'Z')},
    {"Everything", {true, true, true}, LetterCase::Mixed, 94, range('!', '~')},
    {"EverythingLower",
     {true, true, true},
     LetterCase::Lower,
     94,
     range('!', '@') + range('a', 'z') + range('[', '`') + range('a', 'z') + range('{', '~')},
};

class HardCases : public ::testing::TestWithParam<HardCase> { };

TEST_P(HardCases, KeepsOnlyAllowedCodesInTheChosenCase)
{
    const HardCase& c = GetParam();
    const GeneratedPassword p = PasswordGenerator(cycling()).hard(c.classes, c.letterCase, c.length);
    EXPECT_EQ(p.text, c.text);
}

INSTANTIATE_TEST_SUITE_P(Classes, HardCases, ::testing::ValuesIn(kHardCases),
                         [](const auto& testInfo) { return std::string(testInfo.param.name); });

TEST(PasswordGenerator, ARefusedCodeIsDrawnAgainForTheSameCharacter)
{
    // "!", "A" and "~" are refused with digits only; "0" and "9" are kept.
    ScriptedDraws draws({0, 32, 15, 93, 24});
    const GeneratedPassword p = PasswordGenerator(draws.source()).hard({false, true, false}, LetterCase::Lower, 2);
    EXPECT_EQ(p.text, "09");
    EXPECT_EQ(draws.asked, std::vector<quint32>(5, 94));
    EXPECT_TRUE(draws.allUsed());
}

TEST(PasswordGenerator, HardPasswordsFromTheSecureSourceHaveTheirLengthAndClass)
{
    PasswordGenerator generator;
    const QString digits = generator.hard({false, true, false}, LetterCase::Lower, 99).text;
    EXPECT_EQ(digits.size(), 99);
    EXPECT_TRUE(std::all_of(digits.begin(), digits.end(), [](QChar c) { return c >= '0' && c <= '9'; }));
    EXPECT_EQ(generator.hard({true, true, true}, LetterCase::Mixed, 1).text.size(), 1);
    const QString upper = generator.hard({true, false, false}, LetterCase::Upper, 99).text;
    EXPECT_TRUE(std::all_of(upper.begin(), upper.end(), [](QChar c) { return c >= 'A' && c <= 'Z'; }));
    const QString mixed = generator.hard({true, false, false}, LetterCase::Mixed, 99).text;
    EXPECT_TRUE(std::any_of(mixed.begin(), mixed.end(), [](QChar c) { return c.isUpper(); }));
    EXPECT_TRUE(std::any_of(mixed.begin(), mixed.end(), [](QChar c) { return c.isLower(); }));
    const QString special = generator.hard({false, false, true}, LetterCase::Mixed, 99).text;
    EXPECT_TRUE(std::all_of(special.begin(), special.end(), [](QChar c) { return kSpecials.contains(c); }));
}

TEST(PasswordGenerator, ALengthBelowOneDrawsNothing)
{
    ScriptedDraws draws({});
    const PasswordGenerator generator(draws.source());
    EXPECT_EQ(generator.hard({true, true, true}, LetterCase::Mixed, 0).text, "");
    EXPECT_EQ(generator.hard({true, true, true}, LetterCase::Mixed, -3).text, "");
    EXPECT_TRUE(draws.asked.empty());
}

TEST(PasswordGenerator, NoAllowedClassIsAnErrorWithoutADraw)
{
    ScriptedDraws draws({});
    EXPECT_THROW(PasswordGenerator(draws.source()).hard({false, false, false}, LetterCase::Mixed, 6), Error);
    EXPECT_TRUE(draws.asked.empty());
}

TEST(PasswordGenerator, LeavesTheFileCiphersGeneratorAlone)
{
    RandomSeed = 12345u;
    PasswordGenerator generator;
    generator.easy(kWords, EasyType::WordDigitWord);
    generator.hard({true, true, true}, LetterCase::Mixed, 99);
    EXPECT_EQ(RandomSeed, 12345u);
}

TEST(PasswordGenerator, SecureDrawsStayInRangeAndReachEveryValue)
{
    EXPECT_EQ(SecureDrawBelow(1), 0u);
    QMap<quint32, int> seen;
    for (int i = 0; i < 2000; ++i) {
        const quint32 v = SecureDrawBelow(9);
        ASSERT_LT(v, 9u);
        ++seen[v];
    }
    EXPECT_EQ(seen.size(), 9);
    // A range just over half of 2^32 rejects nearly every other raw value.
    for (int i = 0; i < 200; ++i)
        ASSERT_LT(SecureDrawBelow(0x80000001u), 0x80000001u);
}

// The strength of a hard password, worked out from the characters the
// generator actually makes when every code is drawn once.
double countedBits(CharacterClasses classes, LetterCase letterCase)
{
    const int allowed = (classes.letters ? 52 : 0) + (classes.numbers ? 10 : 0) + (classes.special ? 32 : 0);
    const QString all = PasswordGenerator(cycling()).hard(classes, letterCase, allowed).text;
    QMap<QChar, int> count;
    for (QChar c : all)
        ++count[c];
    double bits = 0;
    for (int n : count) {
        const double p = double(n) / allowed;
        bits -= p * std::log2(p);
    }
    return bits;
}

TEST(PasswordGenerator, HardStrengthIsTheEntropyOfWhatTheGeneratorMakes)
{
    for (int mask = 1; mask < 8; ++mask) {
        const CharacterClasses classes{(mask & 1) != 0, (mask & 2) != 0, (mask & 4) != 0};
        for (LetterCase letterCase : {LetterCase::Lower, LetterCase::Mixed, LetterCase::Upper}) {
            const double perCharacter = countedBits(classes, letterCase);
            EXPECT_NEAR(PasswordGenerator::hardBits(classes, letterCase, 12), 12 * perCharacter, 1e-9)
                << "classes " << mask << " case " << int(letterCase);
            const GeneratedPassword p = PasswordGenerator().hard(classes, letterCase, 12);
            EXPECT_DOUBLE_EQ(p.bits, PasswordGenerator::hardBits(classes, letterCase, 12));
        }
    }
    // All 94 codes in their own case: every one of them equally likely.
    EXPECT_NEAR(PasswordGenerator::hardBits({true, true, true}, LetterCase::Mixed, 10), 10 * std::log2(94.0), 1e-9);
    EXPECT_EQ(PasswordGenerator::hardBits({true, true, true}, LetterCase::Mixed, 0), 0);
}

TEST(PasswordGenerator, EasyStrengthCountsTheWordsAndTheNineDigits)
{
    const double word = std::log2(14142.0);
    EXPECT_NEAR(PasswordGenerator::easyBits(14142, EasyType::WordOnly), word, 1e-9);
    EXPECT_NEAR(PasswordGenerator::easyBits(14142, EasyType::WordDigit), word + std::log2(9.0), 1e-9);
    EXPECT_NEAR(PasswordGenerator::easyBits(14142, EasyType::WordDigitWord), 2 * word + std::log2(9.0), 1e-9);
    ScriptedDraws draws({0, 0, 0});
    EXPECT_NEAR(PasswordGenerator(draws.source()).easy(kWords, EasyType::WordDigitWord).bits,
                2 * std::log2(3.0) + std::log2(9.0), 1e-9);
}

TEST(PasswordGenerator, SplitsAWordListIntoItsLines)
{
    EXPECT_EQ(PasswordGenerator::splitWords("able\r\nbaker\r\n"), (QStringList{"able", "baker"}));
    EXPECT_EQ(PasswordGenerator::splitWords("able\n\r\n\nbaker"), (QStringList{"able", "baker"}));
    EXPECT_TRUE(PasswordGenerator::splitWords("\r\n").isEmpty());
}

} // namespace
