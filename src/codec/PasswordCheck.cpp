#include "PasswordCheck.h"

#include "Alphabets.h"
#include "Password.h"
#include "Sections.h"

namespace quandrel {

std::string_view acceptedAt(int k) { return k <= kBodyLength ? alphabetAt(positionInGroup(k)) : kHexDigits; }

std::string normalizePassword(std::string_view typed)
{
    std::string password;
    password.reserve(typed.size());
    for (const char c : typed) {
        if (isGroupingCharacter(c)) {
            continue;
        }
        password.push_back(raisedSymbol(c));
    }
    return password;
}

PasswordCheck checkPassword(std::string_view password)
{
    PasswordCheck check;
    check.length = password.size();
    for (std::size_t i = 0; i < password.size() && i < static_cast<std::size_t>(kPasswordLength); ++i) {
        const int k = static_cast<int>(i) + 1;
        if (!isValidAt(password[i], k)) {
            check.problems.push_back({k, password[i], acceptedAt(k)});
        }
    }
    if (password.size() >= static_cast<std::size_t>(kBodyLength)) {
        check.expectedChecksum = checksumOf(password.substr(0, kBodyLength));
        check.checksumMatches = password.substr(kBodyLength) == check.expectedChecksum;
    }
    return check;
}

} // namespace quandrel
