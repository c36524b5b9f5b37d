#pragma once

#include <string_view>

namespace lw {

// The Like patterns of the program's queries: "*" any run of characters,
// "?" one character, "#" one digit, "[a-c]" one character of a set or range,
// "[!a-c]" one character outside it. Letter case is ignored for every letter.
// Both texts are UTF-8.
bool MatchesLikePattern(std::string_view pattern, std::string_view text);

} // namespace lw
