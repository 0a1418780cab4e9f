#include "editor/ControlNames.h"

#include "editor/PictureDescriptions.h"

#include <gtest/gtest.h>

#include <string>

namespace quandrel {
namespace {

TEST(ControlNamesTest, FixedNamesAsTheWindowReadsThem)
{
    const struct {
        std::string_view name;
        int index;
        std::string expected;
    } cases[] = {
        {"Text1", 0, "Arrows"},
        {"Text1", 2, "Keys"},
        {"Image2", -1, "a quiver of arrows"},
        {"Option1", 0, "Step upper vitality"},
        {"Option1", 3, "Step lower experience"},
        {"Command1", 1, "Increase"},
        {"Image7", 1, "VIT above EXP, lower pair"},
        {"Image6", 0, "Flag 1: " + std::string(describeFlagColumn(0))},
        {"Check1", 39, "World 10, flag 4: " + std::string(describeFlagColumn(3))},
        {"Image4", kFirstShieldPicture, "shield: " + std::string(describeShield(1))},
        {"Image4", kNoShieldPicture, "No shield"},
        {"Image8", -1, "select all"},
        {"Command2", 0, "Save slot 1"},
        {"Command3", 4, "Load slot 5"},
        // Named by their state, or by nothing of their own, or out of range.
        {"Image4", 0, ""},
        {"Label3", 0, ""},
        {"Label6", 0, ""},
        {"Text1", 3, ""},
        {"Check1", -1, ""},
        {"Image4", kNoShieldPicture + 1, ""},
        {"Command2", 5, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(fixedControlName(c.name, c.index), c.expected) << c.name << "(" << c.index << ")";
    }
}

TEST(ControlNamesTest, StateNamesFollowTheControls)
{
    EditorControls controls;
    controls.objectBorder[2] = true;
    controls.values[1] = 5;
    controls.worldStates[2] = WorldState::Open;
    EXPECT_EQ(stateControlName("Image4", 2, controls), std::string(describeObject(2)) + ", carried");
    EXPECT_EQ(stateControlName("Image4", 3, controls), std::string(describeObject(3)) + ", not carried");
    EXPECT_EQ(stateControlName("Image5", 0, controls), std::string(describeWarrior(0)) + ", playing");
    EXPECT_EQ(stateControlName("Image5", 1, controls), describeWarrior(1));
    EXPECT_EQ(stateControlName("Label1", 1, controls), "Upper experience: 5");
    EXPECT_EQ(stateControlName("Label3", 2, controls), "World 3: Open");
    EXPECT_EQ(stateControlName("Image4", kFirstShieldPicture, controls), "");
    EXPECT_EQ(stateControlName("Label3", kWorldCount, controls), "");
    // The password's groups, each character spelled; the last group holds one.
    controls.password = std::string(40, 'A') + "UR3QX";
    EXPECT_EQ(stateControlName("Label6", 10, controls), "Password characters 41 to 44: U R 3 Q");
    EXPECT_EQ(stateControlName("Label6", 11, controls), "Password character 45: X");
}

// A translation may reorder the arguments; an argument's own "%2" is never taken for one.
TEST(ControlNamesTest, TranslatedPatternsTakeTheArgumentsOnce)
{
    const NamePatternTranslator reordered = [](std::string_view english) {
        if (english == "World %1, flag %2: %3") {
            return std::string("%3 (%2/%1)");
        }
        if (english == "Upper vitality") {
            return std::string("VIT %2 above");
        }
        return std::string(english);
    };
    EXPECT_EQ(fixedControlName("Check1", 5, reordered), std::string(describeFlagColumn(1)) + " (2/2)");
    EXPECT_EQ(fixedControlName("Option1", 0, reordered), "Step vit %2 above");
}

} // namespace
} // namespace quandrel
