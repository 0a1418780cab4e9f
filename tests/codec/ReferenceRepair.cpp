#include "ReferenceRepair.h"

#include "codec/Alphabets.h"
#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "codec/Sections.h"

#include <algorithm>
#include <array>
#include <tuple>
#include <unordered_set>

// The search for corrections as it stood before it was made fast: every pair of changes
// tried, every match built and sorted. The reference that the fast search must agree with.

namespace quandrel::reference {

namespace {

constexpr std::array<std::string_view, 7> kLookAlikes = {"0ODQ", "1IL", "8B", "5S", "2Z", "6G", "UV"};

// The characters that look like c, c itself left out.
std::string lookAlikesOf(char c)
{
    std::string others;
    for (const auto group : kLookAlikes) {
        if (group.find(c) != std::string_view::npos) {
            std::copy_if(group.begin(), group.end(), std::back_inserter(others), [c](char o) { return o != c; });
        }
    }
    return others;
}

bool looksAlike(char a, char b)
{
    return std::any_of(kLookAlikes.begin(), kLookAlikes.end(), [a, b](std::string_view group) {
        return group.find(a) != std::string_view::npos && group.find(b) != std::string_view::npos;
    });
}

int weightOf(char c)
{
    const auto found = kChecksumAlphabet.find(c);
    return found == std::string_view::npos ? 0 : static_cast<int>(found) + 1;
}

struct Option {
    char to;
    int weightChange; // to the body's checksum sum
    bool lookAlike;
};

// Every character that may stand at a place instead of the one there.
std::vector<Option> optionsAt(std::string_view password, int k)
{
    const char from = password[static_cast<std::size_t>(k - 1)];
    std::vector<Option> options;
    for (const char to : acceptedAt(k)) {
        if (to != from) {
            options.push_back({to, k <= kBodyLength ? weightOf(to) - weightOf(from) : 0, looksAlike(from, to)});
        }
    }
    return options;
}

// A full body sums to at least 43, so its checksum is always its sum's low byte.
bool checksumMatches(int bodySum, char high, char low)
{
    return high == kHexDigits[static_cast<std::size_t>((bodySum >> 4) & 0xF)] &&
           low == kHexDigits[static_cast<std::size_t>(bodySum & 0xF)];
}

// A password that this program writes for some state: decoded and encoded again, it comes back
// unchanged. A slip seldom keeps every unused bit clear and every code in its table.
bool isWrittenByEncoder(const std::string& password)
{
    return encodePassword(applyDecoded(decodeSlotText(password), GameState{})) == password;
}

class RepairSearch final {
public:
    explicit RepairSearch(std::string_view password) : m_password(password)
    {
        for (int k = 1; k <= kBodyLength; ++k) {
            m_bodySum += weightOf(password[static_cast<std::size_t>(k - 1)]);
        }
        for (int k = 1; k <= kPasswordLength; ++k) {
            if (!isValidAt(password[static_cast<std::size_t>(k - 1)], k)) {
                m_invalid.push_back(k);
            }
            m_options[static_cast<std::size_t>(k)] = optionsAt(password, k);
        }
    }

    std::vector<Repair> run()
    {
        if (m_invalid.size() <= 1) {
            for (int k = 1; k <= kPasswordLength; ++k) {
                if (m_invalid.empty() || m_invalid[0] == k) {
                    for (const Option& option : m_options[static_cast<std::size_t>(k)]) {
                        consider({{k, option}});
                    }
                }
            }
        }
        for (int k1 = 1; k1 <= kPasswordLength; ++k1) {
            for (int k2 = k1 + 1; k2 <= kPasswordLength; ++k2) {
                if (std::all_of(m_invalid.begin(), m_invalid.end(), [=](int k) { return k == k1 || k == k2; })) {
                    searchPair(k1, k2);
                }
            }
        }
        return std::move(m_found);
    }

private:
    using Change = std::pair<int, Option>;

