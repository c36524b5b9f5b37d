#include "store/JetPattern.h"

#include <gtest/gtest.h>

using lw::MatchesLikePattern;

namespace {

struct LikeCase {
    const char* pattern;
    const char* text;
    bool matches;
};

class LikePattern : public ::testing::TestWithParam<LikeCase> { };

TEST_P(LikePattern, Matches)
{
    const LikeCase& c = GetParam();
    EXPECT_EQ(MatchesLikePattern(c.pattern, c.text), c.matches) << c.pattern << " ~ " << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Wildcards, LikePattern,
    ::testing::Values(LikeCase{"*mail*", "My Email Box", true}, LikeCase{"*MAIL*", "my email box", true},
                      LikeCase{"*mail*", "My Box", false}, LikeCase{"*", "", true}, LikeCase{"**", "x", true},
                      LikeCase{"", "", true}, LikeCase{"", "a", false}, LikeCase{"a?c", "abc", true},
                      LikeCase{"a?c", "ac", false}, LikeCase{"a#c", "a7c", true}, LikeCase{"a#c", "abc", false},
                      LikeCase{"#*", "9 lives", true}, LikeCase{"*#", "abc", false}, LikeCase{"[a-c]x", "Bx", true},
                      LikeCase{"[a-c]x", "dx", false}, LikeCase{"[!a-c]x", "dx", true},
                      LikeCase{"[!a-c]x", "ax", false}, LikeCase{"[*]", "*", true}, LikeCase{"[*]", "a", false},
                      LikeCase{"[xyz]*", "Zebra", true}, LikeCase{"[abc", "[abc", true},
                      LikeCase{"*a*b*c*", "xxaxxbxxcxx", true}, LikeCase{"*a*b*c*", "xxcxxbxxaxx", false},
                      LikeCase{"*ss", "miss", true}, LikeCase{"100%", "100%", true}, LikeCase{"a_c", "abc", false}));

INSTANTIATE_TEST_SUITE_P(EveryLetter, LikePattern,
                         ::testing::Values(LikeCase{"*ÄRGER*", "viel ärger hier", true}, LikeCase{"Ł?dź", "łódź", true},
                                           LikeCase{"[à-å]*", "Åsa", true}, LikeCase{"*Σ", "ΦΙΛΟΣ", true},
                                           LikeCase{"*ö*", "Zoo", false}));

} // namespace
