#include "PasswordProblem.h"

#include "codec/Password.h"

namespace quandrel {

std::string passwordProblem(std::string_view text)
{
    if (text.size() != static_cast<std::size_t>(kPasswordLength)) {
        return std::to_string(text.size()) + " characters, a password has " + std::to_string(kPasswordLength);
    }
    const std::string expected = checksumOf(text.substr(0, kBodyLength));
    if (text.substr(kBodyLength) != expected) {
        return "checksum \"" + std::string(text.substr(kBodyLength)) + "\" does not match the body, which gives \"" +
               expected + "\"";
    }
    return {};
}

} // namespace quandrel
