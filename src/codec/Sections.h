#pragma once

#include "BodyLayout.h"
#include "GameState.h"

#include <array>
#include <cstdint>
#include <string>

namespace quandrel {

// The five sections of the body in slot order: counters, vitality and experience, worlds,
// objects, warrior.
using Sections = std::array<std::string, 5>;

// Section 0. Each counter must be three decimal digits.
std::string encodeCounterSection(const std::array<std::string, kCounterCount>& counters);

// Section 1. Each value must lie in 0 to 31.
std::string encodeVitalitySection(const std::array<int, kValueCount>& values);

// Section 2.
std::string encodeWorldSection(const std::array<World, kWorldCount>& worlds);

// Section 3.
std::string encodeObjectSection(const std::array<bool, kObjectCount>& objects, Shield shield);

// Section 4: the single symbol of warrior state 0 to 3.
std::string encodeWarriorSection(int warrior);

Sections encodeSections(const GameState& state);

// The values 0 to 31 of the body's 43 symbols, each to be written with the alphabet of its place.
using BodySymbols = std::array<std::uint8_t, kBodyLength>;

// The body of a state as symbol values, packed in one pass without building any text.
BodySymbols bodySymbols(const GameState& state);

} // namespace quandrel
