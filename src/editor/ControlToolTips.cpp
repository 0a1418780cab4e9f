#include "ControlToolTips.h"

#include "ControlNames.h"
#include "PictureDescriptions.h"
#include "codec/GameState.h"
#include "slotfile/SlotFacts.h"

#include <array>
#include <cctype>

// Marks a pattern for Qt's lupdate, as in ControlNames.cpp; the tooltips share the names'
// context, so one translator serves both.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace quandrel {

namespace {

// The counter pictures beside the counter boxes, in the boxes' order.
constexpr std::array<std::string_view, kCounterCount> kCounterPictures = {"Image2", "Image1", "Image3"};

bool within(int index, int count) { return index >= 0 && index < count; }

// Many tooltips start with a picture's description, written to stand mid-sentence.
std::string capitalised(std::string text)
{
    if (!text.empty()) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
    }
    return text;
}

std::string toolTip(std::string_view name, int index, std::string_view slotPlace, NamePatternTranslator translate)
{
    const auto pattern = [translate](const char* english) { return translatedPattern(english, translate); };
    const auto fixedName = [translate](std::string_view control, int at) {
        return fixedControlName(control, at, translate);
    };
    for (int i = 0; i < kCounterCount; ++i) {
        if (name == kCounterPictures[static_cast<std::size_t>(i)] && index < 0) {
            return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "%1: %2")),
                                 {fixedName(name, -1), lowered(fixedName("Text1", i))});
        }
    }
    if (name == "Text1" && within(index, kCounterCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "%1: three digits, 000 to 999. Click to empty the box, then "
                                                       "type the new number.")),
                             {fixedName(name, index)});
    }
    if (name == "Image4" && index == kWorldBoundObject) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "%1. Carried while the current world is Active: the world "
                                                       "labels set it, a click here changes nothing.")),
                             {describeObject(index)});
    }
    if (name == "Image4" && within(index, kObjectCount)) {
        return filledPattern(
            pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "%1. Click to mark it as carried, or to unmark it.")),
            {describeObject(index)});
    }
    if (name == "Image4" && within(index, kNoShieldPicture + 1)) {
        return filledPattern(
            pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "%1. Click for the next shield choice.")),
            {fixedName(name, index)});
    }
    if (name == "Image8" && index < 0) {
        return pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "select all: marks or clears every object"));
    }
    if (name == "Image5" && within(index, kWarriorPictureCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "%1. Click for the next warrior choice: which warrior plays, "
                                                       "and whether the other one shows as a tombstone.")),
                             {describeWarrior(index)});
    }
    if (name == "Option1" && within(index, kValueCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "Choose %1 for the - and + buttons")),
                             {lowered(valueRowName(index, translate))});
    }
    if (name == "Label1" && within(index, kValueCount)) {
        const int most = index % 2 == 0 ? kMaxValue : kMaxExperience;
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "%1, 0 to %2. Choose its row, then step it with - and +.")),
                             {valueRowName(index, translate), std::to_string(most)});
    }
    if (name == "Image7" && within(index, 2)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "VIT above EXP: of the %1 pair beside it, the first row is "
                                                       "vitality, the second experience")),
                             {valuePairName(index, translate)});
    }
    if (name == "Command1" && index == 0) {
        return pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "Decrease the chosen value by one, not below 0"));
    }
    if (name == "Command1" && index == 1) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "Increase the chosen value by one, vitality up to %1 and "
                                                       "experience up to %2")),
                             {std::to_string(kMaxValue), std::to_string(kMaxExperience)});
    }
    if (name == "Label4" && index < 0) {
        return pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                         "The state of each world. Click a world to make it the current one."));
    }
    if (name == "Image6" && within(index, kFlagsPerWorld)) {
        return filledPattern(
            pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "%1, the heading of the flag column below it")),
            {fixedName(name, index)});
    }
    if (name == "Label3" && within(index, kWorldCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "World %1. Click: the worlds before it are finished (Boss "
                                                       "Killed, every flag set), this one becomes Active (Open when "
                                                       "it was Active), the later ones Closed.")),
                             {std::to_string(index + 1)});
    }
    if (name == "Check1" && within(index, kFlagCount)) {
        return filledPattern(
            pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                      "%1. Set once the world is finished; the world labels and loads set it.")),
            {fixedName(name, index)});
    }
    if (name == "Label7" && index < 0) {
        return pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames", "The name and version of this program"));
    }
    if (name == "Command3" && within(index, kSlotCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "Load the password saved in %1. Missing slot files are first "
                                                       "created holding a new game, so a slot never saved loads a "
                                                       "new game.")),
                             {slotPlace});
    }
    if (name == "Command2" && within(index, kSlotCount)) {
        return filledPattern(pattern(QT_TRANSLATE_NOOP("quandrel::ControlNames",
                                                       "Save the password to %1, replacing what the slot held.")),
                             {slotPlace});
    }
    return {};
}

} // namespace

std::string controlToolTip(std::string_view name, int index, std::string_view slotPlace,
                           NamePatternTranslator translate)
{
    return capitalised(toolTip(name, index, slotPlace, translate));
}

} // namespace quandrel
