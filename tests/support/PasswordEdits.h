#pragma once

#include <string>

namespace quandrel::test {

// The password of the initial game state, written out so the codec is checked against it.
inline const std::string kInitialPassword = "UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4A";

// The password with the character at a 1-based position replaced, as a typing slip would.
inline std::string withCharacter(std::string password, int position, char c)
{
    password.replace(static_cast<std::size_t>(position - 1), 1, 1, c);
    return password;
}

} // namespace quandrel::test
