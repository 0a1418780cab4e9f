#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string_view>

namespace quandrel {

// Finds which of a few short names a JSON string spells, from the byte after its opening
// quote, with a few word operations per name and no branch: each name is kept with its
// closing quote as a pattern of 16 bytes under a mask, and compared with the text's next 16
// bytes at once. A name written with an escape is not found. The text must have 16 readable
// bytes from there on (a parser's padding provides them).
template <std::size_t N> class QuotedNameTable final {
public:
    static_assert(N < 32, "a name's index is a bit of a 32-bit word");
    static constexpr std::size_t kWidth = 16;

    constexpr explicit QuotedNameTable(const std::array<std::string_view, N>& names)
    {
        for (std::size_t i = 0; i < N; ++i) {
            if (names[i].size() >= kWidth) {
                throw std::length_error("a name and its closing quote must fit in 16 bytes");
            }
            for (std::size_t k = 0; k <= names[i].size(); ++k) {
                const char c = k < names[i].size() ? names[i][k] : '"';
                m_patterns[i][k / 8] |= placed(static_cast<unsigned char>(c), k % 8);
                m_masks[i][k / 8] |= placed(0xFF, k % 8);
            }
        }
    }

    // The index of the name that the string at `text` spells, or N.
    std::size_t find(const char* text) const
    {
        std::array<std::uint64_t, 2> words{};
        std::memcpy(words.data(), text, kWidth);
        std::uint32_t found = 0;
        for (std::size_t i = 0; i < N; ++i) {
            const std::uint64_t differ =
                ((words[0] ^ m_patterns[i][0]) & m_masks[i][0]) | ((words[1] ^ m_patterns[i][1]) & m_masks[i][1]);
            found |= static_cast<std::uint32_t>(differ == 0) << i;
        }
        return static_cast<std::size_t>(std::countr_zero(found | (1U << N)));
    }

private:
    // A byte where a word loaded from memory holds the `k`th of its eight bytes.
    static constexpr std::uint64_t placed(unsigned char byte, std::size_t k)
    {
        const std::size_t shift = std::endian::native == std::endian::little ? 8 * k : 8 * (7 - k);
        return std::uint64_t{byte} << shift;
    }

    std::array<std::array<std::uint64_t, 2>, N> m_patterns{};
    std::array<std::array<std::uint64_t, 2>, N> m_masks{};
};

} // namespace quandrel
