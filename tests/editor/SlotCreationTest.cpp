#include "editor/SlotCreation.h"

#include "codec/Password.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

// Every missing slot is created, but only the chosen slot's creation must succeed.
TEST(SlotCreationTest, MissingSlotsAreCreatedAndOnlyTheChosenMustBe)
{
    const SlotCreationPlan plan = slotCreationPlan(2, {true, false, false, true, false});
    EXPECT_EQ(plan.bytes, initialPassword() + "\r\n");
    ASSERT_EQ(plan.slots.size(), 3U);
    EXPECT_EQ(plan.slots[0].slot, 2);
    EXPECT_TRUE(plan.slots[0].mustSucceed);
    EXPECT_EQ(plan.slots[1].slot, 3);
    EXPECT_FALSE(plan.slots[1].mustSucceed);
    EXPECT_EQ(plan.slots[2].slot, 5);
    EXPECT_FALSE(plan.slots[2].mustSucceed);
}

TEST(SlotCreationTest, NothingToCreateWhenEverySlotIsThere)
{
    EXPECT_TRUE(slotCreationPlan(1, {true, true, true, true, true}).slots.empty());
}

} // namespace
} // namespace quandrel
