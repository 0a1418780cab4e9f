#pragma once

#include "Decoder.h"

#include <string>
#include <vector>

namespace quandrel {

// One field of the game state with its value as text, such as {"arrows", "100"}.
struct FieldValue {
    std::string name;
    std::string value;

    bool operator==(const FieldValue&) const = default;
};

// Every field a password carries, in password order; a field that the password leaves
// unchanged reads "unchanged".
std::vector<FieldValue> fieldValues(const DecodedState& decoded);

// The names of the fields whose bits body character k (1 to 45) carries; "checksum" for 44
// and 45, nothing for a character whose bits are never read.
const std::vector<std::string>& fieldsOfCharacter(int k);

// The fields that differ between two decoded passwords: name, value in a, value in b.
struct FieldChange {
    std::string name;
    std::string before;
    std::string after;
};
std::vector<FieldChange> changedFields(const DecodedState& a, const DecodedState& b);

} // namespace quandrel
