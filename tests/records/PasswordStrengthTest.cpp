#include "records/PasswordStrength.h"

#include <gtest/gtest.h>

namespace lw {
namespace {

// Passwords that look long or mixed but follow patterns an attacker tries
// first must score low; random texts of the same length must score high.
TEST(PasswordStrength, PatternsScoreFarBelowRandomTextsOfTheSameLength)
{
    struct Case {
        const char* weak;
        const char* strong;
    };
    const Case cases[] = {
        {"password", "xq7vbk2m"},     {"Password1", "Vq8#kzL2w"},           {"qwertyuiop", "r8Tz!m2Qx9"},
        {"1234567890", "k3$Wq9zP!v"}, {"aaaaaaaaaaaaaa", "H7#qm2V!x9Lr$k"}, {"P@ssw0rd", "J4%vq9Xs"},
    };
    for (const Case& c : cases) {
        const double weak = EstimateTypedBits(QString::fromUtf8(c.weak));
        const double strong = EstimateTypedBits(QString::fromUtf8(c.strong));
        EXPECT_LT(weak, 20) << c.weak;
        EXPECT_GT(strong, weak + 15) << c.weak << " / " << c.strong;
        EXPECT_EQ(StrengthWord(weak), "weak") << c.weak;
    }
    EXPECT_EQ(StrengthWord(EstimateTypedBits("H7#qm2V!x9Lr$k")), "strong");
}

TEST(PasswordStrength, TextOutsideAsciiIsEstimatedToo)
{
    EXPECT_GT(EstimateTypedBits(QString::fromUtf8("\u00e9t\u00e9 \u00e0 Z\u00fcrich 42")), 20);
    EXPECT_EQ(EstimateTypedBits(""), 0);
}

TEST(PasswordStrength, WordsChangeAtFortySixtyAndEightyBits)
{
    const std::pair<double, const char*> cases[] = {
        {0, "weak"}, {39.99, "weak"}, {40, "fair"}, {59.99, "fair"}, {60, "good"}, {79.99, "good"}, {80, "strong"},
    };
    for (const auto& [bits, word] : cases)
        EXPECT_EQ(StrengthWord(bits), word) << bits;
}

TEST(PasswordStrength, LinesSayWhetherTheBitsAreExactOrAnEstimate)
{
    EXPECT_EQ(ExactStrengthText(52.9), "Strength: 52 bits (fair)");
    EXPECT_EQ(ExactStrengthText(0), "Strength: 0 bits");
    EXPECT_EQ(TypedStrengthText(""), "Strength: 0 bits");
    const QString typed = "r8Tz!m2Qx9";
    EXPECT_EQ(TypedStrengthText(typed), QStringLiteral("Strength: about %1 bits (%2)")
                                            .arg(int(EstimateTypedBits(typed)))
                                            .arg(StrengthWord(EstimateTypedBits(typed))));
}

} // namespace
} // namespace lw
