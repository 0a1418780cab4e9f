#include "Decoder.h"

#include "Alphabets.h"
#include "BodyLayout.h"
#include "FlagBits.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace quandrel {

namespace {

// The 215-bit text of the body, read through 1-based bit numbers; characters missing from a
// short text read as zero bits. Each word holds twelve symbols (60 bits, first symbol highest),
// so that the words are built independently of each other in registers.
class BodyBits final {
public:
    explicit BodyBits(std::string_view text)
    {
        // Missing characters are padded with each position's zero symbol, so that every word
        // is built the same way, four symbols of known positions at a time.
        std::array<char, kPaddedLength> padded = kZeroSymbols;
        if (!text.empty()) {
            std::memcpy(padded.data(), text.data(), std::min(text.size(), static_cast<std::size_t>(kBodyLength)));
        }
        int invalid = 0;
        for (std::size_t w = 0; w < kWordCount; ++w) {
            std::uint64_t word = 0;
            for (std::size_t i = w * kSymbolsPerWord; i < (w + 1) * kSymbolsPerWord; i += 4) {
                const int v0 = detail::kSymbolValues[0][static_cast<unsigned char>(padded[i])];
                const int v1 = detail::kSymbolValues[1][static_cast<unsigned char>(padded[i + 1])];
                const int v2 = detail::kSymbolValues[2][static_cast<unsigned char>(padded[i + 2])];
                const int v3 = detail::kSymbolValues[3][static_cast<unsigned char>(padded[i + 3])];
                invalid |= v0 | v1 | v2 | v3;
                word = (word << 20) | static_cast<std::uint64_t>((v0 << 15) | (v1 << 10) | (v2 << 5) | v3);
            }
            m_words[w] = word;
        }
        if (invalid < 0) {
            throwFirstInvalidSymbol(text);
        }
    }

    bool bit(int n) const { return bits(n, 1) != 0; }

    // `count` (at most 32) bits from bit `first` on, the first one highest.
    std::uint32_t bits(int first, int count) const
    {
        const auto start = static_cast<std::size_t>(first - 1);
        const std::size_t word = start / kWordBits;
        const std::size_t offset = start % kWordBits;
        // The two words around the field, as one 120-bit window.
        const unsigned __int128 window =
            (static_cast<unsigned __int128>(m_words[word]) << kWordBits) | m_words[word + 1];
        const auto shift = static_cast<unsigned>(2 * kWordBits - offset - static_cast<std::size_t>(count));
        return static_cast<std::uint32_t>((window >> shift) & ((std::uint64_t{1} << count) - 1U));
    }

private:
    static constexpr std::size_t kSymbolsPerWord = 12;
    static constexpr std::size_t kWordBits = kSymbolsPerWord * kBitsPerSymbol;
    static constexpr std::size_t kWordCount = (kBodyLength + kSymbolsPerWord - 1) / kSymbolsPerWord;
    static constexpr std::size_t kPaddedLength = kSymbolsPerWord * kWordCount;

    static constexpr std::array<char, kPaddedLength> kZeroSymbols = [] {
        std::array<char, kPaddedLength> symbols{};
        for (std::size_t i = 0; i < symbols.size(); ++i) {
            symbols[i] = kAlphabets[i % kGroupSize][0];
        }
        return symbols;
    }();

    [[noreturn]] static void throwFirstInvalidSymbol(std::string_view text)
    {
        for (std::size_t i = 0;; ++i) {
            if (symbolValue(text[i], positionInGroup(static_cast<int>(i) + 1)) < 0) {
                throw InvalidSymbol(static_cast<int>(i) + 1, text[i]);
            }
        }
    }

