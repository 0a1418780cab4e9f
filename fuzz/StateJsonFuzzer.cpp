// Any text given to `quandrel-pass encode` is either refused as a bad state, or read as a state
// that survives writing as JSON and encoding as a password. What the fast reader takes, the
// general parser behind the refusals takes too, as the same state.
#include "PropertyCheck.h"
#include "cli/StateJson.h"
#include "cli/StateJsonDiagnosis.h"
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

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    GameState state;
    try {
        state = gameStateFromJson(text);
    } catch (const StateFormatError&) {
        return 0;
    }
    bool diagnosedTheSame = false;
    try {
        diagnosedTheSame = diagnoseStateJson(text) == state;
    } catch (const StateFormatError&) {
    }
    require(diagnosedTheSame, "a state read fast is read the same by the general parser");

    require(gameStateFromJson(gameStateToJson(state)) == state, "a state written as JSON reads back the same");
    const std::string password = encodePassword(state);
    require(password.size() == static_cast<std::size_t>(kPasswordLength), "a password has 45 characters");
    require(applyDecoded(decodeSlotText(password), GameState{}) == state, "the password decodes to the state read");
    return 0;
}
