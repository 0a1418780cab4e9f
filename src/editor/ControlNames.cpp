#include "ControlNames.h"

#include "NamePattern.h"
#include "PictureDescriptions.h"
#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "slotfile/SlotFacts.h"

#include <array>

// Marks a pattern for Qt's lupdate, which finds it by this name and context; here it is the
// English text itself, the source text of the desktop's translations.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace quandrel {

namespace {

constexpr std::array<const char*, kCounterCount> kCounters = {
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Arrows"),
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Coins"),
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Keys"),
};

// What the counters' pictures show: Image2 the arrows, Image1 the coins, Image3 the keys.
constexpr std::array<std::pair<std::string_view, const char*>, kCounterCount> kCounterPictures = {{
    {"Image2", QT_TRANSLATE_NOOP("quandrel::ControlNames", "a quiver of arrows")},
    {"Image1", QT_TRANSLATE_NOOP("quandrel::ControlNames", "a gold coin")},
    {"Image3", QT_TRANSLATE_NOOP("quandrel::ControlNames", "a key")},
}};

constexpr std::array<const char*, kValueCount> kValueRows = {
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Upper vitality"),
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Upper experience"),
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Lower vitality"),
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Lower experience"),
};

constexpr std::array<const char*, 2> kPairs = {
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "upper"),
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "lower"),
};

// The captions "-" and "+" say little when read out.
constexpr std::array<const char*, 2> kSteps = {
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Decrease"),
    QT_TRANSLATE_NOOP("quandrel::ControlNames", "Increase"),
};

bool within(int index, int count) { return index >= 0 && index < count; }

std::size_t at(int index) { return static_cast<std::size_t>(index); }

// "Password characters 1 to 4: U R 3 Q": each character spelled on its own, as a screen reader
// would otherwise read the group as a word.
std::string passwordGroupName(int group, std::string_view password, NamePatternTranslator translate)
{
    const std::size_t first = at(group * kGroupSize);
    const std::string_view characters = first < password.size() ? password.substr(first, kGroupSize) : "";
    if (characters.size() > 1) {
        std::string spelled;
        for (const char c : characters) {
            spelled += spelled.empty() ? "" : " ";
            spelled += c;
        }
        return filledPattern(
            translatedPattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "Password characters %1 to %2: %3"),
                              translate),
            {std::to_string(first + 1), std::to_string(first + characters.size()), spelled});
    }
    return filledPattern(
        translatedPattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "Password character %1: %2"), translate),
        {std::to_string(first + 1), characters});
}

} // namespace

std::string valueRowName(int row, NamePatternTranslator translate)
{
    return within(row, kValueCount) ? translatedPattern(kValueRows[at(row)], translate) : std::string();
}

std::string valuePairName(int pair, NamePatternTranslator translate)
{
    return within(pair, static_cast<int>(kPairs.size())) ? translatedPattern(kPairs[at(pair)], translate)
                                                         : std::string();
}

std::string fixedControlName(std::string_view name, int index, NamePatternTranslator translate)
{
    const auto pattern = [translate](const char* english) { return translatedPattern(english, translate); };
    if (name == "Text1" && within(index, kCounterCount)) {
        return pattern(kCounters[at(index)]);
    }
    for (const auto& [picture, shows] : kCounterPictures) {
        if (name == picture && index < 0) {
            return pattern(shows);
        }
    }
    if (name == "Option1" && within(index, kValueCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "Step %1")),
                             {lowered(valueRowName(index, translate))});
    }
    if (name == "Command1" && within(index, 2)) {
        return pattern(kSteps[at(index)]);
    }
    if (name == "Image7" && within(index, 2)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "VIT above EXP, %1 pair")),
                             {valuePairName(index, translate)});
    }
    if (name == "Image6" && within(index, kFlagsPerWorld)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "Flag %1: %2")),
                             {std::to_string(index + 1), describeFlagColumn(index)});
    }
    if (name == "Check1" && within(index, kFlagCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "World %1, flag %2: %3")),
                             {std::to_string(index / kFlagsPerWorld + 1), std::to_string(index % kFlagsPerWorld + 1),
                              describeFlagColumn(index % kFlagsPerWorld)});
    }
    if (name == "Image4" && index == kNoShieldPicture) {
        return pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "No shield"));
    }
    if (name == "Image4" && within(index, kNoShieldPicture) && index >= kFirstShieldPicture) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "shield: %1")),
                             {describeShield(index - kFirstShieldPicture + 1)});
    }
    if (name == "Image8" && index < 0) {
        return pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "select all"));
    }
    if (name == "Command2" && within(index, kSlotCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "Save slot %1")),
                             {std::to_string(index + 1)});
    }
    if (name == "Command3" && within(index, kSlotCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "Load slot %1")),
                             {std::to_string(index + 1)});
    }
    return {};
}

std::string stateControlName(std::string_view name, int index, const EditorControls& controls,
                             NamePatternTranslator translate)
{
    const auto pattern = [translate](const char* english) { return translatedPattern(english, translate); };
    if (name == "Image4" && within(index, kObjectCount)) {
        return filledPattern(controls.objectBorder[at(index)]
                                 ? pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "%1, carried"))
                                 : pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "%1, not carried")),
                             {describeObject(index)});
    }
    if (name == "Image5" && within(index, kWarriorPictureCount)) {
        const std::string_view shows = describeWarrior(index);
        return controls.warriorBorder[at(index)]
                   ? filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "%1, playing")), {shows})
                   : std::string(shows);
    }
    if (name == "Label1" && within(index, kValueCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "%1: %2")),
                             {valueRowName(index, translate), std::to_string(controls.values[at(index)])});
    }
    if (name == "Label3" && within(index, kWorldCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "World %1: %2")),
                             {std::to_string(index + 1), worldStateCaption(controls.worldStates[at(index)])});
    }
    if (name == "Label6" && within(index, kDisplayGroupCount)) {
        return passwordGroupName(index, controls.password, translate);
    }
    return {};
}

} // namespace quandrel
