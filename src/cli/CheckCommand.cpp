#include "Commands.h"

#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"

#include <ostream>

namespace quandrel {

int runCheck(const std::string& typed, std::ostream& out, std::ostream& err)
{
    const std::string password = normalizePassword(typed);
    const PasswordCheck check = checkPassword(password);
    if (check.valid()) {
        out << "valid\n";
        return kExitOk;
    }
    // One line per bad place, on standard error, so that a script sees only "valid" on standard output.
    const auto finding = [&err]() -> std::ostream& { return err << "quandrel-pass check: "; };
    if (check.length != static_cast<std::size_t>(kPasswordLength)) {
        finding() << check.length << " characters, a password has " << kPasswordLength << '\n';
    }
    for (const auto& problem : check.problems) {
        finding() << "position " << problem.position << ": " << quotedCharacter(problem.character)
                  << " is not a symbol there, expected one of " << problem.accepted << '\n';
    }
    if (check.length == static_cast<std::size_t>(kPasswordLength) && !check.checksumMatches) {
        finding() << "checksum: \"" << password.substr(kBodyLength) << "\" at positions 44-45, expected "
                  << check.expectedChecksum << '\n';
    }
    return kExitFailed;
}

} // namespace quandrel
