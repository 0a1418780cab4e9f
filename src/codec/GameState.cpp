#include "GameState.h"

namespace quandrel {

namespace {

constexpr std::array<std::string_view, 4> kWorldStateCaptions = {"Closed", "Active", "Open", "Boss Killed"};

} // namespace

std::string_view worldStateCaption(WorldState state) { return kWorldStateCaptions[static_cast<std::size_t>(state)]; }

std::optional<WorldState> worldStateFromCaption(std::string_view caption)
{
    for (std::size_t i = 0; i < kWorldStateCaptions.size(); ++i) {
        if (kWorldStateCaptions[i] == caption) {
            return static_cast<WorldState>(i);
        }
    }
    return std::nullopt;
}

} // namespace quandrel
