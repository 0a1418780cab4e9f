#pragma once

#include "Alphabets.h"
#include "GameState.h"
#include "Sections.h"

#include <array>
#include <span>
#include <string>
#include <string_view>

namespace quandrel {

inline constexpr int kPasswordLength = 45;
inline constexpr int kDisplayGroupCount = 12;
inline constexpr std::string_view kChecksumSeparator = "  ->  ";

namespace detail {

constexpr std::array<unsigned char, 256> makeChecksumWeights()
{
    std::array<unsigned char, 256> weights{};
    for (std::size_t j = 0; j < kChecksumAlphabet.size(); ++j) {
        weights[static_cast<unsigned char>(kChecksumAlphabet[j])] = static_cast<unsigned char>(j + 1);
    }
    return weights;
}

inline constexpr auto kChecksumWeights = makeChecksumWeights();

} // namespace detail

// What a character adds to the checksum: its place (from 1) in the checksum alphabet, or 0
// outside it. The hex digits weigh 1 to 16.
constexpr int checksumWeight(char c) { return detail::kChecksumWeights[static_cast<unsigned char>(c)]; }

// Two upper-case hex digits: the low byte of the sum of the body characters' places (from 1)
// in the checksum alphabet. Characters past the 45th, and characters outside that alphabet,
// count nothing.
std::string checksumOf(std::string_view body);

// The twelve groups in which a password is shown: eleven of four characters, then the last one.
std::array<std::string, kDisplayGroupCount> displayGroups(std::string_view password);

// The checksum, "  ->  ", then the time of day of the assembly.
std::string checksumLine(std::string_view checksum, std::string_view timeOfDay);

std::string encodePassword(const GameState& state);

// Writes the password of a state into a caller's buffer, so that batch work never allocates.
void writePassword(const GameState& state, std::span<char, kPasswordLength> out);

// The password of the initial game state, which a new save slot receives.
const std::string& initialPassword();

} // namespace quandrel
