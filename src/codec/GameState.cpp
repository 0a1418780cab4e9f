#include "GameState.h"

namespace quandrel {

namespace {

template <typename Enum, std::size_t N>
std::optional<Enum> fromName(const std::array<std::string_view, N>& names, std::string_view name)
{
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<Enum>(i);
        }
    }
    return std::nullopt;
}

} // namespace

std::string_view worldStateCaption(WorldState state) { return kWorldStateCaptions[static_cast<std::size_t>(state)]; }

std::optional<WorldState> worldStateFromCaption(std::string_view caption)
{
    return fromName<WorldState>(kWorldStateCaptions, caption);
}

std::string_view shieldName(Shield shield) { return kShieldNames[static_cast<std::size_t>(shield)]; }

std::optional<Shield> shieldFromName(std::string_view name) { return fromName<Shield>(kShieldNames, name); }

} // namespace quandrel
