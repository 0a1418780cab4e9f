#include "codec/RepairAsTyped.h"

#include "codec/PasswordCheck.h"

#include <cstddef>
#include <vector>

namespace quandrel {
namespace {

// Where `longer` holds the one character more that `shorter` lacks: the place that leaves the
// fewest differing characters, since a repair may change another character besides.
std::size_t extraCharacterAt(std::string_view shorter, std::string_view longer)
{
    std::size_t best = 0;
    std::size_t fewest = longer.size() + 1;
    for (std::size_t at = 0; at < longer.size(); ++at) {
        std::size_t differing = 0;
        for (std::size_t i = 0; i < shorter.size(); ++i)
            differing += shorter[i] != longer[i < at ? i : i + 1] ? 1 : 0;
        if (differing < fewest) {
            fewest = differing;
            best = at;
        }
    }
    return best;
}

// A run of password characters and the separators typed before it.
struct Group {
    std::string before;
    std::size_t size = 0;
};

} // namespace

std::string repairAsTyped(std::string_view typed, std::string_view repaired)
{
    std::vector<Group> groups;
    std::string compact;
    std::string pending;
    for (const char c : typed) {
        if (isGroupingCharacter(c)) {
            pending += c;
            continue;
        }
        if (groups.empty() || !pending.empty())
            groups.push_back({std::move(pending), 0});
        pending.clear();
        ++groups.back().size;
        compact += raisedSymbol(c);
    }
    const std::string trailing = pending;
    if (groups.empty())
        return std::string(repaired);

    if (repaired.size() == compact.size() + 1) {
        const std::size_t at = extraCharacterAt(compact, repaired);
        std::size_t start = 0;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            const std::size_t end = start + groups[g].size;
            if (at <= end) {
                const bool boundary = at == end && g + 1 < groups.size();
                ++groups[boundary && groups[g + 1].size < groups[g].size ? g + 1 : g].size;
                break;
            }
            start = end;
        }
    } else if (repaired.size() + 1 == compact.size()) {
        const std::size_t at = extraCharacterAt(repaired, compact);
        std::size_t start = 0;
        for (std::size_t g = 0; g < groups.size(); ++g) {
            if (at < start + groups[g].size) {
                if (--groups[g].size == 0) {
                    // The lone separator goes too: the one before, or after for the first group.
                    if (g == 0 && groups.size() > 1)
                        groups[1].before = groups[0].before;
                    groups.erase(groups.begin() + static_cast<std::ptrdiff_t>(g));
                }
                break;
            }
            start += groups[g].size;
        }
    } else if (repaired.size() != compact.size()) {
        return std::string(repaired);
    }

    std::string result;
    std::size_t next = 0;
    for (const Group& group : groups) {
        result += group.before;
        result += repaired.substr(next, group.size);
        next += group.size;
    }
    return result + trailing;
}

} // namespace quandrel
