#pragma once

#include "Alphabets.h"

#include <cassert>
#include <cstdint>
#include <span>
#include <type_traits>

namespace quandrel {

// Packs a section's bit text, most significant bit first, into its `Symbols` five-bit symbol
// values. The whole section (at most 85 bits) gathers in one register and is cut into symbols
// at the end, with shifts that are known when compiled; nothing is allocated.
template <std::size_t Symbols> class SymbolPacker final {
public:
    explicit SymbolPacker(std::span<std::uint8_t, Symbols> values) : m_values(values) {}
    SymbolPacker(const SymbolPacker&) = delete;
    SymbolPacker& operator=(const SymbolPacker&) = delete;

    // Appends the low `count` bits of `bits` (at most 32), highest first.
    void append(std::uint32_t bits, int count)
    {
        m_bits = (m_bits << count) | (bits & static_cast<std::uint32_t>((std::uint64_t{1} << count) - 1U));
        m_count += count;
    }
    void appendBit(bool bit) { append(bit ? 1U : 0U, 1); }

    // Cuts the bits into symbols; the section's bits must fill its symbols exactly.
    void finish()
    {
        assert(m_count == static_cast<int>(Symbols) * kBitsPerSymbol);
#pragma GCC unroll 17
        for (std::size_t k = 0; k < Symbols; ++k) {
            m_values[k] = static_cast<std::uint8_t>((m_bits >> (kBitsPerSymbol * (Symbols - 1 - k))) & 0x1FU);
        }
    }

private:
    using Bits = std::conditional_t<Symbols * kBitsPerSymbol <= 64, std::uint64_t, unsigned __int128>;

    std::span<std::uint8_t, Symbols> m_values;
    Bits m_bits = 0;
    int m_count = 0;
};

} // namespace quandrel
