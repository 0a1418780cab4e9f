#include "Alphabets.h"

#include <cstdio>

namespace quandrel {

const std::string_view& alphabetAt(int position) { return kAlphabets.at(static_cast<std::size_t>(position - 1)); }

std::string quotedCharacter(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte < 0x7f) {
        return std::string{'\'', c, '\''};
    }
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    return escaped;
}

} // namespace quandrel
