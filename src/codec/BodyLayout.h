#pragma once

#include "Alphabets.h"
#include "GameState.h"

#include <array>

namespace quandrel {

// The body's layout, read by the encoder and the decoder alike: its sections, and where each
// field of the game state stands in its 215 bits. Bits count from 1, the first character's
// highest bit first. Every bit that no field below names is a spacer, written as zero and never
// read.

struct SectionLayout {
    int symbols;
    int firstPosition;  // position in group of the section's first symbol
    int firstCharacter; // 1-based body index of that symbol

    constexpr int firstBit() const { return (firstCharacter - 1) * kBitsPerSymbol + 1; }
    constexpr int bitCount() const { return symbols * kBitsPerSymbol; }
};

// Counters, vitality and experience, worlds, objects, warrior.
inline constexpr std::array<SectionLayout, 5> kSectionLayouts = {{
    {10, 1, 1},
    {6, 3, 11},
    {17, 1, 17},
    {9, 2, 34},
    {1, 3, 43},
}};

inline constexpr int kBodyLength = 43;
inline constexpr int kBodyBits = kBodyLength * kBitsPerSymbol;

struct BodyField {
    int firstBit;
    int width;

    constexpr int lastBit() const { return firstBit + width - 1; }
};

// Section 0: each counter in 16 bits of binary-coded decimal.
inline constexpr std::array<BodyField, kCounterCount> kCounterFields = {{{1, 16}, {17, 16}, {33, 16}}};
// Which digit of the counter's text each of its four nibbles holds, highest first: tens, units,
// a zero nibble (-1), hundreds.
inline constexpr std::array<int, 4> kCounterNibbleDigits = {1, 2, -1, 0};

// Section 1, by GameState::values: lower experience comes first, each value followed by spacers.
inline constexpr std::array<BodyField, kValueCount> kValueFields = {{{75, 5}, {67, 5}, {59, 5}, {51, 5}}};

// Section 2: a five-bit zero prefix, then for each world its flags, a spacer (but not for worlds
// 5 and 9), its state code, and one more spacer after worlds 4 and 9.
inline constexpr int kWorldPrefixBits = 5;
inline constexpr int kWorldStateBits = 3;
// The code of each world state, by WorldState: Closed, Active, Open, BossKilled.
inline constexpr std::array<unsigned, 4> kWorldStateCodes = {0b000, 0b010, 0b001, 0b101};
constexpr bool spacerBeforeState(int world) { return world != 5 && world != 9; }
constexpr bool spacerAfterState(int world) { return world == 4 || world == 9; }

struct WorldFields {
    BodyField flags;
    BodyField state;
};

inline constexpr std::array<WorldFields, kWorldCount> kWorldFields = [] {
    std::array<WorldFields, kWorldCount> fields{};
    int bit = kSectionLayouts[2].firstBit() + kWorldPrefixBits;
    for (int w = 0; w < kWorldCount; ++w) {
        auto& world = fields[static_cast<std::size_t>(w)];
        world.flags = {bit, kFlagsPerWorld};
        bit += kFlagsPerWorld + (spacerBeforeState(w) ? 1 : 0);
        world.state = {bit, kWorldStateBits};
        bit += kWorldStateBits + (spacerAfterState(w) ? 1 : 0);
    }
    return fields;
}();

// Section 3: objects 0 to 5, four spacers, objects 6 to 34, then a bit for any shield held,
// objects 35 and 36, the bits of shields 2 and 3, and a spacer.
inline constexpr BodyField kFirstObjectsField = {166, 6};
inline constexpr BodyField kMiddleObjectsField = {176, 29};
inline constexpr int kShieldHeldBit = 205;
inline constexpr std::array<int, 2> kLastObjectBits = {206, 207};
inline constexpr int kSecondShieldBit = 208;
inline constexpr int kThirdShieldBit = 209;

// Section 4: the single symbol of warrior state 0 to 3, taken as it is, not from bits.
inline constexpr std::array<char, kWarriorStateCount> kWarriorSymbols = {'S', 'P', 'D', '9'};

static_assert(kCounterFields.back().lastBit() < kSectionLayouts[1].firstBit());
static_assert(kValueFields.front().lastBit() < kSectionLayouts[2].firstBit());
static_assert(kWorldFields.back().state.lastBit() + 1 == kSectionLayouts[3].firstBit() - 1);
static_assert(kFirstObjectsField.firstBit == kSectionLayouts[3].firstBit());
static_assert(kFirstObjectsField.width + kMiddleObjectsField.width + kLastObjectBits.size() == kObjectCount);
static_assert(kThirdShieldBit < kSectionLayouts[4].firstBit());

} // namespace quandrel
