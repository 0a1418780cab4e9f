#include "ReferenceCodec.h"

#include "codec/Alphabets.h"
#include "codec/InvalidArgument.h"
#include "codec/Password.h"
#include "codec/Sections.h"

#include <algorithm>
#include <cassert>
#include <cstdint>

// The codec as it stood before it was tuned for speed, kept verbatim (bit by bit, string by
// string) as the reference that the tuned codec must match. The shield and warrior readers are
// written out from their tables instead, so that they check the codec's own rather than repeat them.

namespace quandrel::reference {

namespace {

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

SymbolPacker packerFor(std::string& out, int section)
{
    return SymbolPacker(out, kSectionLayouts[static_cast<std::size_t>(section)].firstPosition);
}

unsigned digitAt(const std::string& counter, std::size_t i) { return static_cast<unsigned>(counter[i] - '0'); }

void requireCounter(const std::string& counter)
{
    bool digits = counter.size() == 3;
    for (const char c : counter) {
        digits = digits && c >= '0' && c <= '9';
    }
    if (!digits) {
        throw InvalidArgument("counter \"" + counter + "\" is not three decimal digits");
    }
}

unsigned stateCode(WorldState state)
{
    switch (state) {
    case WorldState::Closed:
        return 0b000;
    case WorldState::Active:
        return 0b010;
    case WorldState::Open:
        return 0b001;
    case WorldState::BossKilled:
        return 0b101;
    }
    return 0;
}

void appendCounterSection(std::string& out, const std::array<std::string, kCounterCount>& counters)
{
    SymbolPacker packer = packerFor(out, 0);
    for (const auto& counter : counters) {
        requireCounter(counter);
        // Binary-coded decimal, low byte (tens, units) first, then a high byte of 0 and the hundreds.
        packer.append(digitAt(counter, 1), 4);
        packer.append(digitAt(counter, 2), 4);
        packer.append(0, 4);
        packer.append(digitAt(counter, 0), 4);
    }
    packer.append(0, 2);
    packer.finish();
}

void appendVitalitySection(std::string& out, const std::array<int, kValueCount>& values)
{
    SymbolPacker packer = packerFor(out, 1);
    // Lower experience first, upper vitality last, each followed by zero padding.
    for (int k = kValueCount - 1; k >= 0; --k) {
        const int value = values[static_cast<std::size_t>(k)];
        if (value < 0 || value > 31) {
            throw InvalidArgument("vitality or experience value " + std::to_string(value) + " is outside 0 to 31");
        }
        packer.append(static_cast<unsigned>(value), 5);
        packer.append(0, k == 0 ? 1 : 3);
    }
    packer.finish();
}

void appendWorldSection(std::string& out, const std::array<World, kWorldCount>& worlds)
{
    SymbolPacker packer = packerFor(out, 2);
    packer.append(0, 5);
    for (std::size_t w = 0; w < worlds.size(); ++w) {
        for (const bool flag : worlds[w].flags) {
            packer.appendBit(flag);
        }
        // Worlds 5 and 9 have no spacer between their flags and their state.
        if (w != 5 && w != 9) {
            packer.append(0, 1);
        }
        packer.append(stateCode(worlds[w].state), 3);
        // Worlds 4 and 9 carry a spacer after their state.
        if (w == 4 || w == 9) {
            packer.append(0, 1);
        }
    }
    packer.finish();
}

void appendObjectSection(std::string& out, const std::array<bool, kObjectCount>& objects, Shield shield)
{
    SymbolPacker packer = packerFor(out, 3);
    for (std::size_t k = 0; k <= 5; ++k) {
        packer.appendBit(objects[k]);
    }
    packer.append(0, 4);
    for (std::size_t k = 6; k <= 34; ++k) {
        packer.appendBit(objects[k]);
    }
    packer.appendBit(shield != Shield::None);
    packer.appendBit(objects[35]);
    packer.appendBit(objects[36]);
    packer.appendBit(shield == Shield::Two);
    packer.appendBit(shield == Shield::Three);
    packer.append(0, 1);
    packer.finish();
}

void appendWarriorSection(std::string& out, int warrior)
{
    if (warrior < 0 || warrior >= kWarriorStateCount) {
        throw InvalidArgument("warrior state " + std::to_string(warrior) + " is outside 0 to 3");
    }
    out.push_back(kWarriorSymbols[static_cast<std::size_t>(warrior)]);
}

// The 215-bit text of the body, packed most significant bit first into 64-bit words and
// read through 1-based bit numbers; characters missing from a short text read as zero bits.
class BodyBits final {
public:
    explicit BodyBits(std::string_view text)
    {
        const std::size_t present = std::min(text.size(), static_cast<std::size_t>(kBodyLength));
        for (std::size_t i = 0; i < present; ++i) {
            const int value = symbolValue(text[i], positionInGroup(static_cast<int>(i) + 1));
            if (value < 0) {
                throw InvalidSymbol(static_cast<int>(i) + 1, text[i]);
            }
            place(5 * i, static_cast<std::uint64_t>(value), 5);
        }
    }

    bool bit(int n) const
    {
        const auto at = static_cast<std::size_t>(n - 1);
        return ((m_words[at / 64] >> (63 - at % 64)) & 1U) != 0;
    }

