#pragma once

#include <array>
#include <string>
#include <string_view>

namespace quandrel {

// The password is read and shown in groups of four characters, and the four alphabets take turns
// in the same cycle.
inline constexpr int kGroupSize = 4;

// Every body character is written with the alphabet of its position in group (1 to 4);
// each alphabet is the previous one shifted by one place.
inline constexpr std::array<std::string_view, kGroupSize> kAlphabets = {
    "U72G4X5BKN90PQTHVE6OMWAJ18DSILYC",
    "RU72G4X5BKN90PQTHVE6OMWAJ18DSILY",
    "3RU72G4X5BKN90PQTHVE6OMWAJ18DSIL",
    "F3RU72G4X5BKN90PQTHVE6OMWAJ18DSI",
};

inline constexpr std::string_view kChecksumAlphabet = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";

// The digits of the checksum, which is written in upper-case hex.
inline constexpr std::string_view kHexDigits = kChecksumAlphabet.substr(0, 16);

inline constexpr int kSymbolCount = 32;
inline constexpr int kBitsPerSymbol = 5;

// Position in group (1 to 4) of body character k, counted from 1 over the whole body.
constexpr int positionInGroup(int k) { return ((k - 1) % kGroupSize) + 1; }

// The position that follows p in the cycle 1, 2, 3, 4, 1, ...
constexpr int nextPosition(int p) { return p == kGroupSize ? 1 : p + 1; }

const std::string_view& alphabetAt(int position);

namespace detail {

using SymbolValueTable = std::array<std::array<signed char, 256>, 4>;

constexpr SymbolValueTable makeSymbolValueTable()
{
    SymbolValueTable table{};
    for (auto& row : table) {
        row.fill(-1);
    }
    for (std::size_t p = 0; p < 4; ++p) {
        for (std::size_t v = 0; v < kSymbolCount; ++v) {
            table[p][static_cast<unsigned char>(kAlphabets[p][v])] = static_cast<signed char>(v);
        }
    }
    return table;
}

inline constexpr SymbolValueTable kSymbolValues = makeSymbolValueTable();

} // namespace detail

// Value 0 to 31 of c at the given position, or -1 when c is not a symbol there.
inline int symbolValue(char c, int position)
{
    return detail::kSymbolValues[static_cast<std::size_t>(position - 1)][static_cast<unsigned char>(c)];
}

// The symbol for value 0 to 31 at the given position.
inline char symbolFor(int value, int position)
{
    return kAlphabets[static_cast<std::size_t>(position - 1)][static_cast<std::size_t>(value)];
}

// A readable form of any byte for error messages: 'A', or \x00 for a control or non-ASCII byte.
std::string quotedCharacter(char c);

} // namespace quandrel
