#include "Repair.h"

#include "Alphabets.h"
#include "Decoder.h"
#include "Password.h"
#include "PasswordCheck.h"
#include "Sections.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <optional>
#include <set>

namespace quandrel {

namespace {

constexpr std::array<std::string_view, 7> kLookAlikes = {"0ODQ", "1IL", "8B", "5S", "2Z", "6G", "UV"};

// The characters that look like c, c itself left out, for every byte.
using LookAlikeTable = std::array<std::array<char, 4>, 256>;

constexpr LookAlikeTable makeLookAlikes()
{
    LookAlikeTable table{};
    for (const auto group : kLookAlikes) {
        for (const char c : group) {
            std::size_t n = 0;
            for (const char o : group) {
                if (o != c) {
                    table[static_cast<unsigned char>(c)][n++] = o;
                }
            }
        }
    }
    return table;
}

constexpr LookAlikeTable kLookAlikesOf = makeLookAlikes();

std::string_view lookAlikesOf(char c)
{
    const auto& others = kLookAlikesOf[static_cast<unsigned char>(c)];
    return {others.data(), static_cast<std::size_t>(std::find(others.begin(), others.end(), '\0') - others.begin())};
}

// Keys that touch on a keyboard laid out in rows of digits and of Latin letters, each row set
// half a key to the right of the one above.
constexpr std::array<std::string_view, 4> kKeyRows = {"1234567890", "QWERTYUIOP", "ASDFGHJKL", "ZXCVBNM"};

constexpr std::array<std::array<bool, 128>, 128> makeKeyboardNeighbours()
{
    std::array<std::array<bool, 128>, 128> table{};
    const auto touch = [&table](char a, char b) {
        table[static_cast<std::size_t>(a)][static_cast<std::size_t>(b)] = true;
        table[static_cast<std::size_t>(b)][static_cast<std::size_t>(a)] = true;
    };
    for (std::size_t r = 0; r < kKeyRows.size(); ++r) {
        const std::string_view row = kKeyRows[r];
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c + 1 < row.size()) {
                touch(row[c], row[c + 1]);
            }
            if (r + 1 < kKeyRows.size()) {
                const std::string_view below = kKeyRows[r + 1];
                if (c < below.size()) {
                    touch(row[c], below[c]);
                }
                if (c > 0 && c - 1 < below.size()) {
                    touch(row[c], below[c - 1]);
                }
            }
        }
    }
    return table;
}

constexpr auto kKeyboardNeighbours = makeKeyboardNeighbours();

bool keyboardNeighbours(char a, char b)
{
    const auto ua = static_cast<unsigned char>(a);
    const auto ub = static_cast<unsigned char>(b);
    return ua < 128 && ub < 128 && kKeyboardNeighbours[ua][ub];
}

int hexValue(char c) { return isValidAt(c, kPasswordLength) ? checksumWeight(c) - 1 : -1; }

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
            options.push_back(
                {to, k <= kBodyLength ? checksumWeight(to) - checksumWeight(from) : 0, looksAlike(from, to)});
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

using PasswordText = std::array<char, kPasswordLength>;

PasswordText textOf(std::string_view password)
{
    PasswordText text{};
    std::copy_n(password.begin(), kPasswordLength, text.begin());
    return text;
}

std::string_view viewOf(const PasswordText& text) { return {text.data(), text.size()}; }

// The body places (bit k - 1 for place k) that this program would write differently after
// reading the text; characters that are no symbol at their place read as that place's zero.
// Each field lies within two neighbouring characters and is rewritten on its own, so a
// correction can only give a text the encoder writes if it changes a character next to or at
// each of these places.
std::uint64_t rewrittenPlaces(PasswordText text)
{
    for (int k = 1; k <= kBodyLength; ++k) {
        auto& c = text[static_cast<std::size_t>(k - 1)];
        c = isValidAt(c, k) ? c : symbolFor(0, positionInGroup(k));
    }
    PasswordText again{};
    writePassword(applyDecoded(decodeSlotText(viewOf(text)), GameState{}), again);
    std::uint64_t places = 0;
    for (std::size_t i = 0; i < static_cast<std::size_t>(kBodyLength); ++i) {
        places |= text[i] != again[i] ? std::uint64_t{1} << i : 0;
    }
    return places;
}

// The body places at and next to place k, as bits like those of rewrittenPlaces.
std::uint64_t placesAround(int k) { return (std::uint64_t{0b111} << k) >> 2; }

// A password that this program writes for some state: decoded and encoded again, it comes back
// unchanged. A slip seldom keeps every unused bit clear and every code in its table.
bool isWrittenByEncoder(const PasswordText& password)
{
    PasswordText again{};
    writePassword(applyDecoded(decodeSlotText(viewOf(password)), GameState{}), again);
    return again == password;
}

