#pragma once

#include "Alphabets.h"

#include <cassert>
#include <cstdint>
#include <string>

namespace quandrel {

// Packs a section's bit text, most significant bit first, into symbols five bits at a time,
// appending each, written with the alphabet of its position in group, to `out`. Works on
// integers rather than "0"/"1" texts, and gathers bits before cutting them into symbols, so
// that encoding a whole password costs little more than a hundred nanoseconds.
class SymbolPacker final {
public:
    SymbolPacker(std::string& out, int firstPosition) : m_out(out), m_position(firstPosition) {}
    SymbolPacker(const SymbolPacker&) = delete;
    SymbolPacker& operator=(const SymbolPacker&) = delete;

    // Appends the low `count` bits of `bits` (at most 16), highest first.
    void append(unsigned bits, int count)
    {
        m_pending = (m_pending << count) | (bits & ((1U << count) - 1U));
        m_pendingCount += count;
        if (m_pendingCount >= 40) {
            emitWholeSymbols();
        }
    }
    void appendBit(bool bit) { append(bit ? 1U : 0U, 1); }

    // Emits what is left; the section's bits must now fill whole symbols.
    void finish()
    {
        emitWholeSymbols();
        assert(m_pendingCount == 0);
    }

private:
    void emitWholeSymbols()
    {
        while (m_pendingCount >= kBitsPerSymbol) {
            m_pendingCount -= kBitsPerSymbol;
            m_out.push_back(symbolFor(static_cast<int>((m_pending >> m_pendingCount) & 0x1FU), m_position));
            m_position = nextPosition(m_position);
        }
        m_pending &= (std::uint64_t{1} << m_pendingCount) - 1U;
    }

    std::string& m_out;
    int m_position;
    std::uint64_t m_pending = 0;
    int m_pendingCount = 0;
};

} // namespace quandrel
