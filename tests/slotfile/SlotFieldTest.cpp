#include "slotfile/SlotField.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

TEST(SlotField, TakesTheFirstFieldOfTheFirstLine)
{
    struct Case {
        std::string contents;
        std::optional<std::string> field;
    };
    const Case cases[] = {
        {"UR3Q\r\n", "UR3Q"},
        {"UR3Q\n", "UR3Q"}, // a lone LF ends the line too
        {"UR3Q", "UR3Q"},
        {"UR3Q\r\nSECOND\r\n", "UR3Q"},
        {"UR3Q,after the comma\r\n", "UR3Q"},
        {"   \tUR3Q\r\n", "UR3Q"},
        {"\"UR,3Q\" trailing\r\n", "UR,3Q"},
        {"  \"UR3Q\r\n", "UR3Q"}, // an unclosed quote ends with the line
        {",UR3Q", ""},
        {"\r\n", ""},
        {"   ", ""},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(firstSlotField(c.contents), c.field) << '"' << c.contents << '"';
    }
}

} // namespace
} // namespace quandrel
