#pragma once

#include "codec/GameState.h"

#include <array>
#include <string_view>

namespace quandrel {

// The keys of a game state in JSON, in the order they are written.
inline constexpr std::array<const char*, kCounterCount> kCounterKeys = kCounterNames;
inline constexpr std::array<std::string_view, 9> kStateKeys = {"arrows", "coins",   "keys",   "vitality", "experience",
                                                               "worlds", "objects", "shield", "warrior"};
inline constexpr std::array<std::string_view, 2> kWorldKeys = {"state", "flags"};

// Arrays and objects in a state nest no deeper than a world's flags: the state, its worlds,
// one world, its flags.
inline constexpr int kMaxStateDepth = 4;

} // namespace quandrel
