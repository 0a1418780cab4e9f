#include "Sections.h"

#include "InvalidArgument.h"
#include "SymbolPacker.h"

namespace quandrel {

namespace {

SymbolPacker packerFor(std::string& out, int section)
{
    return SymbolPacker(out, kSectionLayouts[static_cast<std::size_t>(section)].firstPosition);
}

template <typename Append, typename... Fields> std::string sectionText(Append append, const Fields&... fields)
{
    std::string out;
    out.reserve(17);
    append(out, fields...);
    return out;
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

} // namespace

unsigned worldStateCode(WorldState state)
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

namespace {

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
        packer.append(worldStateCode(worlds[w].state), 3);
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

} // namespace

std::string encodeCounterSection(const std::array<std::string, kCounterCount>& counters)
{
    return sectionText(appendCounterSection, counters);
}

std::string encodeVitalitySection(const std::array<int, kValueCount>& values)
{
    return sectionText(appendVitalitySection, values);
}

std::string encodeWorldSection(const std::array<World, kWorldCount>& worlds)
{
    return sectionText(appendWorldSection, worlds);
}

std::string encodeObjectSection(const std::array<bool, kObjectCount>& objects, Shield shield)
{
    return sectionText(appendObjectSection, objects, shield);
}

std::string encodeWarriorSection(int warrior) { return sectionText(appendWarriorSection, warrior); }

Sections encodeSections(const GameState& state)
{
    return {encodeCounterSection(state.counters), encodeVitalitySection(state.values), encodeWorldSection(state.worlds),
            encodeObjectSection(state.objects, state.shield), encodeWarriorSection(state.warrior)};
}

void appendBody(std::string& out, const GameState& state)
{
    appendCounterSection(out, state.counters);
    appendVitalitySection(out, state.values);
    appendWorldSection(out, state.worlds);
    appendObjectSection(out, state.objects, state.shield);
    appendWarriorSection(out, state.warrior);
}

} // namespace quandrel
