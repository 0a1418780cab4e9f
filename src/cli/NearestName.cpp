#include "NearestName.h"

#include <algorithm>
#include <numeric>

namespace quandrel {

namespace {

constexpr std::size_t kMaxEdits = 2;

// Levenshtein distance: insertions, deletions and substitutions of single characters.
std::size_t editDistance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::string nearestName(std::string_view typed, const std::vector<std::string>& names)
{
    std::string nearest;
    std::size_t best = kMaxEdits + 1;
    for (const auto& name : names) {
        const std::size_t distance = name.starts_with(typed) && !typed.empty() ? 1 : editDistance(typed, name);
        if (distance < best) {
            best = distance;
            nearest = name;
        }
    }
    return nearest;
}

} // namespace quandrel
