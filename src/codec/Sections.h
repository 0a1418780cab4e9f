#pragma once

#include "GameState.h"

#include <array>
#include <cstdint>
#include <string>

namespace quandrel {

// The five sections of the body in slot order: counters, vitality and experience, worlds,
// objects, warrior.
using Sections = std::array<std::string, 5>;

struct SectionLayout {
    int symbols;
    int firstPosition;  // position in group of the section's first symbol
    int firstCharacter; // 1-based body index of that symbol
};

inline constexpr std::array<SectionLayout, 5> kSectionLayouts = {{
    {10, 1, 1},
    {6, 3, 11},
    {17, 1, 17},
    {9, 2, 34},
    {1, 3, 43},
}};

inline constexpr int kBodyLength = 43;
inline constexpr int kBodyBits = kBodyLength * 5;

// Section 0. Each counter must be three decimal digits.
std::string encodeCounterSection(const std::array<std::string, kCounterCount>& counters);

// Section 1. Each value must lie in 0 to 31.
std::string encodeVitalitySection(const std::array<int, kValueCount>& values);

// Section 2.
std::string encodeWorldSection(const std::array<World, kWorldCount>& worlds);

// Section 3.
std::string encodeObjectSection(const std::array<bool, kObjectCount>& objects, Shield shield);

// Section 4: the single symbol of warrior state 0 to 3.
inline constexpr std::array<char, kWarriorStateCount> kWarriorSymbols = {'S', 'P', 'D', '9'};
std::string encodeWarriorSection(int warrior);

Sections encodeSections(const GameState& state);

// The values 0 to 31 of the body's 43 symbols, each to be written with the alphabet of its place.
using BodySymbols = std::array<std::uint8_t, kBodyLength>;

// The body of a state as symbol values, packed in one pass without building any text.
BodySymbols bodySymbols(const GameState& state);

// The three-bit code of a world state, as it stands in section 2.
unsigned worldStateCode(WorldState state);

} // namespace quandrel
