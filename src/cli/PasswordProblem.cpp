#include "PasswordProblem.h"

#include "codec/Password.h"
#include "codec/PrintableText.h"

namespace quandrel {

std::string lengthProblem(std::size_t length)
{
    return std::to_string(length) + " characters, a password has " + std::to_string(kPasswordLength);
}

std::string lengthProblemWithCause(std::size_t length)
{
    const auto expected = static_cast<std::size_t>(kPasswordLength);
    const std::size_t off = length < expected ? expected - length : length - expected;
    std::string cause = length < expected ? (off == 1 ? "a character is missing" : std::to_string(off) + " are missing")
                                          : (off == 1 ? "one character too many" : std::to_string(off) + " too many");
    // fix puts back a dropped character or takes out an extra one.
    if (off == 1) {
        cause += " (quandrel-pass fix suggests which)";
    }
    return lengthProblem(length) + ": " + cause;
}

std::string passwordProblem(std::string_view text)
{
    if (text.size() != static_cast<std::size_t>(kPasswordLength)) {
        return lengthProblem(text.size());
    }
    const std::string expected = checksumOf(text.substr(0, kBodyLength));
    if (text.substr(kBodyLength) != expected) {
        return "checksum \"" + printableText(text.substr(kBodyLength)) + "\" does not match the body, which gives \"" +
               expected + "\"";
    }
    return {};
}

} // namespace quandrel
