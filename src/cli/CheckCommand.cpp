#include "Commands.h"

#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "codec/Sections.h"

#include <ostream>

namespace quandrel {

int runCheck(const std::string& password, std::ostream& out)
{
    bool valid = true;
    if (password.size() != static_cast<std::size_t>(kPasswordLength)) {
        out << "length: " << password.size() << " characters, expected " << kPasswordLength << '\n';
        valid = false;
    }
    const std::string_view body = std::string_view(password).substr(0, kBodyLength);
    for (std::size_t i = 0; i < body.size(); ++i) {
        const int k = static_cast<int>(i) + 1;
        if (symbolValue(body[i], positionInGroup(k)) < 0) {
            out << "position " << k << ": " << quotedCharacter(body[i]) << " is not a symbol there, expected one of "
                << alphabetAt(positionInGroup(k)) << '\n';
            valid = false;
        }
    }
    if (body.size() == static_cast<std::size_t>(kBodyLength)) {
        const std::string expected = checksumOf(body);
        const std::string_view given = std::string_view(password).substr(kBodyLength);
        if (given != expected) {
            out << "checksum: \"" << given << "\" at positions 44-45, expected " << expected << '\n';
            valid = false;
        }
    }
    if (valid) {
        out << "valid\n";
    }
    return valid ? kExitOk : kExitFailed;
}

} // namespace quandrel