// How a correction ranks. A password the encoder writes first: every true password is one.
// Then fewer changed characters, then fewer that are not look-alikes, then fewer of those in
// the body (a checksum digit replaced leaves every field as typed; as likely a slip as any,
// it is one of 15 digits at its place where a body place has 31 symbols), then fewer changes
// that are neither look-alikes nor keyboard neighbours; among equals, the order found.
struct RepairRank {
    bool notWritten;
    int changes;
    int others;
    int othersInBody;
    int strangers;
    long order;

    auto operator<=>(const RepairRank&) const = default;
};

// The best rank of a pair of changes that the encoder does not write.
constexpr RepairRank kBestUnwrittenPair{true, 2, 0, 0, 0, 0};

// A correction found: its password and its one or two changes.
struct Candidate {
    PasswordText password;
    std::array<Substitution, 2> changes;
    int changeCount;
};

// A character put back or taken out counts as a change of the body wherever it is, since such
// a slip is as likely at any place.
bool changesBody(const Substitution& change) { return change.edit != Edit::Replace || change.position <= kBodyLength; }

RepairRank rankOf(const Candidate& candidate, long order)
{
    RepairRank rank{false, candidate.changeCount, 0, 0, 0, order};
    for (int i = 0; i < candidate.changeCount; ++i) {
        const Substitution& change = candidate.changes[static_cast<std::size_t>(i)];
        rank.others += change.lookAlike ? 0 : 1;
        rank.othersInBody += !change.lookAlike && changesBody(change) ? 1 : 0;
        rank.strangers +=
            change.lookAlike || (change.edit == Edit::Replace && keyboardNeighbours(change.from, change.to)) ? 0 : 1;
    }
    return rank;
}

// Whether two candidates of a search may give the same password: distinct substitutions never
// do, but a character put back at one place can give what it gives at the next.
enum class Repeats { Impossible, Possible };

// The best corrections found so far, each password once, sorted by rank. Only candidates that
// could still be kept are checked against the encoder, and only the kept ones become Repairs.
class BestRepairs final {
public:
    BestRepairs(std::size_t maxResults, Repeats repeats) : m_maxResults(maxResults), m_repeats(repeats) {}

    // Offers the candidate found next; `written` says, when asked, whether the encoder writes it.
    template <typename Written> void offer(const Candidate& candidate, Written written)
    {
        // Ranked first as if written, so that only a candidate that could be kept is checked.
        RepairRank rank = rankOf(candidate, m_found++);
        if (turnsAway(rank)) {
            return;
        }
        rank.notWritten = !written();
        const auto same = m_repeats == Repeats::Impossible
                              ? m_kept.end()
                              : std::find_if(m_kept.begin(), m_kept.end(), [&](const Kept& kept) {
                                    return kept.candidate.password == candidate.password;
                                });
        if (same != m_kept.end()) {
            if (!(rank < same->rank)) {
                return;
            }
            m_kept.erase(same);
        }
        m_kept.insert({rank, candidate});
        if (m_kept.size() > m_maxResults) {
            m_kept.erase(std::prev(m_kept.end()));
        }
    }

    // Whether every candidate ranked at `best` or below would be turned away.
    bool turnsAway(const RepairRank& best) const
    {
        return m_maxResults == 0 || (m_kept.size() == m_maxResults && !(best < m_kept.rbegin()->rank));
    }

    std::vector<Repair> repairs() const
    {
        std::vector<Repair> repairs;
        for (const Kept& kept : m_kept) {
            const auto& changes = kept.candidate.changes;
            repairs.push_back({std::string(viewOf(kept.candidate.password)),
                               {changes.begin(), changes.begin() + kept.candidate.changeCount}});
        }
        return repairs;
    }

private:
    struct Kept {
        RepairRank rank;
        Candidate candidate;

        // Ranks are distinct: each holds the order in which its candidate was found.
        bool operator<(const Kept& other) const { return rank < other.rank; }
    };

    std::size_t m_maxResults;
    Repeats m_repeats;
    long m_found = 0;
    // A tree, not a list: asked for every correction, a search keeps thousands.
    std::set<Kept> m_kept;
};

class RepairSearch final {
public:
    RepairSearch(std::string_view password, std::size_t maxResults)
        : m_password(password), m_text(textOf(password)), m_best(maxResults, Repeats::Impossible)
    {
        for (int k = 1; k <= kBodyLength; ++k) {
            m_bodySum += checksumWeight(password[static_cast<std::size_t>(k - 1)]);
        }
        for (int k = 1; k <= kPasswordLength; ++k) {
            if (!isValidAt(password[static_cast<std::size_t>(k - 1)], k)) {
                m_invalid.push_back(k);
            }
            m_options[static_cast<std::size_t>(k)] = optionsAt(password, k);
        }
        m_rewritten = rewrittenPlaces(m_text);
        for (auto& place : m_rewrittenAfter) {
            place.fill(kNotWorkedOut);
        }
    }

