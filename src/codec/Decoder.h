#pragma once

#include "GameState.h"

#include <array>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quandrel {

// What a slot text says about each field. An empty optional means the text holds a code
// that no writer produces there, so the field keeps the value it had before the load.
struct DecodedState {
    std::array<std::string, kCounterCount> counters;
    std::array<int, kValueCount> values{};
    std::array<std::array<bool, kFlagsPerWorld>, kWorldCount> flags{};
    std::array<std::optional<WorldState>, kWorldCount> worldStates;
    std::array<bool, kObjectCount> objects{};
    std::optional<Shield> shield;
    std::optional<int> warrior;

    bool operator==(const DecodedState&) const = default;
};

// A body character that is not a symbol at its position; nothing of the text is decoded.
class InvalidSymbol final : public std::runtime_error {
public:
    InvalidSymbol(int position, char character);

    int position() const { return m_position; } // 1-based place in the text
    char character() const { return m_character; }

private:
    int m_position;
    char m_character;
};

// Decodes characters 1 to 43 of a slot text; missing characters read as zero bits and
// characters from 44 on (the checksum included) are never read.
DecodedState decodeSlotText(std::string_view text);

// The state after a load: every decoded field, and `before`'s value where a field is unchanged.
GameState applyDecoded(const DecodedState& decoded, const GameState& before);

// What the password of a state decodes to: every field as the state has it.
DecodedState decodedStateOf(const GameState& state);

} // namespace quandrel
