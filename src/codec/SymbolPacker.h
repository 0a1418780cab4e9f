#pragma once

#include "Alphabets.h"
#include "BodyLayout.h"

#include <cstdint>
#include <span>
#include <type_traits>

namespace quandrel {

// Packs one section's fields, each at its place in the body layout, into its five-bit symbol
// values. The whole section (at most 85 bits) gathers in one register and is cut into symbols at
// the end, with shifts that are known when compiled; bits no field sets stay zero, as spacers.
template <int Section> class SymbolPacker final {
public:
    static constexpr SectionLayout kLayout = kSectionLayouts[Section];
    static constexpr auto kSymbols = static_cast<std::size_t>(kLayout.symbols);

    explicit SymbolPacker(std::span<std::uint8_t, kSymbols> values) : m_values(values) {}
    SymbolPacker(const SymbolPacker&) = delete;
    SymbolPacker& operator=(const SymbolPacker&) = delete;

    // Puts the low `field.width` bits of `bits` (at most 32) at the field's place, highest first.
    void place(std::uint32_t bits, BodyField field)
    {
        const auto mask = static_cast<std::uint32_t>((std::uint64_t{1} << field.width) - 1U);
        m_bits |= static_cast<Bits>(bits & mask) << (kLastBit - field.lastBit());
    }
    void placeBit(bool bit, int n) { place(bit ? 1U : 0U, {n, 1}); }

    // Cuts the bits into symbols.
    void finish()
    {
#pragma GCC unroll 17
        for (std::size_t k = 0; k < kSymbols; ++k) {
            m_values[k] = static_cast<std::uint8_t>((m_bits >> (kBitsPerSymbol * (kSymbols - 1 - k))) & 0x1FU);
        }
    }

private:
    using Bits = std::conditional_t<kLayout.bitCount() <= 64, std::uint64_t, unsigned __int128>;
    static constexpr int kLastBit = kLayout.firstBit() + kLayout.bitCount() - 1;

    std::span<std::uint8_t, kSymbols> m_values;
    Bits m_bits = 0;
};

} // namespace quandrel
