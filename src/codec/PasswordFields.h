#pragma once

#include "Decoder.h"

#include <compare>
#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

enum class FieldKind { Counter, Value, WorldFlags, WorldState, Object, Shield, Warrior, Checksum };

// One field of the game state, or the checksum: its kind and, for the kinds that come several
// times, which one (counter, value, world or object index from 0).
struct FieldId {
    FieldKind kind;
    int index = 0;

    auto operator<=>(const FieldId&) const = default;
};

// How a field is named to the user: "arrows", "upper vitality", "world 3 flags", "object 12",
// "shield", "checksum".
std::string fieldName(FieldId field);

// One field of the game state with its name and its value as text, such as "arrows", "100".
struct FieldValue {
    FieldId field;
    std::string name;
    std::string value;

    bool operator==(const FieldValue&) const = default;
};

// Every field a password carries, in password order; a field that the password leaves
// unchanged reads "unchanged".
std::vector<FieldValue> fieldValues(const DecodedState& decoded);

// The fields whose bits character k (1 to 45) carries; the checksum for 44 and 45, nothing for
// a character whose bits are never read or a place outside the password.
const std::vector<FieldId>& fieldsOfCharacter(int k);

// A field that some of the given characters carry, with its value in the password and those
// characters.
struct CarriedField {
    FieldId field;
    std::string name;
    std::string value; // empty when the password does not decode
    std::vector<int> characters;
};

// Every field of a password, each once, in password order with the checksum last; the values are
// empty when the password does not decode.
std::vector<FieldValue> passwordFields(std::string_view password);

// The fields that the given characters (1-based) of a password carry, each once, in password
// order with the checksum last.
std::vector<CarriedField> fieldsCarriedBy(std::string_view password, const std::vector<int>& characters);
// The same, from the password's fields as passwordFields gives them, for asking of several
// characters with one decode.
std::vector<CarriedField> fieldsCarriedBy(const std::vector<FieldValue>& fields, const std::vector<int>& characters);

// The places first to last, for fieldsCarriedBy.
std::vector<int> characterRange(int first, int last);

// The fields that differ between two decoded passwords: value in a, value in b.
struct FieldChange {
    FieldId field;
    std::string name;
    std::string before;
    std::string after;
};
std::vector<FieldChange> changedFields(const DecodedState& a, const DecodedState& b);

} // namespace quandrel
