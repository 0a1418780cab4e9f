#include "Commands.h"
#include "Subcommand.h"

#include "PasswordProblem.h"
#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "codec/PrintableText.h"

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
    // On standard error, so that a script sees only "valid" on standard output.
    const auto finding = [&err]() -> std::ostream& { return err << "quandrel-pass check: "; };
    if (check.length != static_cast<std::size_t>(kPasswordLength)) {
        // Once: after a dropped or an extra character every later one is shifted, and a line
        // for each would hide the cause.
        finding() << lengthProblemWithCause(check.length) << '\n';
        return kExitFailed;
    }
    for (const auto& problem : check.problems) {
        finding() << "position " << problem.position << ": " << quotedCharacter(problem.character)
                  << " is not a symbol there, expected one of " << problem.accepted << '\n';
    }
    if (!check.checksumMatches) {
        finding() << "checksum: \"" << printableText(password.substr(kBodyLength)) << "\" at positions 44-45, expected "
                  << check.expectedChecksum << '\n';
    }
    return kExitFailed;
}

Subcommand checkSubcommand()
{
    return passwordSubcommand(
        "check", "Say whether every symbol is valid and the checksum matches",
        "The password, or - for standard input (blanks, dashes and lower case are tolerated)",
        helpFooter("  quandrel-pass check 'ur3q-ur5f-ug4f-423r-ur3f-ur3f-ur3f-ur3f-ur3f-ur3f-urs4-a'\n",
                   "0 valid; 1 not, with one line per bad place on standard error"),
        runCheck);
}

} // namespace quandrel
