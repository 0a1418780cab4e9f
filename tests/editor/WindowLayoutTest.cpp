#include "editor/WindowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <stdexcept>

namespace quandrel {
namespace {

// The places themselves are checked against the window's typed geometry by the window's
// layout test; these are the rules that hold the table together.

TEST(WindowLayoutTest, NamesAreUniqueAndEveryControlLiesInsideItsContainer)
{
    std::map<std::string, TwipsRect> containers;
    std::set<std::string> names;
    for (const ControlLayout& control : windowLayout()) {
        const std::string name = controlName(control);
        EXPECT_TRUE(names.insert(name).second) << name;
        if (control.kind == ControlKind::Form || control.kind == ControlKind::Frame) {
            containers[name] = control.rect;
        }
        if (control.kind == ControlKind::Form) {
            EXPECT_EQ(control.frame, "") << name;
            continue;
        }
        // Each container comes before what it holds; a control on the form names no frame.
        const std::string container = control.frame.empty() ? "Form1" : std::string(control.frame);
        ASSERT_TRUE(containers.contains(container)) << name << " in " << container;
        const TwipsRect& outer = containers[container];
        EXPECT_GE(control.rect.left, 0) << name;
        EXPECT_GE(control.rect.top, 0) << name;
        EXPECT_LE(control.rect.left + control.rect.width, outer.width) << name;
        EXPECT_LE(control.rect.top + control.rect.height, outer.height) << name;
    }
    EXPECT_EQ(windowLayout().front().name, "Form1");
}

TEST(WindowLayoutTest, FocusableControlsHaveOneTabPlaceEach)
{
    std::vector<int> tabIndexes;
    for (const ControlLayout& control : windowLayout()) {
        if (control.tabIndex >= 0) {
            EXPECT_TRUE(control.visible && control.enabled) << controlName(control);
            tabIndexes.push_back(control.tabIndex);
        }
    }
    std::vector<int> expected(tabIndexes.size());
    std::iota(expected.begin(), expected.end(), 0);
    std::sort(tabIndexes.begin(), tabIndexes.end()); // not ranges: the web build's libc++ 14 has no ranges::sort
    EXPECT_EQ(tabIndexes, expected);
    EXPECT_EQ(windowControl("Text1", 0).tabIndex, 0); // the first focus goes to the arrows box
}

TEST(WindowLayoutTest, LooksUpControlsByNameAndIndex)
{
    EXPECT_EQ(controlName(windowControl("Image4", 12)), "Image4(12)");
    EXPECT_EQ(controlName(windowControl("Form1")), "Form1");
    EXPECT_EQ(windowControl("Frame1", 0).caption, "Arrows, Coins , Keys");
    EXPECT_THROW(windowControl("Frame1"), std::out_of_range);
    EXPECT_THROW(windowControl("Image4", 41), std::out_of_range);
}

} // namespace
} // namespace quandrel
