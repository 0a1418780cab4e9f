#pragma once

#include "codec/GameState.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quandrel {

// What the value of a key of a JSON game state holds.
enum class StateValueKind {
    Counter,   // a whole number from `least` to `most`, or its three decimal digits as a string
    ValuePair, // the two warriors' values, whole numbers from `least` to `most`
    Worlds,    // `least` to `most` worlds (exactly kWorldCount), each with a "state" and four "flags"
    Objects,   // the indexes of the objects carried, `least` to `most`, each at most once
    Shield,    // one of the shield names
    Warrior,   // the warrior state, a whole number from `least` to `most`
};

struct StateKey {
    std::string_view key;
    StateValueKind kind;
    int least;
    int most;
    // Which counter, or the first of a pair's values in GameState::values (the second is two on).
    std::size_t slot = 0;
};

// The largest counter, all its digits nines.
inline constexpr int kMaxCounter = [] {
    int most = 1;
    for (std::size_t digit = 0; digit < kCounterLength; ++digit) {
        most *= 10;
    }
    return most - 1;
}();

// Every key of a game state in JSON, in the order they are written, with what its value holds:
// the one table that both readers follow.
inline constexpr std::array<StateKey, 9> kStateSchema = {{
    {kCounterNames[0], StateValueKind::Counter, 0, kMaxCounter, 0},
    {kCounterNames[1], StateValueKind::Counter, 0, kMaxCounter, 1},
    {kCounterNames[2], StateValueKind::Counter, 0, kMaxCounter, 2},
    {"vitality", StateValueKind::ValuePair, 0, kMaxValue, 0},
    {"experience", StateValueKind::ValuePair, 0, kMaxValue, 1},
    {"worlds", StateValueKind::Worlds, kWorldCount, kWorldCount},
    {"objects", StateValueKind::Objects, 0, kObjectCount - 1},
    {"shield", StateValueKind::Shield, 0, static_cast<int>(kShieldNames.size()) - 1},
    {"warrior", StateValueKind::Warrior, 0, kWarriorStateCount - 1},
}};

inline constexpr std::array<std::string_view, kStateSchema.size()> kStateKeys = [] {
    std::array<std::string_view, kStateSchema.size()> keys{};
    for (std::size_t k = 0; k < keys.size(); ++k) {
        keys[k] = kStateSchema[k].key;
    }
    return keys;
}();
inline constexpr std::array<std::string_view, 2> kWorldKeys = {"state", "flags"};

// Arrays and objects in a state nest no deeper than a world's flags: the state, its worlds,
// one world, its flags.
inline constexpr int kMaxStateDepth = 4;

} // namespace quandrel
