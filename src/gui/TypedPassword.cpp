#include "TypedPassword.h"

#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "codec/Repair.h"
#include "codec/RepairEffect.h"

#include <QCoreApplication>
#include <QStringList>

#include <algorithm>

namespace quandrel {

namespace {

constexpr std::size_t kListedProblems = 4;
// The codec reads single bytes; anything beyond Latin-1 becomes a character no place accepts.
constexpr char kForeign = '?';
constexpr std::size_t kFewMissing = 8;

QString tr(const char* text) { return QCoreApplication::translate("TypedPassword", text); }

QString fromStd(const std::string& text) { return QString::fromStdString(text); }

QString inGroups(const QString& password)
{
    QStringList groups;
    for (qsizetype at = 0; at < password.size(); at += kGroupSize) {
        groups << password.mid(at, kGroupSize);
    }
    return groups.join(QLatin1Char(' '));
}

// What a place accepts, in the fewest words: most places take all but a few digits and letters.
QString acceptedAt(std::string_view accepted)
{
    if (accepted == kHexDigits) {
        return tr("a digit 0 to 9 or a letter A to F");
    }
    std::string missing;
    for (const char c : kChecksumAlphabet) {
        if (accepted.find(c) == std::string_view::npos) {
            missing += c;
        }
    }
    if (missing.size() <= kFewMissing) {
        QStringList others;
        for (const char c : missing) {
            others << QString(QLatin1Char(c));
        }
        return tr("any digit or capital letter but %1").arg(others.join(QStringLiteral(", ")));
    }
    std::string sorted(accepted);
    std::sort(sorted.begin(), sorted.end());
    return tr("one of %1").arg(fromStd(sorted));
}

QString describeSubstitutions(const Repair& repair)
{
    QStringList changes;
    for (const Substitution& s : repair.changes) {
        if (s.edit == Edit::Insert) {
            changes << tr("character %1: %2 put back").arg(s.position).arg(QLatin1Char(s.to));
            continue;
        }
        if (s.edit == Edit::Remove) {
            changes << tr("character %1: %2 taken out").arg(s.position).arg(QLatin1Char(s.from));
            continue;
        }
        const QString change =
            tr("character %1: %2 \u2192 %3").arg(s.position).arg(QLatin1Char(s.from)).arg(QLatin1Char(s.to));
        changes << (s.lookAlike ? tr("%1 (look-alike)").arg(change) : change);
    }
    return changes.join(QStringLiteral("; "));
}

QString describeEffect(std::string_view typed, const Repair& repair)
{
    QStringList effects;
    for (const FieldChange& change : repairEffect(typed, repair)) {
        effects
            << (change.before.empty()
                    ? tr("%1 = %2").arg(fromStd(change.name), fromStd(change.after))
                    : tr("%1 %2 \u2192 %3").arg(fromStd(change.name), fromStd(change.before), fromStd(change.after)));
    }
    return effects.isEmpty() ? tr("changes no field") : effects.join(QStringLiteral(", "));
}

} // namespace

TypedPassword::TypedPassword(const QString& typed)
{
    for (const char32_t codePoint : typed.toUcs4()) {
        const char byte = codePoint < 0x100 ? static_cast<char>(codePoint) : kForeign;
        const std::string folded = normalizePassword(std::string(1, byte));
        if (folded.empty()) {
            continue; // a blank or a dash
        }
        m_password += folded;
        m_characters.push_back(codePoint < 0x100 ? QString(QLatin1Char(folded.front()))
                                                 : QString::fromUcs4(&codePoint, 1));
    }
    m_check = checkPassword(m_password);
    m_corrections = findCorrections();
}

bool TypedPassword::loadable() const { return m_check.length == kPasswordLength && m_check.problems.empty(); }

QString TypedPassword::echo(const QColor& problemColour) const
{
    const QString colour = problemColour.name();
    std::vector<bool> invalid(m_characters.size(), false);
    for (const SymbolProblem& problem : m_check.problems) {
        invalid[static_cast<std::size_t>(problem.position - 1)] = true;
    }
    QString html;
    for (std::size_t i = 0; i < m_characters.size(); ++i) {
        if (i > 0 && i % kGroupSize == 0) {
            html += QLatin1Char(' '); // breakable, so that the echo wraps on a narrow screen
        }
        const QString character = m_characters[i].toHtmlEscaped();
        if (i >= static_cast<std::size_t>(kPasswordLength)) {
            html += QStringLiteral("<s style=\"color:%1\">%2</s>").arg(colour, character);
        } else if (invalid[i]) {
            html += QStringLiteral("<u style=\"color:%1; font-weight:bold\">%2</u>").arg(colour, character);
        } else {
            html += character;
        }
    }
    return html;
}

QString TypedPassword::problems() const
{
    QStringList lines;
    for (const SymbolProblem& problem : m_check.problems) {
        if (static_cast<std::size_t>(lines.size()) == kListedProblems) {
            lines << tr("and %1 more characters not valid at their places")
                         .arg(m_check.problems.size() - kListedProblems);
            break;
        }
        const auto at = static_cast<std::size_t>(problem.position - 1);
        lines << tr("Character %1, %2, is not valid there: that place takes %3.")
                     .arg(problem.position)
                     .arg(m_characters[at])
                     .arg(acceptedAt(problem.accepted));
    }
    return lines.join(QLatin1Char('\n'));
}

QString TypedPassword::checksumNote() const
{
    // An invalid character makes any comparison meaningless, and so do extra characters at the
    // end; the notes on those say enough.
    const bool bodyInvalid = std::any_of(m_check.problems.begin(), m_check.problems.end(),
                                         [](const SymbolProblem& problem) { return problem.position <= kBodyLength; });
    if (m_check.expectedChecksum.empty() || bodyInvalid || m_check.length > static_cast<std::size_t>(kPasswordLength)) {
        return {};
    }
    const QString expected = fromStd(m_check.expectedChecksum);
    if (m_check.length < static_cast<std::size_t>(kPasswordLength)) {
        return tr("The checksum of these characters is %1.").arg(expected);
    }
    if (m_check.checksumMatches) {
        return tr("Checksum %1 matches.").arg(expected);
    }
    return tr("Checksum %1 does not match: the characters before it give %2.")
        .arg(fromStd(m_password.substr(kBodyLength)), expected);
}

QString TypedPassword::lengthNote() const
{
    const auto length = static_cast<int>(m_check.length);
    if (length == 0 || length == kPasswordLength) {
        return {};
    }
    if (length < kPasswordLength) {
        return tr("%1 of %2 characters").arg(length).arg(kPasswordLength);
    }
    return tr("%1 characters: %2 more than a password has").arg(length).arg(length - kPasswordLength);
}

QString TypedPassword::verdict() const
{
    if (isEmpty()) {
        return tr("Type or paste a password.");
    }
    QStringList reasons;
    const std::size_t invalid = m_check.problems.size();
    if (invalid == 1) {
        reasons << tr("a character is not valid at its place");
    } else if (invalid > 1) {
        reasons << tr("%1 characters are not valid at their places").arg(invalid);
    }
    if (m_check.length != static_cast<std::size_t>(kPasswordLength)) {
        reasons << tr("it has %1 characters, not %2").arg(m_check.length).arg(kPasswordLength);
    }
    if (!reasons.isEmpty()) {
        return tr("Cannot load: %1.").arg(reasons.join(tr(", and ")));
    }
    if (!m_check.checksumMatches) {
        return tr("The checksum does not match: Load asks before it loads this password.");
    }
    return tr("A valid password: Load shows it in the window.");
}

std::vector<TypedPassword::Correction> TypedPassword::findCorrections() const
{
    std::vector<Correction> corrections;
    if (m_check.valid()) {
        return corrections;
    }
    for (const Repair& repair : suggestRepairs(m_password)) {
        const QString password = fromStd(repair.password);
        corrections.push_back(
            {password, inGroups(password), describeSubstitutions(repair), describeEffect(m_password, repair)});
    }
    return corrections;
}

QString TypedPassword::correctionsNote() const
{
    if (m_check.valid()) {
        return {};
    }
    if (!m_corrections.empty()) {
        return tr("Likely corrections, best first; choose one to put it in the box:");
    }
    // A password still being typed is no failed search.
    if (m_check.length != static_cast<std::size_t>(kPasswordLength)) {
        return {};
    }
    return tr("No change of one or two characters makes this a valid password.");
}

} // namespace quandrel
