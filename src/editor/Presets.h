#pragma once

#include "codec/GameState.h"

namespace quandrel {

// A new game: the state every new save slot holds.
GameState newGamePreset();

// Everything a player can have: every object and the third shield, every world finished up to
// the last, full counters and the highest values the buttons give.
GameState everythingPreset();

} // namespace quandrel
