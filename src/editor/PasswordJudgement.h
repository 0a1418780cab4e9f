#pragma once

#include "codec/PasswordCheck.h"

#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

// A typed or pasted password as the entry dialog judges it, and the sentences in which the
// dialog says so; both windows, the desktop's and the page's, only draw what this decides.
// Blanks, dashes and lower case are folded the way the codec reads a password. Texts are UTF-8.
class PasswordJudgement final {
public:
    enum class Mark : char {
        None,
        Invalid, // not a symbol at its place
        Surplus, // beyond the password's length
    };

    // A character as read, in the form the user typed it, for the echo.
    struct ShownCharacter {
        std::string text;
        Mark mark = Mark::None;

        bool operator==(const ShownCharacter&) const = default;
    };
    using Group = std::vector<ShownCharacter>;

    // A suggested correction, as the password to put in place of the typed one and what it does.
    struct Correction {
        std::string password;
        std::string shown;   // in groups of four
        std::string changes; // the substitutions, look-alikes marked
        std::string effect;  // what they change in the game state
    };

    // `typed` in UTF-8; a character beyond Latin-1, or a byte that is no UTF-8, stands as '?',
    // which no place accepts.
    explicit PasswordJudgement(std::string_view typed);

    // As the codec reads it.
    const std::string& password() const { return m_password; }
    bool isEmpty() const { return m_password.empty(); }
    // Every place holds a symbol of its own and the length is right; the checksum may differ.
    bool loadable() const;
    bool checksumMatches() const { return m_check.checksumMatches; }
    bool valid() const { return m_check.valid(); }

    // The characters in groups of four, each marked when it is a problem.
    std::vector<Group> groups() const;
    // The places (from 1) whose characters are not valid there.
    std::vector<int> problemPlaces() const;

    // One sentence a line on the characters not valid at their places, the first few by name.
    std::vector<std::string> problems() const;
    std::string checksumNote() const;
    std::string lengthNote() const;
    // Why the password cannot be loaded as it is, or what loading it involves.
    std::string verdict() const;
    // What the dialog asks before it loads a password whose checksum does not match.
    std::string checksumQuestion() const;

    // Corrections, best first, for a password that is not valid, also one a character short or long.
    const std::vector<Correction>& corrections() const { return m_corrections; }
    std::string correctionsNote() const;

private:
    std::vector<Correction> findCorrections() const;

    std::vector<std::string> m_characters; // after folding, each as typed, for the echo
    std::string m_password;
    PasswordCheck m_check;
    std::vector<Correction> m_corrections;
};

} // namespace quandrel
