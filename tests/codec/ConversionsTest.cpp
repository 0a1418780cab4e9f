#include "codec/Conversions.h"
#include "codec/Alphabets.h"
#include "codec/InvalidArgument.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quandrel {
namespace {

TEST(Alphabets, EachIsTheLastShiftedByOnePlace)
{
    for (std::size_t p = 1; p < kAlphabets.size(); ++p) {
        EXPECT_EQ(kAlphabets[p].substr(1), kAlphabets[p - 1].substr(0, 31)) << "alphabet " << p + 1;
    }
    for (const auto alphabet : kAlphabets) {
        EXPECT_EQ(std::set<char>(alphabet.begin(), alphabet.end()).size(), 32U) << alphabet;
    }
}

TEST(Alphabets, ThreeOfTheThirtyFiveCharactersAreMissingAtEachPosition)
{
    const std::string all = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXY";
    const std::array<std::string, 4> missing = {"3FR", "3CF", "CFY", "CLY"};
    for (int p = 1; p <= 4; ++p) {
        std::string absent;
        for (const char c : all) {
            if (symbolValue(c, p) < 0) {
                absent += c;
            }
        }
        EXPECT_EQ(absent, missing[static_cast<std::size_t>(p - 1)]) << "position " << p;
    }
}

TEST(Conversions, EverySymbolRoundTripsAtEveryPosition)
{
    for (int p = 1; p <= 4; ++p) {
        for (int v = 0; v < 32; ++v) {
            const std::string bits = makebin5(v);
            ASSERT_EQ(bits.size(), 5U);
            const std::string symbol = makebyte(bits, p);
            EXPECT_EQ(baittobin(symbol, p), bits) << "position " << p << " value " << v;
            EXPECT_EQ(makedec5(baittobin(symbol, p)), v);
            EXPECT_EQ(symbolValue(symbol[0], p), v);
        }
    }
}

TEST(Conversions, DigitsRoundTrip)
{
    for (int d = 0; d < 10; ++d) {
        EXPECT_EQ(makedec4(makebin4(d)), d);
    }
}

struct TextCase {
    std::string got;
    std::string expected;
};

TEST(Conversions, TextResults)
{
    const TextCase cases[] = {
        {makebyte("00000", 1), "U"},
        {makebyte("00000", 2), "R"},
        {makebyte("00000", 3), "3"},
        {makebyte("00000", 4), "F"},
        {makebyte("11111", 1), "C"},
        {makebyte("11111", 2), "Y"},
        {makebyte("11111", 3), "L"},
        {makebyte("11111", 4), "I"},
        {makebyte("00000", 0), ""},
        {makebyte("00000", 5), ""},
        {baittobin("U", 0), ""},
        {baittobin("U", 5), ""},
        {baittobin("", 1), "00000"},
        {baittobin("F", 4), "00000"},
        {baittobin("C", 1), "11111"},
        {baittobin("U", 4), "00011"},
        {makebin5(31), "11111"},
        {makebin5(32), ""},
        {makebin5(1000), ""},
        {makebin4(9), "1001"},
        {makebin4(10), ""},
        {makebin4(0), "0000"},
        // A group that is no five-bit code reads as value 0.
        {makebyte("0101", 3), "3"},
        {makebyte("1111x", 2), "R"},
        {makebyte("", 1), "U"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].got, cases[i].expected) << "case " << i;
    }
}

TEST(Conversions, NumberResults)
{
    const std::pair<int, int> cases[] = {
        {makedec4("1001"), 9}, {makedec4("1010"), 0},  {makedec4("1111"), 0},   {makedec4("0000"), 0},
        {makedec4(""), 0},     {makedec4("10011"), 0}, {makedec5("11111"), 31}, {makedec5("00111"), 7},
        {makedec5("0111"), 0}, {makedec5("2"), 0},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
    }
}

TEST(Conversions, InvalidArgumentsThrowAndSayWhich)
{
    const std::pair<std::string, int> badSymbols[] = {{"F", 1}, {"3", 1}, {"R", 1}, {"C", 2}, {"F", 3},
                                                      {"L", 4}, {"Z", 1}, {"Z", 4}, {"a", 1}, {"u", 2}};
    for (const auto& [bait, bitnr] : badSymbols) {
        try {
            baittobin(bait, bitnr);
            ADD_FAILURE() << bait << " at " << bitnr << " was accepted";
        } catch (const InvalidArgument& error) {
            EXPECT_NE(std::string(error.what()).find("\"" + bait + "\""), std::string::npos) << error.what();
            EXPECT_NE(std::string(error.what()).find("position " + std::to_string(bitnr)), std::string::npos);
        }
    }
    EXPECT_THROW(makebin5(-1), InvalidArgument);
    EXPECT_THROW(makebin4(-1), InvalidArgument);
}

} // namespace
} // namespace quandrel