    // `count` (at most 5) bits from bit `first` on, the first one highest.
    unsigned bits(int first, int count) const
    {
        const auto start = static_cast<std::size_t>(first - 1);
        const std::size_t word = start / 64;
        const std::size_t offset = start % 64;
        // The two words around the field, as one 128-bit window.
        const unsigned __int128 window = (static_cast<unsigned __int128>(m_words[word]) << 64) | m_words[word + 1];
        const auto shift = static_cast<unsigned>(128 - offset - static_cast<std::size_t>(count));
        return static_cast<unsigned>((window >> shift) & ((1U << count) - 1U));
    }

private:
    void place(std::size_t start, std::uint64_t value, std::size_t count)
    {
        const std::size_t word = start / 64;
        const std::size_t offset = start % 64;
        const unsigned __int128 shifted = static_cast<unsigned __int128>(value) << (128 - offset - count);
        m_words[word] |= static_cast<std::uint64_t>(shifted >> 64);
        m_words[word + 1] |= static_cast<std::uint64_t>(shifted);
    }

    // One spare word so that a window never reads past the end.
    std::array<std::uint64_t, 5> m_words{};
};

// A four-bit group that is no digit code reads as 0.
char digitAt(const BodyBits& bits, int first)
{
    const unsigned code = bits.bits(first, 4);
    return static_cast<char>('0' + (code <= 9 ? code : 0));
}

std::optional<WorldState> worldStateFromCode(unsigned code)
{
    switch (code) {
    case 0b000:
        return WorldState::Closed;
    case 0b010:
        return WorldState::Active;
    case 0b001:
        return WorldState::Open;
    case 0b101:
        return WorldState::BossKilled;
    default:
        return std::nullopt;
    }
}

// The shield place's table, bits 205, 208 and 209 in that order: four codes, each showing one
// picture. Any other code shows none of them.
std::optional<Shield> shieldFromCode(bool held, bool second, bool third)
{
    struct Row {
        bool held;
        bool second;
        bool third;
        Shield shield;
    };
    static constexpr Row kShieldCodes[] = {
        {false, false, false, Shield::None},
        {true, false, false, Shield::One},
        {true, true, false, Shield::Two},
        {true, false, true, Shield::Three},
    };
    for (const Row& row : kShieldCodes) {
        if (row.held == held && row.second == second && row.third == third) {
            return row.shield;
        }
    }
    return std::nullopt;
}

// Body character 43 itself, compared exactly (case matters) with the symbols of the four
// warrior states.
std::optional<int> warriorFromText(std::string_view text)
{
    if (text.size() < 43) {
        return std::nullopt;
    }
    switch (text[42]) {
    case 'S':
        return 0;
    case 'P':
        return 1;
    case 'D':
        return 2;
    case '9':
        return 3;
    default:
        return std::nullopt;
    }
}

void decodeWorlds(const BodyBits& bits, DecodedState& decoded)
{
    // Walks section 2 the way it is written: a five-bit prefix, then per world its flags,
    // a spacer (not for worlds 5 and 9), its state, and a spacer after worlds 4 and 9.
    int n = 81 + 5;
    for (std::size_t w = 0; w < static_cast<std::size_t>(kWorldCount); ++w) {
        for (std::size_t f = 0; f < static_cast<std::size_t>(kFlagsPerWorld); ++f) {
            decoded.flags[w][f] = bits.bit(n++);
        }
        if (w != 5 && w != 9) {
            ++n;
        }
        decoded.worldStates[w] = worldStateFromCode(bits.bits(n, 3));
        n += 3;
        if (w == 4 || w == 9) {
            ++n;
        }
    }
}

} // namespace

std::string encode(const GameState& state)
{
    std::string password;
    password.reserve(kPasswordLength);
    appendCounterSection(password, state.counters);
    appendVitalitySection(password, state.values);
    appendWorldSection(password, state.worlds);
    appendObjectSection(password, state.objects, state.shield);
    appendWarriorSection(password, state.warrior);
    password += checksumOf(password);
    return password;
}

DecodedState decode(std::string_view text)
{
    const BodyBits bits(text);
    DecodedState decoded;

    for (std::size_t c = 0; c < static_cast<std::size_t>(kCounterCount); ++c) {
        const int base = 16 * static_cast<int>(c);
        decoded.counters[c] = {digitAt(bits, base + 13), digitAt(bits, base + 1), digitAt(bits, base + 5)};
    }

    // Lower experience, lower vitality, upper experience, upper vitality, eight bits apart.
    for (int k = 0; k < kValueCount; ++k) {
        decoded.values[static_cast<std::size_t>(k)] = static_cast<int>(bits.bits(75 - 8 * k, 5));
    }

    decodeWorlds(bits, decoded);

    for (int k = 0; k <= 5; ++k) {
        decoded.objects[static_cast<std::size_t>(k)] = bits.bit(166 + k);
    }
    for (int k = 6; k <= 34; ++k) {
        decoded.objects[static_cast<std::size_t>(k)] = bits.bit(170 + k);
    }
    decoded.objects[35] = bits.bit(206);
    decoded.objects[36] = bits.bit(207);
    decoded.shield = shieldFromCode(bits.bit(205), bits.bit(208), bits.bit(209));
    decoded.warrior = warriorFromText(text);
    return decoded;
}

} // namespace quandrel::reference
