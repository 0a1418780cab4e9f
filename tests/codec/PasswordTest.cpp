#include "codec/Password.h"
#include "codec/Alphabets.h"
#include "support/PasswordEdits.h"
#include "support/RandomState.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

const std::string& kInitial = test::kInitialPassword;

TEST(Password, InitialStateGivesTheNewSlotPassword)
{
    EXPECT_EQ(encodePassword(GameState{}), kInitial);
    EXPECT_EQ(initialPassword(), kInitial);
}

TEST(Password, ChecksumIsTheLowByteOfThePlaceSum)
{
    struct Case {
        std::string body;
        std::string checksum;
    };
    const Case cases[] = {
        {"UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS", "4A"}, // sum 842 = 0x34A
        {"203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS", "08"}, // sum 776 = 0x308: the leading zero stays
        {std::string(43, '0'), "2B"},                          // the smallest sum, 43
        {std::string(43, 'Y'), "E1"},                          // the largest, 43 x 35 = 1505 = 0x5E1
        {"0", "1"},                                            // a sum below 16 has one digit
        // Lower case and other characters outside the alphabet count nothing.
        {std::string(42, '0') + "a", "2A"},
        // Only the first 45 characters count.
        {std::string(45, '0') + "ZZZZ", "2D"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(checksumOf(c.body), c.checksum) << c.body;
    }
}

TEST(Password, LeadingZeroChecksumKeepsFortyFiveCharacters)
{
    GameState state;
    state.counters[0] = "013";
    const std::string password = encodePassword(state);
    EXPECT_EQ(password, "203FUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS08");
    EXPECT_EQ(password.size(), 45U);
}

TEST(Password, DisplayGroupsJoinToThePassword)
{
    std::mt19937 rng(7);
    for (int i = 0; i < 200; ++i) {
        const std::string password = encodePassword(test::randomState(rng));
        const auto groups = displayGroups(password);
        std::string joined;
        for (const auto& group : groups) {
            joined += group;
        }
        ASSERT_EQ(joined, password);
        EXPECT_EQ(groups[10], password.substr(40, 3) + password[43]);
        EXPECT_EQ(groups[11], std::string(1, password[44]));
        for (std::size_t g = 0; g < 10; ++g) {
            // Each full group holds one symbol of each alphabet, in order.
            for (std::size_t c = 0; c < 4; ++c) {
                EXPECT_GE(symbolValue(groups[g][c], static_cast<int>(c) + 1), 0);
            }
        }
    }
}

} // namespace
} // namespace quandrel
