#include "Password.h"

#include "Alphabets.h"

namespace quandrel {

namespace {

// Each symbol's character and what it adds to the checksum, by body place and value.
struct WrittenSymbol {
    char character;
    unsigned char weight;
};

using WrittenSymbolTable = std::array<std::array<WrittenSymbol, kSymbolCount>, kBodyLength>;

constexpr WrittenSymbolTable makeWrittenSymbols()
{
    WrittenSymbolTable table{};
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t v = 0; v < kSymbolCount; ++v) {
            const char c = kAlphabets[i % kGroupSize][v];
            table[i][v] = {c, static_cast<unsigned char>(checksumWeight(c))};
        }
    }
    return table;
}

constexpr auto kWrittenSymbols = makeWrittenSymbols();

} // namespace

std::string checksumOf(std::string_view body)
{
    int sum = 0;
    for (const char c : body.substr(0, kPasswordLength)) {
        sum += checksumWeight(c);
    }
    // The last two digits of the sum in hex: its low byte, or a single digit below 16 (which a
    // 43-symbol body, summing to at least 43, never reaches).
    std::string checksum;
    if (sum >= 16) {
        checksum += kHexDigits[static_cast<std::size_t>((sum >> 4) & 0xF)];
    }
    checksum += kHexDigits[static_cast<std::size_t>(sum & 0xF)];
    return checksum;
}

std::array<std::string, kDisplayGroupCount> displayGroups(std::string_view password)
{
    std::array<std::string, kDisplayGroupCount> groups;
    for (std::size_t g = 0; g + 1 < groups.size(); ++g) {
        if (kGroupSize * g < password.size()) {
            groups[g] = std::string(password.substr(kGroupSize * g, kGroupSize));
        }
    }
    if (!password.empty()) {
        groups.back() = std::string(1, password.back());
    }
    return groups;
}

std::string checksumLine(std::string_view checksum, std::string_view timeOfDay)
{
    std::string line(checksum);
    line += kChecksumSeparator;
    line += timeOfDay;
    return line;
}

void writePassword(const GameState& state, std::span<char, kPasswordLength> out)
{
    const BodySymbols body = bodySymbols(state);
    // Every symbol is in the checksum alphabet, so 43 of them sum to at least 43: two digits.
    unsigned sum = 0;
#pragma GCC unroll 43
    for (std::size_t i = 0; i < body.size(); ++i) {
        const WrittenSymbol symbol = kWrittenSymbols[i][body[i]];
        out[i] = symbol.character;
        sum += symbol.weight;
    }
    out[kBodyLength] = kHexDigits[(sum >> 4) & 0xFU];
    out[kBodyLength + 1] = kHexDigits[sum & 0xFU];
}

std::string encodePassword(const GameState& state)
{
    std::string password(kPasswordLength, '\0');
    writePassword(state, std::span<char, kPasswordLength>(password.data(), kPasswordLength));
    return password;
}

const std::string& initialPassword()
{
    static const std::string password = encodePassword(GameState{});
    return password;
}

} // namespace quandrel
