#pragma once

#include "codec/GameState.h"

#include <array>
#include <string>

namespace quandrel {

enum class TextColour { WindowText, Red };

inline constexpr int kObjectPictureCount = 41; // Image4(0) to Image4(40)
inline constexpr int kFirstShieldPicture = 37; // Image4(37) to Image4(39) show shields 1 to 3
inline constexpr int kNoShieldPicture = 40;
inline constexpr int kWarriorPictureCount = 4;
inline constexpr int kFlagCount = kWorldCount * kFlagsPerWorld;
inline constexpr int kSectionLabelCount = 6; // Label2(0) to Label2(5)

// What each section label holds: the five sections of the body in slot order, then the
// checksum line.
enum class SectionSlot { Counters, Vitality, Worlds, Objects, Warrior, ChecksumLine };

// Check1(flagIndex(w, k)) shows flag k of world w.
constexpr int flagIndex(int world, int flag) { return kFlagsPerWorld * world + flag; }

// Everything the editor window shows, control by control, plus the two counters the
// window keeps for the shield and warrior cycles. A plain value, so it can be copied whole.
struct EditorControls {
    std::array<std::string, kCounterCount> counterText = GameState{}.counters; // Text1(0..2)
    std::array<TextColour, kCounterCount> counterColour{};
    std::array<int, kValueCount> values = kInitialValues; // Label1(0..3)
    int selectedRow = 0;                                  // which Option1 is chosen
    std::array<WorldState, kWorldCount> worldStates{};    // Label3(0..9)
    std::array<bool, kFlagCount> flags{};                 // Check1(0..39)
    std::array<bool, kObjectPictureCount> objectBorder{}; // Image4(0..40)
    std::array<bool, kObjectPictureCount> objectVisible{};
    bool selectAllBorder = false;                                                    // Image8
    std::array<bool, kWarriorPictureCount> warriorBorder{true, false, false, false}; // Image5(0..3)
    std::array<bool, kWarriorPictureCount> warriorVisible{true, true, false, false};
    std::array<std::string, kSectionLabelCount> sections; // Label2(0..5)
    std::string password;                                 // Label5
    std::string keyBuffer;                                // Label8
    int shieldCounter = 0;
    int warriorCounter = 0;

    bool operator==(const EditorControls&) const = default;

    std::string& section(SectionSlot slot) { return sections[static_cast<std::size_t>(slot)]; }
    const std::string& section(SectionSlot slot) const { return sections[static_cast<std::size_t>(slot)]; }

    // The controls as the window is created: the initial game state, its sections cached.
    static EditorControls initial();
};

} // namespace quandrel
