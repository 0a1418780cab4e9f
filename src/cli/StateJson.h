#pragma once

#include "codec/Decoder.h"
#include "codec/GameState.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace quandrel {

// A JSON game state that cannot be read: bad JSON, an unknown key, a value of the wrong
// type or out of range.
class StateFormatError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a game state such as
// {"arrows":"100","coins":"100","keys":"100","vitality":[1,1],"experience":[6,6],
//  "worlds":[{"state":"Closed","flags":[false,false,false,false]}, ...ten...],
//  "objects":[],"shield":"none","warrior":0}
// A key left out, or null, takes its initial value.
GameState gameStateFromJson(std::string_view text);

std::string gameStateToJson(const GameState& state);

// Appends one decoded state as a single line of JSON (without the line end); fields the
// text leaves unchanged are null. Written by hand because a batch decode writes millions.
void appendDecodedJson(std::string& out, const DecodedState& decoded);

} // namespace quandrel
