#include "TypedPassword.h"

#include <QStringList>

namespace quandrel {

namespace {

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

} // namespace

TypedPassword::TypedPassword(const QString& typed) : m_judgement(typed.toStdString())
{
    for (const PasswordJudgement::Correction& c : m_judgement.corrections()) {
        m_corrections.push_back({fromStd(c.password), fromStd(c.shown), fromStd(c.changes), fromStd(c.effect)});
    }
}

QString TypedPassword::echo(const QColor& problemColour) const
{
    const QString colour = problemColour.name();
    QStringList groups;
    for (const PasswordJudgement::Group& group : m_judgement.groups()) {
        QString html;
        for (const PasswordJudgement::ShownCharacter& shown : group) {
            const QString character = fromStd(shown.text).toHtmlEscaped();
            switch (shown.mark) {
            case PasswordJudgement::Mark::Surplus:
                html += QStringLiteral("<s style=\"color:%1\">%2</s>").arg(colour, character);
                break;
            case PasswordJudgement::Mark::Invalid:
                html += QStringLiteral("<u style=\"color:%1; font-weight:bold\">%2</u>").arg(colour, character);
                break;
            case PasswordJudgement::Mark::None:
                html += character;
                break;
            }
        }
        groups << html;
    }
    return groups.join(QLatin1Char(' ')); // breakable, so that the echo wraps on a narrow screen
}

QString TypedPassword::problems() const
{
    QStringList lines;
    for (const std::string& line : m_judgement.problems()) {
        lines << fromStd(line);
    }
    return lines.join(QLatin1Char('\n'));
}

QString TypedPassword::checksumNote() const { return fromStd(m_judgement.checksumNote()); }

QString TypedPassword::lengthNote() const { return fromStd(m_judgement.lengthNote()); }

QString TypedPassword::verdict() const { return fromStd(m_judgement.verdict()); }

QString TypedPassword::checksumQuestion() const { return fromStd(m_judgement.checksumQuestion()); }

QString TypedPassword::correctionsNote() const { return fromStd(m_judgement.correctionsNote()); }

} // namespace quandrel
