#pragma once

#include "codec/GameState.h"

namespace quandrel {

// Everything a player can have: every object and the third shield, every world finished up to
// the last, full counters and the highest values the buttons give.
GameState everythingPreset();

} // namespace quandrel