    void searchPair(int k1, int k2)
    {
        for (const Option& first : m_options[static_cast<std::size_t>(k1)]) {
            for (const Option& second : m_options[static_cast<std::size_t>(k2)]) {
                consider({{k1, first}, {k2, second}});
            }
        }
    }

    void consider(std::initializer_list<Change> changes)
    {
        int sum = m_bodySum;
        char high = m_password[kBodyLength];
        char low = m_password[kBodyLength + 1];
        for (const auto& [k, option] : changes) {
            sum += option.weightChange;
            if (k == kBodyLength + 1) {
                high = option.to;
            } else if (k == kBodyLength + 2) {
                low = option.to;
            }
        }
        if (!checksumMatches(sum, high, low)) {
            return;
        }
        Repair repair{std::string(m_password), {}};
        for (const auto& [k, option] : changes) {
            const auto at = static_cast<std::size_t>(k - 1);
            repair.changes.push_back({k, m_password[at], option.to, option.lookAlike});
            repair.password[at] = option.to;
        }
        m_found.push_back(std::move(repair));
    }

    std::string_view m_password;
    int m_bodySum = 0;
    std::vector<int> m_invalid;
    std::array<std::vector<Option>, kPasswordLength + 1> m_options;
    std::vector<Repair> m_found;
};

// A password one character short or long: each character put back or taken out at each place,
// alone or with one look-alike substitution elsewhere.
class LengthRepairSearch final {
public:
    explicit LengthRepairSearch(std::string_view typed) : m_typed(typed) {}

    std::vector<Repair> run()
    {
        const std::size_t length = m_typed.size();
        for (int k = 1; k <= kPasswordLength + (length > static_cast<std::size_t>(kPasswordLength) ? 1 : 0); ++k) {
            const auto at = static_cast<std::size_t>(k - 1);
            std::string candidate(m_typed);
            if (length < static_cast<std::size_t>(kPasswordLength)) {
                for (const char c : k <= kBodyLength ? alphabetAt(positionInGroup(k)) : kHexDigits) {
                    // Put back right after a like character, it gives the text it gives before that one.
                    if (at > 0 && m_typed[at - 1] == c) {
                        continue;
                    }
                    candidate.insert(at, 1, c);
                    withLookAlikes(candidate, {k, '\0', c, false, Edit::Insert});
                    candidate.erase(at, 1);
                }
            } else if (at == 0 || m_typed[at - 1] != m_typed[at]) { // either of two like characters, once
                candidate.erase(at, 1);
                withLookAlikes(candidate, {k, m_typed[at], '\0', false, Edit::Remove});
            }
        }
        return std::move(m_found);
    }

private:
    // The candidate as it stands, and with one look-alike substitution at each place. Its
    // invalid places and body sum are counted once; a substitution only changes them at its place.
    void withLookAlikes(std::string& candidate, const Substitution& edit)
    {
        int invalid = 0;
        int sum = 0;
        for (int k = 1; k <= kPasswordLength; ++k) {
            const char c = candidate[static_cast<std::size_t>(k - 1)];
            invalid += isValidAt(c, k) ? 0 : 1;
            sum += k <= kBodyLength ? weightOf(c) : 0;
        }
        if (invalid == 0 && checksumMatches(sum, candidate[kBodyLength], candidate[kBodyLength + 1])) {
            m_found.push_back({candidate, {edit}});
        }
        if (invalid > 1) {
            return; // one substitution cannot mend two places
        }
        for (int j = 1; j <= kPasswordLength; ++j) {
            if (edit.edit == Edit::Insert && j == edit.position) {
                continue; // the character put back is no slip of its own
            }
            const auto at = static_cast<std::size_t>(j - 1);
            const char original = candidate[at];
            if (invalid == 1 && isValidAt(original, j)) {
                continue; // the invalid place is elsewhere
            }
            for (const char other : lookAlikesOf(original)) {
                if (!isValidAt(other, j)) {
                    continue;
                }
                candidate[at] = other;
                const int changedSum = j <= kBodyLength ? sum + weightOf(other) - weightOf(original) : sum;
                if (checksumMatches(changedSum, candidate[kBodyLength], candidate[kBodyLength + 1])) {
                    // The slip's place in the typed text, which the put-back or taken-out character shifts.
                    const int typedPosition = j < edit.position ? j : edit.edit == Edit::Insert ? j - 1 : j + 1;
                    const Substitution slip{typedPosition, original, other, true};
                    m_found.push_back(
                        {candidate, typedPosition < edit.position ? std::vector{slip, edit} : std::vector{edit, slip}});
                }
                candidate[at] = original;
            }
        }
    }

