#pragma once

#include "codec/GameState.h"

#include <random>
#include <string>

namespace quandrel::test {

// A game state with every field drawn at random, experience values beyond the buttons' limit included.
inline GameState randomState(std::mt19937& rng)
{
    auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    GameState state;
    for (auto& counter : state.counters) {
        // Drawn one after another, so that every compiler draws the same states; the last digit
        // first, as the states that the tests were written against.
        const int ones = below(10);
        const int tens = below(10);
        const int hundreds = below(10);
        counter = std::to_string(hundreds) + std::to_string(tens) + std::to_string(ones);
    }
    for (auto& value : state.values) {
        value = below(32);
    }
    for (auto& world : state.worlds) {
        world.state = static_cast<WorldState>(below(4));
        for (auto&& flag : world.flags) {
            flag = below(2) == 1;
        }
    }
    for (auto&& object : state.objects) {
        object = below(2) == 1;
    }
    state.shield = static_cast<Shield>(below(4));
    state.warrior = below(kWarriorStateCount);
    return state;
}

} // namespace quandrel::test
