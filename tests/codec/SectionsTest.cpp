#include "codec/Sections.h"
#include "SectionReference.h"
#include "codec/Alphabets.h"
#include "codec/InvalidArgument.h"
#include "support/RandomState.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

using test::symbolsOfBitText;

TEST(Sections, RandomStatesMatchTheBitTextLayouts)
{
    std::mt19937 rng(20261210);
    for (int i = 0; i < 2000; ++i) {
        const GameState state = test::randomState(rng);
        const Sections sections = encodeSections(state);
        ASSERT_EQ(sections[0], symbolsOfBitText(test::counterBits(state.counters), 1));
        ASSERT_EQ(sections[1], symbolsOfBitText(test::vitalityBits(state.values), 3));
        ASSERT_EQ(sections[2], symbolsOfBitText(test::worldBits(state.worlds), 1));
        ASSERT_EQ(sections[3], symbolsOfBitText(test::objectBits(state.objects, state.shield), 2));
        ASSERT_EQ(sections[4], std::string(1, "SPD9"[state.warrior]));
    }
}

TEST(Sections, LengthsAndPositionsFollowTheLayoutTable)
{
    const Sections sections = encodeSections(GameState{});
    int k = 1;
    for (std::size_t s = 0; s < sections.size(); ++s) {
        EXPECT_EQ(static_cast<int>(sections[s].size()), kSectionLayouts[s].symbols);
        EXPECT_EQ(kSectionLayouts[s].firstCharacter, k);
        EXPECT_EQ(kSectionLayouts[s].firstPosition, positionInGroup(k));
        k += kSectionLayouts[s].symbols;
    }
    EXPECT_EQ(k - 1, kBodyLength);
}

TEST(Sections, InitialStateIsTheDocumentedBitTexts)
{
    const Sections sections = encodeSections(GameState{});
    EXPECT_EQ(sections[0], "UR3QUR5FUG");
    EXPECT_EQ(sections[1], symbolsOfBitText("001100000000100000110000000010", 3));
    EXPECT_EQ(sections[1], "4F423R");
    // All-zero sections are the first symbol of each position's alphabet in turn.
    EXPECT_EQ(sections[2], "UR3FUR3FUR3FUR3FU");
    EXPECT_EQ(sections[3], "R3FUR3FUR");
    EXPECT_EQ(sections[4], "S");
}

TEST(Sections, CounterDigitsAreBinaryCodedDecimalLowByteFirst)
{
    struct Case {
        std::array<std::string, 3> counters;
        std::string bits;
    };
    const Case cases[] = {
        {{"000", "000", "000"}, std::string(50, '0')},
        {{"999", "000", "000"}, "1001100100001001" + std::string(34, '0')},
        {{"000", "042", "000"}, std::string(16, '0') + "0100001000000000" + std::string(18, '0')},
        {{"000", "000", "907"}, std::string(32, '0') + "0000011100001001" + "00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(encodeCounterSection(c.counters), symbolsOfBitText(c.bits, 1)) << c.counters[0] << c.counters[1];
    }
}

TEST(Sections, SingleFlagsLandInTheirGroup)
{
    struct Case {
        int flag;
        std::size_t group; // 0-based symbol of section 2
    };
    // Flag 19 closes world 4 but sits in group 9, flag 39 in the last group.
    for (const Case c : {Case{0, 1}, Case{19, 8}, Case{20, 9}, Case{39, 16}}) {
        std::array<World, kWorldCount> worlds{};
        worlds[static_cast<std::size_t>(c.flag / 4)].flags[static_cast<std::size_t>(c.flag % 4)] = true;
        const std::string section = encodeWorldSection(worlds);
        const std::string closed = encodeWorldSection({});
        for (std::size_t g = 0; g < section.size(); ++g) {
            EXPECT_EQ(section[g] != closed[g], g == c.group) << "flag " << c.flag << " group " << g + 1;
        }
    }
}

TEST(Sections, LastWorldSymbolAlwaysHasAnEvenValue)
{
    std::array<World, kWorldCount> worlds{};
    for (auto& world : worlds) {
        world = {WorldState::BossKilled, {true, true, true, true}};
    }
    const std::string section = encodeWorldSection(worlds);
    EXPECT_EQ(section[0], 'U');
    EXPECT_EQ(symbolValue(section[16], 1) % 2, 0);
}

TEST(Sections, ShieldKindsDifferInTheirBits)
{
    std::array<bool, kObjectCount> objects{};
    const std::string none = encodeObjectSection(objects, Shield::None);
    const std::string one = encodeObjectSection(objects, Shield::One);
    // The shield-held bit is the last of symbol 8; shields 2 and 3 only add bits in symbol 9.
    EXPECT_EQ(none.substr(0, 7), one.substr(0, 7));
    EXPECT_NE(none[7], one[7]);
    EXPECT_EQ(none[8], one[8]);
    EXPECT_EQ(encodeObjectSection(objects, Shield::Two).substr(0, 8), one.substr(0, 8));
    EXPECT_NE(encodeObjectSection(objects, Shield::Two)[8], one[8]);
    objects[35] = true;
    EXPECT_EQ(encodeObjectSection(objects, Shield::None).substr(0, 8), none.substr(0, 8));
    EXPECT_NE(encodeObjectSection(objects, Shield::None)[8], none[8]);
}

TEST(Sections, FieldsThatCannotBeEncodedThrow)
{
    for (const std::string bad : {"12", "1234", "1a2", " 12", "", "-12"}) {
        EXPECT_THROW(encodeCounterSection({bad, "100", "100"}), InvalidArgument) << '"' << bad << '"';
    }
    EXPECT_THROW(encodeVitalitySection({32, 6, 1, 6}), InvalidArgument);
    EXPECT_THROW(encodeVitalitySection({1, 6, 1, -1}), InvalidArgument);
    EXPECT_THROW(encodeWarriorSection(4), InvalidArgument);
    EXPECT_THROW(encodeWarriorSection(-1), InvalidArgument);
}

} // namespace
} // namespace quandrel
