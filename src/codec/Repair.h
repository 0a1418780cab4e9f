#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

struct Substitution {
    int position; // 1-based
    char from;
    char to;
    bool lookAlike; // a character easily mistaken for the other, such as O for 0

    bool operator==(const Substitution&) const = default;
};

// A corrected password: valid at every place, with a matching checksum.
struct Repair {
    std::string password;
    std::vector<Substitution> changes;
};

inline constexpr std::size_t kMaxRepairs = 10;

// The likeliest corrections of a 45-character password that has invalid symbols or a wrong
// checksum, best first: look-alike substitutions before others, one change before two.
// Corrections change at most two characters; a password of another length gets none.
std::vector<Repair> suggestRepairs(std::string_view password, std::size_t maxResults = kMaxRepairs);

} // namespace quandrel
