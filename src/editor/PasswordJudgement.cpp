#include "PasswordJudgement.h"

#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "codec/Repair.h"
#include "codec/RepairEffect.h"

#include <algorithm>
#include <array>

namespace quandrel {

namespace {

constexpr std::size_t kListedProblems = 4;
// The codec reads single bytes; anything beyond Latin-1 becomes a character no place accepts.
constexpr char kForeign = '?';
constexpr char32_t kReplacement = 0xFFFD;
constexpr std::size_t kFewMissing = 8;

// The code points of UTF-8 text; a byte that starts no well-formed sequence stands as U+FFFD.
std::vector<char32_t> codePoints(std::string_view text)
{
    static constexpr std::array<char32_t, 5> kSmallest = {0, 0, 0x80, 0x800, 0x10000};
    std::vector<char32_t> points;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto lead = static_cast<unsigned char>(text[at]);
        const std::size_t length = lead < 0x80           ? 1
                                   : (lead >> 5) == 0x6  ? 2
                                   : (lead >> 4) == 0xE  ? 3
                                   : (lead >> 3) == 0x1E ? 4
                                                         : 0;
        char32_t point = length == 1 ? lead : lead & (0x7Fu >> length);
        bool wellFormed = length > 0 && at + length <= text.size();
        for (std::size_t i = 1; wellFormed && i < length; ++i) {
            const auto next = static_cast<unsigned char>(text[at + i]);
            wellFormed = (next & 0xC0) == 0x80;
            point = (point << 6) | (next & 0x3Fu);
        }
        wellFormed =
            wellFormed && point >= kSmallest[length] && point <= 0x10FFFF && (point < 0xD800 || point > 0xDFFF);
        points.push_back(wellFormed ? point : kReplacement);
        at += wellFormed ? length : 1;
    }
    return points;
}

std::string utf8(char32_t point)
{
    std::string text;
    if (point < 0x80) {
        text += static_cast<char>(point);
    } else if (point < 0x800) {
        text += static_cast<char>(0xC0 | (point >> 6));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        text += static_cast<char>(0xE0 | (point >> 12));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (point >> 18));
        text += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (point & 0x3F));
    }
    return text;
}

// A byte of the password as the user sees it: the codec's bytes are Latin-1.
std::string shown(char byte) { return utf8(static_cast<unsigned char>(byte)); }

std::string joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string text;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        text += (i > 0 ? std::string(separator) : std::string()) + parts[i];
    }
    return text;
}

std::string inGroups(std::string_view password)
{
    std::vector<std::string> groups;
    for (std::size_t at = 0; at < password.size(); at += kGroupSize) {
        groups.emplace_back(password.substr(at, kGroupSize));
    }
    return joined(groups, " ");
}

// What a place accepts, in the fewest words: most places take all but a few digits and letters.
std::string placeTakes(std::string_view accepted)
{
    if (accepted == kHexDigits) {
        return "a digit 0 to 9 or a letter A to F";
    }
    std::vector<std::string> missing;
    for (const char c : kChecksumAlphabet) {
        if (accepted.find(c) == std::string_view::npos) {
            missing.emplace_back(1, c);
        }
    }
    if (missing.size() <= kFewMissing) {
        return "any digit or capital letter but " + joined(missing, ", ");
    }
    std::string sorted(accepted);
    std::sort(sorted.begin(), sorted.end());
    return "one of " + sorted;
}

std::string describeSubstitutions(const Repair& repair)
{
    std::vector<std::string> changes;
    for (const Substitution& s : repair.changes) {
        const std::string place = "character " + std::to_string(s.position) + ": ";
        if (s.edit == Edit::Insert) {
            changes.push_back(place + shown(s.to) + " put back");
        } else if (s.edit == Edit::Remove) {
            changes.push_back(place + shown(s.from) + " taken out");
        } else {
            const std::string change = place + shown(s.from) + " \u2192 " + shown(s.to);
            changes.push_back(s.lookAlike ? change + " (look-alike)" : change);
        }
    }
    return joined(changes, "; ");
}

std::string describeEffect(std::string_view typed, const Repair& repair)
{
    std::vector<std::string> effects;
    for (const FieldChange& change : repairEffect(typed, repair)) {
        effects.push_back(change.before.empty() ? change.name + " = " + change.after
                                                : change.name + " " + change.before + " \u2192 " + change.after);
    }
    return effects.empty() ? "changes no field" : joined(effects, ", ");
}

} // namespace

PasswordJudgement::PasswordJudgement(std::string_view typed)
{
    for (const char32_t point : codePoints(typed)) {
        const char byte = point < 0x100 ? static_cast<char>(point) : kForeign;
        const std::string folded = normalizePassword(std::string_view(&byte, 1));
        if (folded.empty()) {
            continue; // a blank or a dash
        }
        m_password += folded;
        m_characters.push_back(point < 0x100 ? shown(folded.front()) : utf8(point));
    }
    m_check = checkPassword(m_password);
    m_corrections = findCorrections();
}

