#pragma once

#include "codec/PasswordCheck.h"

#include <QColor>
#include <QString>

#include <string>
#include <vector>

namespace quandrel {

// A typed or pasted password as the entry dialog judges it, and the texts in which the dialog
// says so. Blanks, dashes and lower case are folded the way the codec reads a password.
class TypedPassword final {
public:
    // A suggested correction, as the password to put in place of the typed one and what it does.
    struct Correction {
        QString password;
        QString shown;   // in groups of four
        QString changes; // the substitutions, look-alikes marked
        QString effect;  // what they change in the game state
    };

    explicit TypedPassword(const QString& typed);

    // As the codec reads it; a character beyond Latin-1 stands as '?', which no place accepts.
    const std::string& password() const { return m_password; }
    bool isEmpty() const { return m_password.empty(); }
    // Every place holds a symbol of its own and the length is right; the checksum may differ.
    bool loadable() const;
    bool checksumMatches() const { return m_check.checksumMatches; }

    // Rich text: groups of four, invalid and surplus characters in `problemColour`.
    QString echo(const QColor& problemColour) const;
    QString problems() const;
    QString checksumNote() const;
    QString lengthNote() const;
    // Why the password cannot be loaded as it is, or what loading it involves.
    QString verdict() const;

    // Corrections, best first, for a password that is not valid, also one a character short or long.
    const std::vector<Correction>& corrections() const { return m_corrections; }
    QString correctionsNote() const;

private:
    std::vector<Correction> findCorrections() const;

    std::vector<QString> m_characters; // after folding, each as typed, for the echo
    std::string m_password;
    PasswordCheck m_check;
    std::vector<Correction> m_corrections;
};

} // namespace quandrel
