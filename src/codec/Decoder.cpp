#include "Decoder.h"

#include "Alphabets.h"
#include "Sections.h"

#include <algorithm>
#include <cstdint>

namespace quandrel {

namespace {

// The 215-bit text of the body, packed most significant bit first into 64-bit words and
// read through 1-based bit numbers; characters missing from a short text read as zero bits.
class BodyBits final {
public:
    explicit BodyBits(std::string_view text)
    {
        const std::size_t present = std::min(text.size(), static_cast<std::size_t>(kBodyLength));
        for (std::size_t i = 0; i < present; ++i) {
            const int value = symbolValue(text[i], positionInGroup(static_cast<int>(i) + 1));
            if (value < 0) {
                throw InvalidSymbol(static_cast<int>(i) + 1, text[i]);
            }
            place(5 * i, static_cast<std::uint64_t>(value), 5);
        }
    }

    bool bit(int n) const
    {
        const auto at = static_cast<std::size_t>(n - 1);
        return ((m_words[at / 64] >> (63 - at % 64)) & 1U) != 0;
    }

    // `count` (at most 5) bits from bit `first` on, the first one highest.
    unsigned bits(int first, int count) const
    {
        const auto start = static_cast<std::size_t>(first - 1);
        const std::size_t word = start / 64;
        const std::size_t offset = start % 64;
        // The two words around the field, as one 128-bit window.
        const unsigned __int128 window = (static_cast<unsigned __int128>(m_words[word]) << 64) | m_words[word + 1];
        const auto shift = static_cast<unsigned>(128 - offset - static_cast<std::size_t>(count));
        return static_cast<unsigned>((window >> shift) & ((1U << count) - 1U));
    }

private:
    void place(std::size_t start, std::uint64_t value, std::size_t count)
    {
        const std::size_t word = start / 64;
        const std::size_t offset = start % 64;
        const unsigned __int128 shifted = static_cast<unsigned __int128>(value) << (128 - offset - count);
        m_words[word] |= static_cast<std::uint64_t>(shifted >> 64);
        m_words[word + 1] |= static_cast<std::uint64_t>(shifted);
    }

    // One spare word so that a window never reads past the end.
    std::array<std::uint64_t, 5> m_words{};
};

// A four-bit group that is no digit code reads as 0.
char digitAt(const BodyBits& bits, int first)
{
    const unsigned code = bits.bits(first, 4);
    return static_cast<char>('0' + (code <= 9 ? code : 0));
}

std::optional<WorldState> worldStateFromCode(unsigned code)
{
    switch (code) {
    case 0b000:
        return WorldState::Closed;
    case 0b010:
        return WorldState::Active;
    case 0b001:
        return WorldState::Open;
    case 0b101:
        return WorldState::BossKilled;
    default:
        return std::nullopt;
    }
}

std::optional<Shield> shieldFromCode(bool held, bool second, bool third)
{
    if (!held) {
        return second || third ? std::nullopt : std::optional(Shield::None);
    }
    if (second && third) {
        return std::nullopt;
    }
    return second ? Shield::Two : third ? Shield::Three : Shield::One;
}

std::optional<int> warriorFromText(std::string_view text)
{
    if (text.size() < static_cast<std::size_t>(kBodyLength)) {
        return std::nullopt;
    }
    const char symbol = text[kBodyLength - 1];
    for (std::size_t state = 0; state < kWarriorSymbols.size(); ++state) {
        if (kWarriorSymbols[state] == symbol) {
            return static_cast<int>(state);
        }
    }
    return std::nullopt;
}

void decodeWorlds(const BodyBits& bits, DecodedState& decoded)
{
    // Walks section 2 the way it is written: a five-bit prefix, then per world its flags,
    // a spacer (not for worlds 5 and 9), its state, and a spacer after worlds 4 and 9.
    int n = 81 + 5;
    for (std::size_t w = 0; w < static_cast<std::size_t>(kWorldCount); ++w) {
        for (std::size_t f = 0; f < static_cast<std::size_t>(kFlagsPerWorld); ++f) {
            decoded.flags[w][f] = bits.bit(n++);
        }
        if (w != 5 && w != 9) {
            ++n;
        }
        decoded.worldStates[w] = worldStateFromCode(bits.bits(n, 3));
        n += 3;
        if (w == 4 || w == 9) {
            ++n;
        }
    }
}

} // namespace

InvalidSymbol::InvalidSymbol(int position, char character)
    : std::runtime_error("position " + std::to_string(position) + ": " + quotedCharacter(character) +
                         " is not a symbol there (position " + std::to_string(positionInGroup(position)) +
                         " in its group takes " + std::string(alphabetAt(positionInGroup(position))) + ")"),
      m_position(position), m_character(character)
{}

std::string InvalidSymbol::reason() const
{
    return "not a symbol at position " + std::to_string(positionInGroup(m_position)) + " in its group";
}

DecodedState decodeSlotText(std::string_view text)
{
    const BodyBits bits(text);
    DecodedState decoded;

    for (std::size_t c = 0; c < static_cast<std::size_t>(kCounterCount); ++c) {
        const int base = 16 * static_cast<int>(c);
        decoded.counters[c] = {digitAt(bits, base + 13), digitAt(bits, base + 1), digitAt(bits, base + 5)};
    }

    // Lower experience, lower vitality, upper experience, upper vitality, eight bits apart.
    for (int k = 0; k < kValueCount; ++k) {
        decoded.values[static_cast<std::size_t>(k)] = static_cast<int>(bits.bits(75 - 8 * k, 5));
    }

    decodeWorlds(bits, decoded);

    for (int k = 0; k <= 5; ++k) {
        decoded.objects[static_cast<std::size_t>(k)] = bits.bit(166 + k);
    }
    for (int k = 6; k <= 34; ++k) {
        decoded.objects[static_cast<std::size_t>(k)] = bits.bit(170 + k);
    }
    decoded.objects[35] = bits.bit(206);
    decoded.objects[36] = bits.bit(207);
    decoded.shield = shieldFromCode(bits.bit(205), bits.bit(208), bits.bit(209));
    decoded.warrior = warriorFromText(text);
    return decoded;
}

DecodedState decodedStateOf(const GameState& state)
{
    DecodedState decoded;
    decoded.counters = state.counters;
    decoded.values = state.values;
    for (std::size_t w = 0; w < state.worlds.size(); ++w) {
        decoded.flags[w] = state.worlds[w].flags;
        decoded.worldStates[w] = state.worlds[w].state;
    }
    decoded.objects = state.objects;
    decoded.shield = state.shield;
    decoded.warrior = state.warrior;
    return decoded;
}

GameState applyDecoded(const DecodedState& decoded, const GameState& before)
{
    GameState state = before;
    state.counters = decoded.counters;
    state.values = decoded.values;
    for (std::size_t w = 0; w < state.worlds.size(); ++w) {
        state.worlds[w].flags = decoded.flags[w];
        state.worlds[w].state = decoded.worldStates[w].value_or(before.worlds[w].state);
    }
    state.objects = decoded.objects;
    state.shield = decoded.shield.value_or(before.shield);
    state.warrior = decoded.warrior.value_or(before.warrior);
    return state;
}

} // namespace quandrel
