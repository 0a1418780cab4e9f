#pragma once

#include "codec/Decoder.h"
#include "codec/GameState.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace quandrel {

// A JSON game state that cannot be read: bad JSON, a key unknown or given twice, a value of
// the wrong type or out of range. Bad JSON comes with its line and column in the text.
class StateFormatError final : public std::runtime_error {
public:
    explicit StateFormatError(const std::string& reason, int line = 0, int column = 0);

    const std::string& reason() const { return m_reason; }
    int line() const { return m_line; } // from 1; 0 when the text is valid JSON
    int column() const { return m_column; }

private:
    std::string m_reason;
    int m_line;
    int m_column;
};

// Reads a game state such as
// {"arrows":"100","coins":"100","keys":"100","vitality":[1,1],"experience":[6,6],
//  "worlds":[{"state":"Closed","flags":[false,false,false,false]}, ...ten...],
//  "objects":[],"shield":"none","warrior":0}
// A key left out, or null, takes its initial value. A counter may also be a number, 0 to 999.
GameState gameStateFromJson(std::string_view text);

// The fast half of gameStateFromJson: reads a state written plainly, and answers false for
// anything else, without a reason; gameStateFromJson then names the problem (or reads an
// unusual spelling). Only a text that is one whole JSON value is ever taken.
bool readPlainStateJson(std::string_view text, GameState& state);

std::string gameStateToJson(const GameState& state);

// Appends one decoded state as a single line of JSON (without the line end); fields the
// text leaves unchanged are null. Written by hand because a batch decode writes millions.
void appendDecodedJson(std::string& out, const DecodedState& decoded);

} // namespace quandrel
