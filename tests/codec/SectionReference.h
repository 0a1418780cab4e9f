#pragma once

// Builds sections the slow way: a "0"/"1" bit text laid out field by field, cut into
// groups of five and converted with makebyte. The fast encoders must agree with it.

#include "codec/Conversions.h"
#include "codec/GameState.h"

#include <string>

namespace quandrel::test {

inline std::string symbolsOfBitText(const std::string& bits, int firstPosition)
{
    std::string symbols;
    int p = firstPosition;
    for (std::size_t i = 0; i < bits.size(); i += 5) {
        symbols += makebyte(bits.substr(i, 5), p);
        p = p == 4 ? 1 : p + 1;
    }
    return symbols;
}

inline std::string bit(bool on) { return on ? "1" : "0"; }

inline std::string counterBits(const std::array<std::string, kCounterCount>& counters)
{
    std::string d;
    for (const auto& counter : counters) {
        d += counter;
    }
    auto b = [&d](int i) { return makebin4(d[static_cast<std::size_t>(i - 1)] - '0'); };
    return b(2) + b(3) + "0000" + b(1) + b(5) + b(6) + "0000" + b(4) + b(8) + b(9) + "0000" + b(7) + "00";
}

inline std::string vitalityBits(const std::array<int, kValueCount>& v)
{
    return makebin5(v[3]) + "000" + makebin5(v[2]) + "000" + makebin5(v[1]) + "000" + makebin5(v[0]) + "0";
}

// Section 2 from its group table: Cn is flag n, Sw.b bit b of world w's state code, 0 a zero bit.
inline std::string worldBits(const std::array<World, kWorldCount>& worlds)
{
    static const char* const groups[17][5] = {
        {"0", "0", "0", "0", "0"},
        {"C0", "C1", "C2", "C3", "0"},
        {"S0.1", "S0.2", "S0.3", "C4", "C5"},
        {"C6", "C7", "0", "S1.1", "S1.2"},
        {"S1.3", "C8", "C9", "C10", "C11"},
        {"0", "S2.1", "S2.2", "S2.3", "C12"},
        {"C13", "C14", "C15", "0", "S3.1"},
        {"S3.2", "S3.3", "C16", "C17", "C18"},
        {"C19", "0", "S4.1", "S4.2", "S4.3"},
        {"0", "C20", "C21", "C22", "C23"},
        {"S5.1", "S5.2", "S5.3", "C24", "C25"},
        {"C26", "C27", "0", "S6.1", "S6.2"},
        {"S6.3", "C28", "C29", "C30", "C31"},
        {"0", "S7.1", "S7.2", "S7.3", "C32"},
        {"C33", "C34", "C35", "0", "S8.1"},
        {"S8.2", "S8.3", "C36", "C37", "C38"},
        {"C39", "S9.1", "S9.2", "S9.3", "0"},
    };
    auto code = [](WorldState state) -> std::string {
        switch (state) {
        case WorldState::Closed:
            return "000";
        case WorldState::Active:
            return "010";
        case WorldState::Open:
            return "001";
        case WorldState::BossKilled:
            return "101";
        }
        return "";
    };
    std::string bits;
    for (const auto& group : groups) {
        for (const std::string cell : group) {
            if (cell == "0") {
                bits += "0";
            } else if (cell[0] == 'C') {
                const int n = std::stoi(cell.substr(1));
                bits += bit(worlds[static_cast<std::size_t>(n / 4)].flags[static_cast<std::size_t>(n % 4)]);
            } else {
                const auto w = static_cast<std::size_t>(cell[1] - '0');
                bits += code(worlds[w].state)[static_cast<std::size_t>(cell[3] - '1')];
            }
        }
    }
    return bits;
}

inline std::string objectBits(const std::array<bool, kObjectCount>& objects, Shield shield)
{
    std::string bits;
    for (std::size_t k = 0; k <= 5; ++k) {
        bits += bit(objects[k]);
    }
    bits += "0000";
    for (std::size_t k = 6; k <= 34; ++k) {
        bits += bit(objects[k]);
    }
    const std::string b35 = bit(objects[35]);
    const std::string b36 = bit(objects[36]);
    switch (shield) {
    case Shield::None:
        bits += "0" + b35 + b36 + "00";
        break;
    case Shield::One:
        bits += "1" + b35 + b36 + "00";
        break;
    case Shield::Two:
        bits += "1" + b35 + b36 + "10";
        break;
    case Shield::Three:
        bits += "1" + b35 + b36 + "01";
        break;
    }
    return bits + "0";
}

} // namespace quandrel::test