    std::string_view m_typed;
    std::vector<Repair> m_found;
};

// Keys that touch on a keyboard whose rows are each set half a key right of the one above.
bool keyboardNeighbours(char a, char b)
{
    const std::array<std::string_view, 4> rows = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};
    const auto where = [&rows](char c) {
        for (std::size_t r = 0; r < rows.size(); ++r) {
            const auto column = rows[r].find(c);
            if (column != std::string_view::npos) {
                return std::pair{static_cast<int>(r), static_cast<int>(column)};
            }
        }
        return std::pair{-9, -9};
    };
    const auto [rowA, columnA] = where(a);
    const auto [rowB, columnB] = where(b);
    if (rowA < 0 || rowB < 0) {
        return false;
    }
    if (rowA == rowB) {
        return columnA - columnB == 1 || columnB - columnA == 1;
    }
    // The lower key of the two touches the one above it and the one above to its right.
    const auto [upper, lower] = rowA < rowB ? std::pair{columnA, columnB} : std::pair{columnB, columnA};
    return (rowA - rowB == 1 || rowB - rowA == 1) && (upper == lower || upper == lower + 1);
}

// Fewer changes, fewer that are not look-alikes, fewer of those in the body (a character put
// back or taken out counts as one), fewer that are neither look-alikes nor keyboard neighbours.
std::tuple<std::size_t, long, long, long> rank(const Repair& repair)
{
    const long others =
        std::count_if(repair.changes.begin(), repair.changes.end(), [](const Substitution& s) { return !s.lookAlike; });
    const long othersInBody = std::count_if(repair.changes.begin(), repair.changes.end(), [](const Substitution& s) {
        return !s.lookAlike && (s.edit != Edit::Replace || s.position <= kBodyLength);
    });
    const long strangers = std::count_if(repair.changes.begin(), repair.changes.end(), [](const Substitution& s) {
        return !s.lookAlike && !(s.edit == Edit::Replace && keyboardNeighbours(s.from, s.to));
    });
    return {repair.changes.size(), others, othersInBody, strangers};
}

// The best `maxResults` corrections, each password once: those the encoder writes by rank,
// then the others by rank, the first found among equals.
std::vector<Repair> bestOf(std::vector<Repair> found, std::size_t maxResults)
{
    std::stable_sort(found.begin(), found.end(), [](const Repair& a, const Repair& b) { return rank(a) < rank(b); });
    std::vector<Repair> best;
    std::unordered_set<std::string> seen;
    for (const bool written : {true, false}) {
        for (const Repair& repair : found) {
            if (best.size() < maxResults && !seen.contains(repair.password) &&
                isWrittenByEncoder(repair.password) == written) {
                seen.insert(repair.password);
                best.push_back(repair);
            }
        }
    }
    return best;
}

} // namespace

std::vector<Repair> suggestRepairs(std::string_view password, std::size_t maxResults)
{
    const auto length = static_cast<int>(password.size());
    if (length == kPasswordLength) {
        return bestOf(RepairSearch(password).run(), maxResults);
    }
    if (length == kPasswordLength - 1 || length == kPasswordLength + 1) {
        return bestOf(LengthRepairSearch(password).run(), maxResults);
    }
    return {};
}

} // namespace quandrel::reference
