#pragma once

#include "EditorControls.h"
#include "codec/Password.h"

#include <array>
#include <bitset>
#include <cstdint>
#include <memory>
#include <string_view>

namespace quandrel {

// One undo step, stored compactly: the state's password, which carries the sections, the
// values, the world states and the flags, plus what the password does not carry, in fixed
// fields with no heap. Controls that do not fit that form (no password yet, a long text) are
// kept whole, so a step always gives back exactly the controls it was made from.
class HistoryStep final {
public:
    explicit HistoryStep(const EditorControls& controls);

    EditorControls controls() const;

    // What the step takes in memory, the whole controls included when it keeps them.
    std::size_t storedBytes() const;

private:
    // A short text in place; longer ones do not fit.
    struct ShortText {
        std::array<char, 15> characters{};
        std::uint8_t size = 0;

        static bool fits(std::string_view text) { return text.size() <= sizeof(characters); }
        explicit ShortText(std::string_view text = {});
        std::string_view view() const { return {characters.data(), size}; }
    };

    static constexpr std::size_t kBorderBits = kObjectPictureCount + kWarriorPictureCount + 1;

    bool fits(const EditorControls& controls) const;
    void pack(const EditorControls& controls);
    EditorControls unpacked() const;

    std::array<char, kPasswordLength> m_password{};
    std::array<ShortText, kCounterCount> m_counterText;
    std::array<TextColour, kCounterCount> m_counterColour{};
    std::uint8_t m_selectedRow = 0;
    // Object borders and visibility, warrior borders and visibility, the select-all border.
    std::bitset<kBorderBits> m_borders;
    std::bitset<kObjectPictureCount + kWarriorPictureCount> m_visible;
    ShortText m_timeOfDay; // of the checksum line
    ShortText m_keyBuffer;
    std::uint8_t m_shieldCounter = 0;
    std::uint8_t m_warriorCounter = 0;
    std::unique_ptr<const EditorControls> m_whole;
};

} // namespace quandrel
