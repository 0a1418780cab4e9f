// Any slot text either is refused at one of its own characters, or decodes to a state whose
// password is valid and decodes back to that state.
#include "PropertyCheck.h"
#include "codec/Alphabets.h"
#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/Sections.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace {

using namespace quandrel;
using fuzz::require;

void checkRefusal(std::string_view text, const InvalidSymbol& error)
{
    const int read = static_cast<int>(std::min(text.size(), static_cast<std::size_t>(kBodyLength)));
    require(error.position() >= 1 && error.position() <= read, "a refusal names a position among the characters read");
    const char character = text[static_cast<std::size_t>(error.position() - 1)];
    require(error.character() == character, "a refusal names the character at its position");
    require(symbolValue(character, positionInGroup(error.position())) < 0, "a refused character is no symbol there");
}

void checkPassword(const std::string& password)
{
    require(password.size() == static_cast<std::size_t>(kPasswordLength), "a password has 45 characters");
    for (int k = 1; k <= kBodyLength; ++k) {
        require(symbolValue(password[static_cast<std::size_t>(k - 1)], positionInGroup(k)) >= 0,
                "every body character is a symbol at its position");
    }
    const std::string_view body = std::string_view(password).substr(0, kBodyLength);
    require(password.substr(kBodyLength) == checksumOf(body), "the checksum matches the body");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    DecodedState decoded;
    try {
        decoded = decodeSlotText(text);
    } catch (const InvalidSymbol& error) {
        checkRefusal(text, error);
        return 0;
    }

    const GameState state = applyDecoded(decoded, GameState{});
    const std::string password = encodePassword(state);
    checkPassword(password);

    const DecodedState again = decodeSlotText(password);
    require(applyDecoded(again, GameState{}) == state, "the password decodes back to the state it encodes");
    const bool everyFieldKnown = again.shield && again.warrior &&
                                 std::all_of(again.worldStates.begin(), again.worldStates.end(),
                                             [](const auto& worldState) { return worldState.has_value(); });
    require(everyFieldKnown, "a written password holds only codes that decode");
    return 0;
}
