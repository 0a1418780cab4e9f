// Any text given to `quandrel-pass encode` is either refused as a bad state, or read as a state
// that survives writing as JSON and encoding as a password. The two readers, which follow one
// schema, agree both ways: what the fast reader takes, the diagnosing reader takes as the same
// state; and what the diagnosing reader takes, the fast one takes too once it is written plainly.
#include "PropertyCheck.h"
#include "cli/StateJson.h"
#include "cli/StateJsonDiagnosis.h"
#include "codec/Decoder.h"
#include "codec/Password.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace quandrel;
    using fuzz::require;

    const std::string_view text(reinterpret_cast<const char*>(data), size);
    GameState fast;
    const bool fastTook = readPlainStateJson(text, fast);
    std::optional<GameState> diagnosed;
    try {
        diagnosed = diagnoseStateJson(text);
    } catch (const StateFormatError&) {
    }
    if (fastTook) {
        require(diagnosed && *diagnosed == fast, "a state read fast is read the same by the diagnosing reader");
    }
    if (!diagnosed) {
        return 0;
    }
    const GameState& state = *diagnosed;

    const std::string written = gameStateToJson(state);
    GameState reread;
    require(readPlainStateJson(written, reread) && reread == state,
            "a state the diagnosing reader takes is read the same by the fast one, written plainly");
    require(gameStateFromJson(text) == state, "encode reads the state both readers read");
    const std::string password = encodePassword(state);
    require(password.size() == static_cast<std::size_t>(kPasswordLength), "a password has 45 characters");
    require(applyDecoded(decodeSlotText(password), GameState{}) == state, "the password decodes to the state read");
    return 0;
}
