#include "Commands.h"

#include "codec/Alphabets.h"
#include "codec/PasswordCheck.h"

#include <ostream>

namespace quandrel {

int runCheck(const std::string& password, std::ostream& out)
{
    const PasswordCheck check = checkPassword(password);
    if (check.length != 45) {
        out << "length: " << check.length << " characters, expected 45\n";
    }
    for (const auto& problem : check.problems) {
        out << "position " << problem.position << ": " << quotedCharacter(problem.character)
            << " is not a symbol there, expected one of " << problem.accepted << '\n';
    }
    if (!check.expectedChecksum.empty() && !check.checksumMatches) {
        out << "checksum: \"" << password.substr(43) << "\" at positions 44-45, expected " << check.expectedChecksum
            << '\n';
    }
    if (check.valid()) {
        out << "valid\n";
    }
    return check.valid() ? kExitOk : kExitFailed;
}

} // namespace quandrel
