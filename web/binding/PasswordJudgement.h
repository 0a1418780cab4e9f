#pragma once

#include <string>
#include <string_view>

namespace quandrel::web {

// What the entry dialog shows of a typed password, as JSON: the password as the codec reads it,
// its length, the characters not valid at their places with what those places accept, the
// checksum it should have, and the likeliest corrections, best first, each with its changes and
// what they change in the game state. No corrections for a valid password.
std::string judgePasswordJson(std::string_view typed);

} // namespace quandrel::web
