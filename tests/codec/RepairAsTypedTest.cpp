#include "codec/RepairAsTyped.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

struct Case {
    const char* what;
    const char* typed;
    const char* repaired;
    const char* expected;
};

TEST(RepairAsTyped, KeepsTheTypedGrouping)
{
    const Case cases[] = {
        {"substitution keeps groups", "ABC DEF", "ABXDEF", "ABX DEF"},
        {"dashes and trailing blank", "AB-CD ", "AXCD", "AX-CD "},
        {"dropped inside a group", "AC DEF", "ABCDEF", "ABC DEF"},
        {"dropped at a boundary joins the shorter group", "ABC DE", "ABCXDE", "ABC XDE"},
        {"extra inside a group", "ABXC DEF", "ABCDEF", "ABC DEF"},
        {"extra lone character goes with its separator", "ABC X DEF", "ABCDEF", "ABC DEF"},
        {"extra lone first character", "X ABC", "ABC", "ABC"},
        {"dropped after a substitution", "AXC DF", "ABCDEF", "ABC DEF"},
        {"extra after a substitution, lower case typed", "axc-dzef", "ABCDEF", "ABC-DEF"},
        {"no separators", "ABXC", "ABC", "ABC"},
        {"lengths too far apart", "AB CD", "ABCDEFG", "ABCDEFG"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(repairAsTyped(c.typed, c.repaired), c.expected) << c.what;
}

} // namespace
} // namespace quandrel
