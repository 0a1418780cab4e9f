#pragma once

#include <string>
#include <string_view>

namespace quandrel {

// What keeps a text whose symbols decode from being a password: its length, or a checksum that
// does not match its body. Empty for a true password.
std::string passwordProblem(std::string_view text);

} // namespace quandrel