    // One spare word so that a window never reads past the end.
    std::array<std::uint64_t, kWordCount + 1> m_words{};
};

// A four-bit group that is no digit code reads as 0.
char digitOf(std::uint32_t code) { return static_cast<char>('0' + (code <= 9 ? code : 0)); }

// For each digit of a counter's text, the shift of its nibble in the counter's field.
constexpr std::array<unsigned, kCounterLength> kDigitShifts = [] {
    std::array<unsigned, kCounterLength> shifts{};
    for (std::size_t i = 0; i < kCounterNibbleDigits.size(); ++i) {
        if (kCounterNibbleDigits[i] >= 0) {
            shifts[static_cast<std::size_t>(kCounterNibbleDigits[i])] =
                static_cast<unsigned>(4 * (kCounterNibbleDigits.size() - 1 - i));
        }
    }
    return shifts;
}();

// A counter from the nibbles of its field.
std::string counterOf(std::uint32_t bits)
{
    static_assert(kCounterLength == 3);
    return {digitOf((bits >> kDigitShifts[0]) & 0xFU), digitOf((bits >> kDigitShifts[1]) & 0xFU),
            digitOf((bits >> kDigitShifts[2]) & 0xFU)};
}

// The world state of each three-bit code; empty for a code no writer produces.
constexpr std::array<std::optional<WorldState>, 8> kStateOfCode = [] {
    std::array<std::optional<WorldState>, 8> states{};
    for (std::size_t state = 0; state < kWorldStateCodes.size(); ++state) {
        states[kWorldStateCodes[state]] = static_cast<WorldState>(state);
    }
    return states;
}();

std::uint32_t fieldBits(const BodyBits& bits, BodyField field) { return bits.bits(field.firstBit, field.width); }

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
    // Unrolled, every bit number below is a constant.
#pragma GCC unroll 10
    for (std::size_t w = 0; w < static_cast<std::size_t>(kWorldCount); ++w) {
        // A world's flags and state in one read, the spacer between them skipped.
        const WorldFields& fields = kWorldFields[w];
        const int width = fields.state.lastBit() - fields.flags.firstBit + 1;
        const std::uint32_t group = bits.bits(fields.flags.firstBit, width);
        spreadFlags<kFlagsPerWorld>(group >> (width - fields.flags.width), decoded.flags[w].data());
        decoded.worldStates[w] = kStateOfCode[group & ((1U << fields.state.width) - 1U)];
    }
}

} // namespace

InvalidSymbol::InvalidSymbol(int position, char character)
    : std::runtime_error("position " + std::to_string(position) + ": " + quotedCharacter(character) +
                         " is not a symbol there (position " + std::to_string(positionInGroup(position)) +
                         " in its group takes " + std::string(alphabetAt(positionInGroup(position))) + ")"),
      m_position(position), m_character(character)
{}

DecodedState decodeSlotText(std::string_view text)
{
    const BodyBits bits(text);
    // Built in place: the counters lead the body.
    DecodedState decoded{.counters = {counterOf(fieldBits(bits, kCounterFields[0])),
                                      counterOf(fieldBits(bits, kCounterFields[1])),
                                      counterOf(fieldBits(bits, kCounterFields[2]))},
                         .values = {},
                         .flags = {},
                         .worldStates = {},
                         .objects = {},
                         .shield = {},
                         .warrior = {}};

    for (std::size_t k = 0; k < kValueFields.size(); ++k) {
        decoded.values[k] = static_cast<int>(fieldBits(bits, kValueFields[k]));
    }

    decodeWorlds(bits, decoded);

    spreadFlags<kFirstObjectsField.width>(fieldBits(bits, kFirstObjectsField), decoded.objects.data());
    spreadFlags<kMiddleObjectsField.width>(fieldBits(bits, kMiddleObjectsField),
                                           decoded.objects.data() + kFirstObjectsField.width);
    for (std::size_t k = 0; k < kLastObjectBits.size(); ++k) {
        decoded.objects[decoded.objects.size() - kLastObjectBits.size() + k] = bits.bit(kLastObjectBits[k]);
    }
    decoded.shield = shieldFromCode(bits.bit(kShieldHeldBit), bits.bit(kSecondShieldBit), bits.bit(kThirdShieldBit));
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