    std::vector<Repair> run()
    {
        if (m_invalid.size() <= 1) {
            for (int k = 1; k <= kPasswordLength; ++k) {
                if (m_invalid.empty() || m_invalid[0] == k) {
                    for (const Option& option : m_options[static_cast<std::size_t>(k)]) {
                        if (matches(m_bodySum + option.weightChange, {{k, option.to}})) {
                            keep({{k, option}}, 1, [] { return true; });
                        }
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
        return m_best.repairs();
    }

private:
    using Change = std::pair<int, Option>;

    // For each first change, the checksum leaves at most one character for the second place.
    void searchPair(int k1, int k2)
    {
        const char from2 = m_password[static_cast<std::size_t>(k2 - 1)];
        // Every pair holds the place of a character that is no symbol; worked out there, what one
        // change leaves rewritten serves all the pairs.
        const bool fromSecond = !m_invalid.empty() && m_invalid.back() == k2;
        for (const Option& first : m_options[static_cast<std::size_t>(k1)]) {
            const char to2 = secondCharacter(k1, first, k2);
            if (to2 != '\0' && to2 != from2 && isValidAt(to2, k2)) {
                const Option second{to2, k2 <= kBodyLength ? checksumWeight(to2) - checksumWeight(from2) : 0,
                                    looksAlike(from2, to2)};
                // What one change leaves for the encoder to write differently, only the other can
                // mend. Once no pair the encoder does not write can be kept, such a pair is not
                // even ranked.
                const auto possible = [&] {
                    return fromSecond ? (rewrittenAfter(k2, to2) & ~placesAround(k1)) == 0
                                      : (rewrittenAfter(k1, first.to) & ~placesAround(k2)) == 0;
                };
                const bool nearBoth = (m_rewritten & ~(placesAround(k1) | placesAround(k2))) == 0;
                if (m_best.turnsAway(kBestUnwrittenPair) && !(nearBoth && possible())) {
                    continue;
                }
                keep({{k1, first}, {k2, second}}, 2, possible);
            }
        }
    }

    // The places written differently after one change alone: `to` at place k. Worked out once,
    // the first time a pair of changes with it may be kept.
    std::uint64_t rewrittenAfter(int k, char to)
    {
        std::uint64_t& known =
            m_rewrittenAfter[static_cast<std::size_t>(k)][static_cast<std::size_t>(checksumWeight(to) - 1)];
        if (known == kNotWorkedOut) {
            PasswordText text = m_text;
            text[static_cast<std::size_t>(k - 1)] = to;
            known = rewrittenPlaces(text);
        }
        return known;
    }

    // The character at k2 that makes the checksum match after `first` at k1, or '\0' if none.
    char secondCharacter(int k1, const Option& first, int k2) const
    {
        const int sum = m_bodySum + first.weightChange;
        const char high = k1 == kBodyLength + 1 ? first.to : m_password[kBodyLength];
        const char low = m_password[kBodyLength + 1];
        const char sumHigh = kHexDigits[static_cast<std::size_t>((sum >> 4) & 0xF)];
        const char sumLow = kHexDigits[static_cast<std::size_t>(sum & 0xF)];
        if (k2 == kBodyLength + 1) {
            return low == sumLow ? sumHigh : '\0';
        }
        if (k2 == kBodyLength + 2) {
            return high == sumHigh ? sumLow : '\0';
        }
        const int wanted = hexValue(high) * 16 + hexValue(low);
        if (hexValue(high) < 0 || hexValue(low) < 0) {
            return '\0';
        }
        // The weight at k2 that brings the sum's low byte to the checksum; weights are 1 to 36.
        const int weight =
            ((wanted - (sum - checksumWeight(m_password[static_cast<std::size_t>(k2 - 1)]))) % 256 + 256) % 256;
        return weight >= 1 && weight <= static_cast<int>(kChecksumAlphabet.size())
                   ? kChecksumAlphabet[static_cast<std::size_t>(weight - 1)]
                   : '\0';
    }

    bool matches(int sum, std::initializer_list<std::pair<int, char>> changes) const
    {
        char high = m_password[kBodyLength];
        char low = m_password[kBodyLength + 1];
        for (const auto& [k, to] : changes) {
            if (k == kBodyLength + 1) {
                high = to;
            } else if (k == kBodyLength + 2) {
                low = to;
            }
        }
        return checksumMatches(sum, high, low);
    }

    // Offers a correction; `possible` is a quick test that the encoder may write it, asked only
    // when the correction could be kept.
    template <typename Possible> void keep(std::initializer_list<Change> changes, int count, Possible possible)
    {
        Candidate candidate{m_text, {}, count};
        std::uint64_t near = 0;
        int i = 0;
        for (const auto& [k, option] : changes) {
            const auto at = static_cast<std::size_t>(k - 1);
            candidate.changes[static_cast<std::size_t>(i++)] = {k, m_password[at], option.to, option.lookAlike};
            candidate.password[at] = option.to;
            near |= placesAround(k);
        }
        m_best.offer(candidate, [&] {
            return (m_rewritten & ~near) == 0 && possible() && isWrittenByEncoder(candidate.password);
        });
    }

    std::string_view m_password;
    PasswordText m_text;
    int m_bodySum = 0;
    std::vector<int> m_invalid;
    std::array<std::vector<Option>, kPasswordLength + 1> m_options;
    std::uint64_t m_rewritten = 0;
    // No text has every place rewritten: the body has fewer places than bits.
    static constexpr std::uint64_t kNotWorkedOut = ~std::uint64_t{0};
    // For each place and each character that may stand there, by its checksum weight.
    std::array<std::array<std::uint64_t, kChecksumAlphabet.size()>, kPasswordLength + 1> m_rewrittenAfter;
    BestRepairs m_best;
};

// A password one character short or long: each character put back or taken out at each place,
// alone or with one look-alike substitution elsewhere.
class LengthRepairSearch final {
public:
    LengthRepairSearch(std::string_view typed, std::size_t maxResults)
        : m_typed(typed), m_best(maxResults, Repeats::Possible)
    {}

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
                    withLookAlikes(textOf(candidate), {k, '\0', c, false, Edit::Insert});
                    candidate.erase(at, 1);
                }
            } else if (at == 0 || m_typed[at - 1] != m_typed[at]) { // either of two like characters, once
                candidate.erase(at, 1);
                withLookAlikes(textOf(candidate), {k, m_typed[at], '\0', false, Edit::Remove});
            }
        }
        return m_best.repairs();
    }

private:
    // The candidate as it stands, and with one look-alike substitution at each place. Its
    // invalid places and body sum are counted once; a substitution only changes them at its place.
    void withLookAlikes(PasswordText candidate, const Substitution& edit)
    {
        int invalid = 0;
        int sum = 0;
        for (int k = 1; k <= kPasswordLength; ++k) {
            const char c = candidate[static_cast<std::size_t>(k - 1)];
            invalid += isValidAt(c, k) ? 0 : 1;
            sum += k <= kBodyLength ? checksumWeight(c) : 0;
        }
        // Worked out once for the candidate as it stands, and only if one of its corrections may be kept.
        const PasswordText unchanged = candidate;
        std::optional<std::uint64_t> rewritten;
        const auto writtenWith = [&](const PasswordText& password, std::uint64_t near) {
            if (!rewritten) {
                rewritten = rewrittenPlaces(unchanged);
            }
            return (*rewritten & ~near) == 0 && isWrittenByEncoder(password);
        };
        if (invalid == 0 && checksumMatches(sum, candidate[kBodyLength], candidate[kBodyLength + 1])) {
            m_best.offer({candidate, {edit}, 1}, [&] { return writtenWith(candidate, 0); });
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
                const int changedSum = j <= kBodyLength ? sum + checksumWeight(other) - checksumWeight(original) : sum;
                candidate[at] = other;
                if (checksumMatches(changedSum, candidate[kBodyLength], candidate[kBodyLength + 1])) {
                    // The slip's place in the typed text, which the put-back or taken-out character shifts.
                    const int typedPosition = j < edit.position ? j : edit.edit == Edit::Insert ? j - 1 : j + 1;
                    const Substitution slip{typedPosition, original, other, true};
                    const Candidate found{
                        candidate, typedPosition < edit.position ? std::array{slip, edit} : std::array{edit, slip}, 2};
                    m_best.offer(found, [&] { return writtenWith(found.password, placesAround(j)); });
                }
                candidate[at] = original;
            }
        }
    }

    std::string_view m_typed;
    BestRepairs m_best;
};

} // namespace

bool looksAlike(char a, char b) { return lookAlikesOf(a).find(b) != std::string_view::npos; }

std::vector<Repair> suggestRepairs(std::string_view password, std::size_t maxResults)
{
    const auto length = static_cast<int>(password.size());
    if (length == kPasswordLength) {
        return RepairSearch(password, maxResults).run();
    }
    if (length == kPasswordLength - 1 || length == kPasswordLength + 1) {
        return LengthRepairSearch(password, maxResults).run();
    }
    return {};
}

} // namespace quandrel
