#include "Conversions.h"

#include "codec/Alphabets.h"
#include "codec/InvalidArgument.h"

#include <array>

namespace quandrel {

namespace {

template <std::size_t Width, std::size_t Count> constexpr std::array<char, Width * Count> makeBitTable()
{
    std::array<char, Width * Count> table{};
    for (std::size_t n = 0; n < Count; ++n) {
        for (std::size_t b = 0; b < Width; ++b) {
            table[n * Width + b] = ((n >> (Width - 1 - b)) & 1U) != 0 ? '1' : '0';
        }
    }
    return table;
}

// The 32 five-bit codes of 0 to 31 and the ten four-bit codes of the digits, end to end.
constexpr auto kFiveBitTable = makeBitTable<5, 32>();
constexpr auto kFourBitTable = makeBitTable<4, 10>();

template <std::size_t Size> std::string_view tableView(const std::array<char, Size>& table)
{
    return {table.data(), table.size()};
}

// Entry n of a table, cut short (or empty) where it runs past the table's end.
template <std::size_t Size> std::string tableEntry(const std::array<char, Size>& table, int n, std::size_t width)
{
    const auto start = static_cast<std::size_t>(n) * width;
    if (start >= Size) {
        return {};
    }
    return std::string(tableView(table).substr(start, width));
}

template <std::size_t Size>
int tableIndex(const std::array<char, Size>& table, std::string_view code, std::size_t width)
{
    for (std::size_t n = 0; n < Size / width; ++n) {
        if (tableView(table).substr(n * width, width) == code) {
            return static_cast<int>(n);
        }
    }
    return 0;
}

bool isPosition(int bitnr) { return bitnr >= 1 && bitnr <= 4; }

void requireNotNegative(const char* routine, int invoer)
{
    if (invoer < 0) {
        throw InvalidArgument(std::string(routine) + ": negative number " + std::to_string(invoer));
    }
}

} // namespace

std::string baittobin(std::string_view bait, int bitnr)
{
    if (!isPosition(bitnr)) {
        return {};
    }
    const auto found = alphabetAt(bitnr).find(bait);
    if (found == std::string_view::npos) {
        throw InvalidArgument("baittobin: \"" + std::string(bait) + "\" is not a symbol at position " +
                              std::to_string(bitnr) + " in its group");
    }
    return tableEntry(kFiveBitTable, static_cast<int>(found), 5);
}

std::string makebyte(std::string_view bin5, int bitnr)
{
    if (!isPosition(bitnr)) {
        return {};
    }
    return std::string(1, symbolFor(makedec5(bin5), bitnr));
}

int makedec5(std::string_view invoer) { return tableIndex(kFiveBitTable, invoer, 5); }

std::string makebin5(int invoer)
{
    requireNotNegative("makebin5", invoer);
    return tableEntry(kFiveBitTable, invoer, 5);
}

int makedec4(std::string_view invoer) { return tableIndex(kFourBitTable, invoer, 4); }

std::string makebin4(int invoer)
{
    requireNotNegative("makebin4", invoer);
    return tableEntry(kFourBitTable, invoer, 4);
}

} // namespace quandrel