bool PasswordJudgement::loadable() const { return m_check.length == kPasswordLength && m_check.problems.empty(); }

std::vector<PasswordJudgement::Group> PasswordJudgement::groups() const
{
    std::vector<bool> invalid(m_characters.size(), false);
    for (const SymbolProblem& problem : m_check.problems) {
        invalid[static_cast<std::size_t>(problem.position - 1)] = true;
    }
    std::vector<Group> groups;
    for (std::size_t i = 0; i < m_characters.size(); ++i) {
        if (i % kGroupSize == 0) {
            groups.emplace_back();
        }
        const Mark mark = i >= static_cast<std::size_t>(kPasswordLength) ? Mark::Surplus
                          : invalid[i]                                   ? Mark::Invalid
                                                                         : Mark::None;
        groups.back().push_back({m_characters[i], mark});
    }
    return groups;
}

std::vector<int> PasswordJudgement::problemPlaces() const
{
    std::vector<int> places;
    for (const SymbolProblem& problem : m_check.problems) {
        places.push_back(problem.position);
    }
    return places;
}

std::vector<std::string> PasswordJudgement::problems() const
{
    std::vector<std::string> lines;
    for (const SymbolProblem& problem : m_check.problems) {
        if (lines.size() == kListedProblems) {
            lines.push_back("and " + std::to_string(m_check.problems.size() - kListedProblems) +
                            " more characters not valid at their places");
            break;
        }
        const auto at = static_cast<std::size_t>(problem.position - 1);
        lines.push_back("Character " + std::to_string(problem.position) + ", " + m_characters[at] +
                        ", is not valid there: that place takes " + placeTakes(problem.accepted) + ".");
    }
    return lines;
}

std::string PasswordJudgement::checksumNote() const
{
    // An invalid character makes any comparison meaningless, and so do extra characters at the
    // end; the notes on those say enough.
    const bool bodyInvalid = std::any_of(m_check.problems.begin(), m_check.problems.end(),
                                         [](const SymbolProblem& problem) { return problem.position <= kBodyLength; });
    if (m_check.expectedChecksum.empty() || bodyInvalid || m_check.length > static_cast<std::size_t>(kPasswordLength)) {
        return {};
    }
    const std::string& expected = m_check.expectedChecksum;
    if (m_check.length < static_cast<std::size_t>(kPasswordLength)) {
        return "The checksum of these characters is " + expected + ".";
    }
    if (m_check.checksumMatches) {
        return "Checksum " + expected + " matches.";
    }
    return "Checksum " + m_password.substr(kBodyLength) + " does not match: the characters before it give " + expected +
           ".";
}

std::string PasswordJudgement::lengthNote() const
{
    const auto length = static_cast<int>(m_check.length);
    if (length == 0 || length == kPasswordLength) {
        return {};
    }
    if (length < kPasswordLength) {
        return std::to_string(length) + " of " + std::to_string(kPasswordLength) + " characters";
    }
    return std::to_string(length) + " characters: " + std::to_string(length - kPasswordLength) +
           " more than a password has";
}

std::string PasswordJudgement::verdict() const
{
    if (isEmpty()) {
        return "Type or paste a password.";
    }
    std::vector<std::string> reasons;
    const std::size_t invalid = m_check.problems.size();
    if (invalid == 1) {
        reasons.emplace_back("a character is not valid at its place");
    } else if (invalid > 1) {
        reasons.push_back(std::to_string(invalid) + " characters are not valid at their places");
    }
    if (m_check.length != static_cast<std::size_t>(kPasswordLength)) {
        reasons.push_back("it has " + std::to_string(m_check.length) + " characters, not " +
                          std::to_string(kPasswordLength));
    }
    if (!reasons.empty()) {
        return "Cannot load: " + joined(reasons, ", and ") + ".";
    }
    if (!m_check.checksumMatches) {
        return "The checksum does not match: Load asks before it loads this password.";
    }
    return "A valid password: Load shows it in the window.";
}

std::string PasswordJudgement::checksumQuestion() const
{
    return checksumNote() + "\nLoad the password anyway? The window then shows it with its own checksum.";
}

std::vector<PasswordJudgement::Correction> PasswordJudgement::findCorrections() const
{
    std::vector<Correction> corrections;
    if (m_check.valid()) {
        return corrections;
    }
    for (const Repair& repair : suggestRepairs(m_password)) {
        corrections.push_back({repair.password, inGroups(repair.password), describeSubstitutions(repair),
                               describeEffect(m_password, repair)});
    }
    return corrections;
}

std::string PasswordJudgement::correctionsNote() const
{
    if (m_check.valid()) {
        return {};
    }
    if (!m_corrections.empty()) {
        return "Likely corrections, best first; choose one to put it in the box:";
    }
    // A password still being typed is no failed search.
    if (m_check.length != static_cast<std::size_t>(kPasswordLength)) {
        return {};
    }
    return "No change of one or two characters makes this a valid password.";
}

} // namespace quandrel
