#pragma once

#include "codec/Decoder.h"
#include "codec/GameState.h"

#include <string>
#include <string_view>

namespace quandrel::reference {

// The password of a state and the fields of a text, worked out the slow, plain way.
std::string encode(const GameState& state);
DecodedState decode(std::string_view text);

} // namespace quandrel::reference
