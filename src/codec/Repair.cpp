#include "Repair.h"

#include "Alphabets.h"
#include "Password.h"
#include "PasswordCheck.h"
#include "Sections.h"

#include <algorithm>
#include <array>

namespace quandrel {

namespace {

constexpr std::array<std::string_view, 7> kLookAlikes = {"0ODQ", "1IL", "8B", "5S", "2Z", "6G", "UV"};

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

    std::vector<Repair> run(std::size_t maxResults)
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
        std::stable_sort(m_found.begin(), m_found.end(),
                         [](const Repair& a, const Repair& b) { return rank(a) < rank(b); });
        if (m_found.size() > maxResults) {
            m_found.resize(maxResults);
        }
        return std::move(m_found);
    }

private:
    using Change = std::pair<int, Option>;

    static std::pair<long, std::size_t> rank(const Repair& repair)
    {
        const long others = std::count_if(repair.changes.begin(), repair.changes.end(),
                                          [](const Substitution& s) { return !s.lookAlike; });
        return {others, repair.changes.size()};
    }

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
        // A full body sums to at least 43, so its checksum is always its sum's low byte.
        if (high != kHexDigits[static_cast<std::size_t>((sum >> 4) & 0xF)] ||
            low != kHexDigits[static_cast<std::size_t>(sum & 0xF)]) {
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

} // namespace

std::vector<Repair> suggestRepairs(std::string_view password, std::size_t maxResults)
{
    if (password.size() != static_cast<std::size_t>(kPasswordLength)) {
        return {};
    }
    return RepairSearch(password).run(maxResults);
}

} // namespace quandrel
