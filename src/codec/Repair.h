#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

// What one change of a correction does at its place.
enum class Edit : char {
    Replace,
    Insert, // a dropped character put back: `from` is '\0'
    Remove, // a character too many taken out: `to` is '\0'
};

// One change of a correction. Positions count from 1 in the typed text; an inserted character
// goes before the typed character at its position (after the last one for the length plus one).
struct Substitution {
    int position;
    char from;
    char to;
    bool lookAlike; // a character easily mistaken for the other, such as O for 0
    Edit edit = Edit::Replace;

    bool operator==(const Substitution&) const = default;
};

// A corrected password: valid at every place, with a matching checksum.
struct Repair {
    std::string password;
    std::vector<Substitution> changes;
};

inline constexpr std::size_t kMaxRepairs = 10;

// Whether one of the two characters is easily mistaken for the other, such as O for 0.
bool looksAlike(char a, char b);

// The likeliest corrections of a password that has invalid symbols or a wrong checksum, best
// first: a password that this program could have written before one it could not, then one
// change before two, look-alike substitutions before other changes, a checksum digit before a
// body character, keyboard neighbours before other characters. A password of 45
// characters gets one or two substitutions; one of 44 a dropped character put back, one of 46 a
// character too many taken out, either with at most one look-alike substitution besides. A
// password of another length gets none.
std::vector<Repair> suggestRepairs(std::string_view password, std::size_t maxResults = kMaxRepairs);

} // namespace quandrel
