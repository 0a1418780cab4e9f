#include "Sections.h"

#include "FlagBits.h"
#include "InvalidArgument.h"
#include "SymbolPacker.h"

#include <span>

namespace quandrel {

namespace {

template <int Section> using SectionSymbols = std::span<std::uint8_t, kSectionLayouts[Section].symbols>;

template <int Section> SectionSymbols<Section> symbolsOf(BodySymbols& body)
{
    return SectionSymbols<Section>(body.data() + kSectionLayouts[Section].firstCharacter - 1,
                                   kSectionLayouts[Section].symbols);
}

// The text of one section: its symbol values, each written with the alphabet of its place.
template <int Section, typename Append, typename... Fields>
std::string sectionText(Append append, const Fields&... fields)
{
    BodySymbols body{};
    const auto values = symbolsOf<Section>(body);
    append(values, fields...);
    std::string text;
    int position = kSectionLayouts[Section].firstPosition;
    for (const std::uint8_t value : values) {
        text.push_back(symbolFor(value, position));
        position = nextPosition(position);
    }
    return text;
}

unsigned digitAt(const std::string& counter, std::size_t i) { return static_cast<unsigned>(counter[i] - '0'); }

void requireCounter(const std::string& counter)
{
    // Tested without branching per character, as every password encodes three counters.
    bool digits = counter.size() == 3;
    for (const char c : counter) {
        digits &= static_cast<unsigned char>(c - '0') <= 9;
    }
    if (!digits) {
        throw InvalidArgument("counter \"" + counter + "\" is not three decimal digits");
    }
}

} // namespace

unsigned worldStateCode(WorldState state)
{
    // By WorldState: Closed, Active, Open, BossKilled.
    constexpr std::array<unsigned, 4> kCodes = {0b000, 0b010, 0b001, 0b101};
    return kCodes[static_cast<std::size_t>(state)];
}

namespace {

void appendCounterSection(SectionSymbols<0> out, const std::array<std::string, kCounterCount>& counters)
{
    SymbolPacker packer(out);
    for (const auto& counter : counters) {
        requireCounter(counter);
        // Binary-coded decimal, low byte (tens, units) first, then a high byte of 0 and the hundreds.
        packer.append((digitAt(counter, 1) << 12) | (digitAt(counter, 2) << 8) | digitAt(counter, 0), 16);
    }
    packer.append(0, 2);
    packer.finish();
}

void appendVitalitySection(SectionSymbols<1> out, const std::array<int, kValueCount>& values)
{
    SymbolPacker packer(out);
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

void appendWorldSection(SectionSymbols<2> out, const std::array<World, kWorldCount>& worlds)
{
    SymbolPacker packer(out);
    packer.append(0, 5);
    // Unrolled, every shift below is a constant.
#pragma GCC unroll 10
    for (std::size_t w = 0; w < worlds.size(); ++w) {
        // Worlds 5 and 9 have no spacer between their flags and their state.
        const int spacer = w != 5 && w != 9 ? 1 : 0;
        packer.append((packFlags<kFlagsPerWorld>(worlds[w].flags.data()) << (spacer + 3)) |
                          worldStateCode(worlds[w].state),
                      kFlagsPerWorld + spacer + 3);
        // Worlds 4 and 9 carry a spacer after their state.
        if (w == 4 || w == 9) {
            packer.append(0, 1);
        }
    }
    packer.finish();
}

void appendObjectSection(SectionSymbols<3> out, const std::array<bool, kObjectCount>& objects, Shield shield)
{
    SymbolPacker packer(out);
    packer.append(packFlags<6>(objects.data()), 6);
    packer.append(0, 4);
    packer.append(packFlags<29>(objects.data() + 6), 29);
    packer.appendBit(shield != Shield::None);
    packer.appendBit(objects[35]);
    packer.appendBit(objects[36]);
    packer.appendBit(shield == Shield::Two);
    packer.appendBit(shield == Shield::Three);
    packer.append(0, 1);
    packer.finish();
}

void appendWarriorSection(SectionSymbols<4> out, int warrior)
{
    if (warrior < 0 || warrior >= kWarriorStateCount) {
        throw InvalidArgument("warrior state " + std::to_string(warrior) + " is outside 0 to 3");
    }
    out[0] = static_cast<std::uint8_t>(
        symbolValue(kWarriorSymbols[static_cast<std::size_t>(warrior)], kSectionLayouts[4].firstPosition));
}

} // namespace

std::string encodeCounterSection(const std::array<std::string, kCounterCount>& counters)
{
    return sectionText<0>(appendCounterSection, counters);
}

std::string encodeVitalitySection(const std::array<int, kValueCount>& values)
{
    return sectionText<1>(appendVitalitySection, values);
}

std::string encodeWorldSection(const std::array<World, kWorldCount>& worlds)
{
    return sectionText<2>(appendWorldSection, worlds);
}

std::string encodeObjectSection(const std::array<bool, kObjectCount>& objects, Shield shield)
{
    return sectionText<3>(appendObjectSection, objects, shield);
}

std::string encodeWarriorSection(int warrior) { return sectionText<4>(appendWarriorSection, warrior); }

Sections encodeSections(const GameState& state)
{
    return {encodeCounterSection(state.counters), encodeVitalitySection(state.values), encodeWorldSection(state.worlds),
            encodeObjectSection(state.objects, state.shield), encodeWarriorSection(state.warrior)};
}

BodySymbols bodySymbols(const GameState& state)
{
    BodySymbols body;
    appendCounterSection(symbolsOf<0>(body), state.counters);
    appendVitalitySection(symbolsOf<1>(body), state.values);
    appendWorldSection(symbolsOf<2>(body), state.worlds);
    appendObjectSection(symbolsOf<3>(body), state.objects, state.shield);
    appendWarriorSection(symbolsOf<4>(body), state.warrior);
    return body;
}

} // namespace quandrel
