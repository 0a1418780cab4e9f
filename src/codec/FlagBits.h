#pragma once

#include <array>
#include <cstdint>
#include <cstring>

namespace quandrel {

// Runs of flags to and from the bits of a password, eight at a time rather than bit by bit.
// A bool is one byte holding 0 or 1, so eight flags copy as one 64-bit word.

namespace detail {

// Eight flags for each byte value, the highest bit first, as bytes ready to copy.
constexpr std::array<std::array<bool, 8>, 256> makeFlagsOfByte()
{
    std::array<std::array<bool, 8>, 256> table{};
    for (std::size_t byte = 0; byte < table.size(); ++byte) {
        for (std::size_t k = 0; k < 8; ++k) {
            table[byte][k] = ((byte >> (7 - k)) & 1U) != 0;
        }
    }
    return table;
}

inline constexpr auto kFlagsOfByte = makeFlagsOfByte();

// Up to eight flags as the high bits of a byte, the first flag highest. The multiplication moves
// the flag of byte k to bit 63 - k; no two partial products meet, so nothing carries.
inline std::uint32_t packEightFlags(const bool* flags, std::size_t count)
{
    std::uint64_t bytes = 0;
    std::memcpy(&bytes, flags, count);
    return static_cast<std::uint32_t>((bytes * 0x8040201008040201ULL) >> 56);
}

} // namespace detail

// `Count` flags as the low `Count` bits of the result, the first flag highest.
template <std::size_t Count> std::uint32_t packFlags(const bool* flags)
{
    static_assert(Count <= 32);
    std::uint32_t bits = 0;
    std::size_t k = 0;
    for (; k + 8 <= Count; k += 8) {
        bits = (bits << 8) | detail::packEightFlags(flags + k, 8);
    }
    if constexpr (Count % 8 != 0) {
        bits = (bits << (Count % 8)) | (detail::packEightFlags(flags + k, Count % 8) >> (8 - Count % 8));
    }
    return bits;
}

// Sets `Count` flags from the low `Count` bits of `bits`, the highest bit first.
template <std::size_t Count> void spreadFlags(std::uint32_t bits, bool* flags)
{
    static_assert(Count <= 32);
    std::size_t k = 0;
    for (; k + 8 <= Count; k += 8) {
        std::memcpy(flags + k, detail::kFlagsOfByte[(bits >> (Count - k - 8)) & 0xFFU].data(), 8);
    }
    if constexpr (Count % 8 != 0) {
        std::memcpy(flags + k, detail::kFlagsOfByte[(bits << (8 - Count % 8)) & 0xFFU].data(), Count % 8);
    }
}

} // namespace quandrel
