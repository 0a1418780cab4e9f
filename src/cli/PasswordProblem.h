#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quandrel {

// What keeps a text whose symbols decode from being a password: its length, or a checksum that
// does not match its body. Empty for a true password.
std::string passwordProblem(std::string_view text);

// A length that is not a password's, as "44 characters, a password has 45".
std::string lengthProblem(std::size_t length);

// The same with its likely cause, once for the whole text: characters missing or too many, and
// where `fix` can put that right, a pointer to it.
std::string lengthProblemWithCause(std::size_t length);

} // namespace quandrel
