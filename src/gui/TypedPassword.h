#pragma once

#include "editor/PasswordJudgement.h"

#include <QColor>
#include <QString>

#include <string>
#include <vector>

namespace quandrel {

// The entry dialog's judgement of a typed or pasted password, in Qt's terms: the texts as
// QStrings and the echo as rich text.
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

    const std::string& password() const { return m_judgement.password(); }
    bool isEmpty() const { return m_judgement.isEmpty(); }
    bool loadable() const { return m_judgement.loadable(); }
    bool checksumMatches() const { return m_judgement.checksumMatches(); }

    // Rich text: groups of four, invalid and surplus characters in `problemColour`.
    QString echo(const QColor& problemColour) const;
    QString problems() const;
    QString checksumNote() const;
    QString lengthNote() const;
    QString verdict() const;
    QString checksumQuestion() const;

    const std::vector<Correction>& corrections() const { return m_corrections; }
    QString correctionsNote() const;

private:
    PasswordJudgement m_judgement;
    std::vector<Correction> m_corrections;
};

} // namespace quandrel
