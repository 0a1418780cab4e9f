#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quandrel {

enum class WorldState { Closed, Active, Open, BossKilled };

enum class Shield { None, One, Two, Three };

inline constexpr int kWorldCount = 10;
inline constexpr int kFlagsPerWorld = 4;
inline constexpr int kObjectCount = 37;
inline constexpr int kWorldBoundObject = 7;
inline constexpr int kWarriorStateCount = 4;
inline constexpr int kValueCount = 4;
inline constexpr int kCounterCount = 3;
// How the counters are named to the user, in the order of the password.
inline constexpr std::array<const char*, kCounterCount> kCounterNames = {"arrows", "coins", "keys"};
// Each counter is this many decimal digits.
inline constexpr std::size_t kCounterLength = 3;
// Every vitality and experience value lies in 0 to kMaxValue; the editor's "+" keeps the two
// experience values at kMaxExperience or below.
inline constexpr int kMaxValue = 31;
inline constexpr int kMaxExperience = 6;

// The state of a new game, which the window starts with and a new save slot holds.
inline constexpr std::string_view kInitialCounter = "100";
inline constexpr std::array<int, kValueCount> kInitialValues = {1, 6, 1, 6};

// The caption that shows each world state, and the name of each shield choice, in the order
// of their values.
inline constexpr std::array<std::string_view, 4> kWorldStateCaptions = {"Closed", "Active", "Open", "Boss Killed"};
inline constexpr std::array<std::string_view, 4> kShieldNames = {"none", "1", "2", "3"};

// The caption that shows a world state: "Closed", "Active", "Open" or "Boss Killed".
std::string_view worldStateCaption(WorldState state);
std::optional<WorldState> worldStateFromCaption(std::string_view caption);

// The name of a shield choice: "none", "1", "2" or "3".
std::string_view shieldName(Shield shield);
std::optional<Shield> shieldFromName(std::string_view name);

struct World {
    WorldState state = WorldState::Closed;
    std::array<bool, kFlagsPerWorld> flags{};

    bool operator==(const World&) const = default;
};

// The whole game state that a password carries.
struct GameState {
    // Arrows, coins and keys, each as three decimal digits.
    std::array<std::string, kCounterCount> counters{std::string(kInitialCounter), std::string(kInitialCounter),
                                                    std::string(kInitialCounter)};
    // Upper vitality, upper experience, lower vitality, lower experience; 0 to 31 each.
    std::array<int, kValueCount> values = kInitialValues;
    std::array<World, kWorldCount> worlds{};
    // Carried objects; index 7 is the world-bound object.
    std::array<bool, kObjectCount> objects{};
    Shield shield = Shield::None;
    // 0 to 3: which warrior plays and how the other one is shown.
    int warrior = 0;

    bool operator==(const GameState&) const = default;
};

} // namespace quandrel
