#pragma once

#include "Alphabets.h"
#include "Password.h"
#include "Sections.h"

#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

// A character that is not a symbol at its place.
struct SymbolProblem {
    int position; // 1-based
    char character;
    std::string_view accepted; // the alphabet of that place, or the hex digits for the checksum

    bool operator==(const SymbolProblem&) const = default;
};

// What is wrong with a typed password, if anything.
struct PasswordCheck {
    std::size_t length = 0;
    std::vector<SymbolProblem> problems;
    std::string expectedChecksum; // of the body, when it has all 43 characters
    bool checksumMatches = false;

    bool valid() const { return length == 45 && problems.empty() && checksumMatches; }
};

// The characters that may stand at place k (1 to 45): the alphabet of its position in group in
// the body, the hex digits in the checksum.
std::string_view acceptedAt(int k);

inline bool isValidAt(char c, int k)
{
    return k <= kBodyLength ? symbolValue(c, positionInGroup(k)) >= 0
                            : checksumWeight(c) >= 1 && checksumWeight(c) <= 16;
}

// Blanks, dashes and line breaks that players put between groups; reading a password drops them.
inline bool isGroupingCharacter(char c) { return c == ' ' || c == '\t' || c == '-' || c == '\r' || c == '\n'; }

// A typed character as the codec reads it: lower-case letters raised, since no symbol is lower case.
inline char raisedSymbol(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

// A typed or pasted password as the codec reads it: blanks and dashes (grouping) removed and
// lower-case letters raised, since no symbol is lower case.
std::string normalizePassword(std::string_view typed);

PasswordCheck checkPassword(std::string_view password);

} // namespace quandrel
