#include "Presets.h"

namespace quandrel {

GameState everythingPreset()
{
    GameState state;
    state.counters = {"999", "999", "999"};
    state.values = {kMaxValue, kMaxExperience, kMaxValue, kMaxExperience};
    for (auto& world : state.worlds) {
        world = {WorldState::BossKilled, {true, true, true, true}};
    }
    // The last world is the current one, entered, so the world-bound object is carried too.
    state.worlds.back() = {WorldState::Active, {}};
    state.objects.fill(true);
    state.shield = Shield::Three;
    return state;
}

} // namespace quandrel
