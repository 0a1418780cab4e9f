// Any text given to `quandrel-pass encode` is either refused as a bad state, or read as a state
// that survives writing as JSON and encoding as a password.
#include "PropertyCheck.h"
#include "cli/StateJson.h"
#include "codec/Decoder.h"
#include "codec/Password.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quandrel;
    using fuzz::require;

    GameState state;
    try {
        state = gameStateFromJson(std::string_view(reinterpret_cast<const char*>(data), size));
    } catch (const StateFormatError&) {
        return 0;
    }

    require(gameStateFromJson(gameStateToJson(state)) == state, "a state written as JSON reads back the same");
    const std::string password = encodePassword(state);
    require(password.size() == static_cast<std::size_t>(kPasswordLength), "a password has 45 characters");
    require(applyDecoded(decodeSlotText(password), GameState{}) == state, "the password decodes to the state read");
    return 0;
}
