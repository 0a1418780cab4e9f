#include "editor/ControlToolTips.h"

#include "editor/ControlNames.h"
#include "editor/PictureDescriptions.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace quandrel {
namespace {

TEST(ControlToolTipsTest, ToolTipsAsTheWindowShowsThem)
{
    const struct {
        std::string_view name;
        int index;
        std::string expected;
    } cases[] = {
        // A picture's description, written to stand mid-sentence, begins the sentence with a capital.
        {"Image8", -1, "Select all: marks or clears every object"},
        {"Image2", -1, "A quiver of arrows: arrows"},
        {"Image4", kNoShieldPicture, "No shield. Click for the next shield choice."},
        // Limits come from the codec's.
        {"Label1", 2, "Lower vitality, 0 to 31. Choose its row, then step it with - and +."},
        {"Label1", 3, "Lower experience, 0 to 6. Choose its row, then step it with - and +."},
        {"Command1", 1, "Increase the chosen value by one, vitality up to 31 and experience up to 6"},
        {"Option1", 1, "Choose upper experience for the - and + buttons"},
        {"Image7", 1, "VIT above EXP: of the lower pair beside it, the first row is vitality, the second experience"},
        {"Text1", 2, "Keys: three digits, 000 to 999. Click to empty the box, then type the new number."},
        {"Label7", -1, "The name and version of this program"},
        // Without a tooltip of their own, or out of range.
        {"Label6", 0, ""},
        {"Frame1", 0, ""},
        {"Label3", kWorldCount, ""},
        {"Image4", kNoShieldPicture + 1, ""},
        {"Command2", 5, ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(controlToolTip(c.name, c.index), c.expected) << c.name << "(" << c.index << ")";
    }
}

TEST(ControlToolTipsTest, PicturesAndFlagsAreNamedByWhatTheyShow)
{
    auto capital = [](std::string text) {
        text[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(text[0])));
        return text;
    };
    EXPECT_EQ(controlToolTip("Image4", 0),
              capital(std::string(describeObject(0))) + ". Click to mark it as carried, or to unmark it.");
    // The world-bound object is not the player's to click.
    EXPECT_EQ(controlToolTip("Image4", kWorldBoundObject).find(". Carried while the current world is Active"),
              describeObject(kWorldBoundObject).size());
    EXPECT_EQ(controlToolTip("Image5", 2).rfind(capital(std::string(describeWarrior(2))) + ". Click", 0), 0U);
    EXPECT_EQ(controlToolTip("Check1", 5),
              fixedControlName("Check1", 5) + ". Set once the world is finished; the world labels and loads set it.");
    EXPECT_EQ(controlToolTip("Label3", 9).rfind("World 10. Click: the worlds before it", 0), 0U);
}

// The desktop names a slot's file by its full path, the page by its name.
TEST(ControlToolTipsTest, SlotButtonsNameTheirPlace)
{
    EXPECT_EQ(controlToolTip("Command2", 0, "/home/p/sgame01.txt"),
              "Save the password to /home/p/sgame01.txt, replacing what the slot held.");
    EXPECT_EQ(controlToolTip("Command3", 4, "sgame05.txt"),
              "Load the password saved in sgame05.txt. Missing slot files are first created holding a new game, so "
              "a slot never saved loads a new game.");
}

// A translator reaches the tooltip's pattern and the names within it alike.
TEST(ControlToolTipsTest, TranslatedPatternsAndNames)
{
    const NamePatternTranslator translate = [](std::string_view english) {
        if (english == "%1: %2") {
            return std::string("%2 (%1)");
        }
        if (english == "a quiver of arrows") {
            return std::string("un carquois");
        }
        if (english == "Arrows") {
            return std::string("Fleches");
        }
        return std::string(english);
    };
    EXPECT_EQ(controlToolTip("Image2", -1, {}, translate), "Fleches (un carquois)");
}

} // namespace
} // namespace quandrel
