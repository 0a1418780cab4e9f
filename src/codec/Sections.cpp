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
    bool digits = counter.size() == kCounterLength;
    for (const char c : counter) {
        digits &= static_cast<unsigned char>(c - '0') <= 9;
    }
    if (!digits) {
        throw InvalidArgument("counter \"" + counter + "\" is not three decimal digits");
    }
}

unsigned worldStateCode(WorldState state) { return kWorldStateCodes[static_cast<std::size_t>(state)]; }

void appendCounterSection(SectionSymbols<0> out, const std::array<std::string, kCounterCount>& counters)
{
    SymbolPacker<0> packer(out);
    // Unrolled, every field's place and every nibble's digit is a constant.
#pragma GCC unroll 3
    for (std::size_t c = 0; c < counters.size(); ++c) {
        requireCounter(counters[c]);
        std::uint32_t nibbles = 0;
#pragma GCC unroll 4
        for (const int digit : kCounterNibbleDigits) {
            nibbles = (nibbles << 4) | (digit < 0 ? 0U : digitAt(counters[c], static_cast<std::size_t>(digit)));
        }
        packer.place(nibbles, kCounterFields[c]);
    }
    packer.finish();
}

void appendVitalitySection(SectionSymbols<1> out, const std::array<int, kValueCount>& values)
{
    SymbolPacker<1> packer(out);
#pragma GCC unroll 4
    for (std::size_t k = 0; k < values.size(); ++k) {
        const int value = values[k];
        if (value < 0 || value > kMaxValue) {
            throw InvalidArgument("vitality or experience value " + std::to_string(value) + " is outside 0 to " +
                                  std::to_string(kMaxValue));
        }
        packer.place(static_cast<unsigned>(value), kValueFields[k]);
    }
    packer.finish();
}

void appendWorldSection(SectionSymbols<2> out, const std::array<World, kWorldCount>& worlds)
{
    SymbolPacker<2> packer(out);
    // Unrolled, every shift below is a constant.
#pragma GCC unroll 10
    for (std::size_t w = 0; w < worlds.size(); ++w) {
        packer.place(packFlags<kFlagsPerWorld>(worlds[w].flags.data()), kWorldFields[w].flags);
        packer.place(worldStateCode(worlds[w].state), kWorldFields[w].state);
    }
    packer.finish();
}

void appendObjectSection(SectionSymbols<3> out, const std::array<bool, kObjectCount>& objects, Shield shield)
{
    SymbolPacker<3> packer(out);
    packer.place(packFlags<kFirstObjectsField.width>(objects.data()), kFirstObjectsField);
    packer.place(packFlags<kMiddleObjectsField.width>(objects.data() + kFirstObjectsField.width), kMiddleObjectsField);
    for (std::size_t k = 0; k < kLastObjectBits.size(); ++k) {
        packer.placeBit(objects[objects.size() - kLastObjectBits.size() + k], kLastObjectBits[k]);
    }
    packer.placeBit(shield != Shield::None, kShieldHeldBit);
    packer.placeBit(shield == Shield::Two, kSecondShieldBit);
    packer.placeBit(shield == Shield::Three, kThirdShieldBit);
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
