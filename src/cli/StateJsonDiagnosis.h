#pragma once

#include "StateJson.h"

#include <string_view>

namespace quandrel {

// Reads a game state with a general JSON parser, slowly, to say exactly what is wrong with a
// text the fast reader turned down: throws StateFormatError with the problem and its place.
// Returns the state when the text is one after all.
GameState diagnoseStateJson(std::string_view text);

} // namespace quandrel
