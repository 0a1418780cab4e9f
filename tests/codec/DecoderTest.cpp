#include "codec/Decoder.h"
#include "SectionReference.h"
#include "codec/Alphabets.h"
#include "codec/Password.h"
#include "support/RandomState.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

// The 215-bit text of a password body, written as symbols.
std::string textOfBits(const std::string& bits) { return test::symbolsOfBitText(bits, 1); }

std::string bitsWithOnes(const std::vector<int>& ones)
{
    std::string bits(kBodyBits, '0');
    for (const int n : ones) {
        bits[static_cast<std::size_t>(n - 1)] = '1';
    }
    return bits;
}

TEST(Decoder, RandomStatesRoundTrip)
{
    std::mt19937 rng(42);
    for (int i = 0; i < 5000; ++i) {
        const GameState state = test::randomState(rng);
        const std::string password = encodePassword(state);
        // Every field is decoded, so the state before the load does not matter.
        EXPECT_EQ(applyDecoded(decodeSlotText(password), test::randomState(rng)), state) << password;
    }
}

TEST(Decoder, EmptyTextReadsAsZeroBitsAndKeepsTheWarrior)
{
    const DecodedState decoded = decodeSlotText("");
    EXPECT_EQ(decoded.counters, (std::array<std::string, 3>{"000", "000", "000"}));
    EXPECT_EQ(decoded.values, (std::array<int, 4>{0, 0, 0, 0}));
    for (std::size_t w = 0; w < decoded.worldStates.size(); ++w) {
        EXPECT_EQ(decoded.worldStates[w], WorldState::Closed);
        EXPECT_EQ(decoded.flags[w], (std::array<bool, 4>{}));
    }
    EXPECT_EQ(decoded.objects, (std::array<bool, kObjectCount>{}));
    EXPECT_EQ(decoded.shield, Shield::None);
    EXPECT_EQ(decoded.warrior, std::nullopt);
}

TEST(Decoder, ChecksumIsNeverReadAndMissingCharactersAreZero)
{
    const std::string password = initialPassword();
    const DecodedState expected = decodeSlotText(password);
    for (const std::string suffix : {"", "0", "ZZ", "zz!", "4A and more"}) {
        EXPECT_EQ(decodeSlotText(password.substr(0, 43) + suffix), expected) << suffix;
    }
    // Without character 43 the warrior is left as it was; everything else still decodes.
    DecodedState short42 = decodeSlotText(password.substr(0, 42));
    EXPECT_EQ(short42.warrior, std::nullopt);
    short42.warrior = expected.warrior;
    EXPECT_EQ(short42, expected);
}

TEST(Decoder, InvalidSymbolsFailWithTheirPlace)
{
    struct Case {
        std::string text;
        int position;
        char character;
    };
    const std::string body = initialPassword();
    const Case cases[] = {
        {"ur3q", 1, 'u'},
        {body.substr(0, 5) + "C" + body.substr(6), 6, 'C'}, // position 2 has no "C"
        {body.substr(0, 42) + "Z", 43, 'Z'},
        {body.substr(0, 20) + std::string(1, '\0') + body.substr(21), 21, '\0'},
        {"U7F", 3, 'F'},
    };
    for (const auto& c : cases) {
        try {
            decodeSlotText(c.text);
            ADD_FAILURE() << c.text << " decoded";
        } catch (const InvalidSymbol& error) {
            EXPECT_EQ(error.position(), c.position);
            EXPECT_EQ(error.character(), c.character);
            EXPECT_NE(std::string(error.what()).find("position " + std::to_string(c.position) + ": "),
                      std::string::npos)
                << error.what();
            EXPECT_NE(std::string(error.what()).find(quotedCharacter(c.character)), std::string::npos);
        }
    }
}

// Each bit that the decoder reads, by field; every other bit is lost on a load.
std::string fieldOfBit(int n)
{
    const std::pair<int, const char*> counters[] = {{1, "arrows"}, {17, "coins"}, {33, "keys"}};
    for (const auto& [first, name] : counters) {
        if ((n >= first && n < first + 8) || (n >= first + 12 && n < first + 16)) {
            return name;
        }
    }
    for (int k = 0; k < 4; ++k) {
        const int first = 75 - 8 * k;
        if (n >= first && n < first + 5) {
            return "value" + std::to_string(k);
        }
    }
    const int flagBits[10] = {86, 94, 102, 110, 118, 127, 134, 142, 150, 158};
    const int stateBits[10] = {91, 99, 107, 115, 123, 131, 139, 147, 155, 162};
    for (int w = 0; w < 10; ++w) {
        if (n >= flagBits[w] && n < flagBits[w] + 4) {
            return "flag" + std::to_string(4 * w + n - flagBits[w]);
        }
        if (n >= stateBits[w] && n < stateBits[w] + 3) {
            return "world" + std::to_string(w);
        }
    }
    if (n >= 166 && n <= 171) {
        return "object" + std::to_string(n - 166);
    }
    if (n >= 176 && n <= 204) {
        return "object" + std::to_string(n - 170);
    }
    if (n == 206 || n == 207) {
        return "object" + std::to_string(n - 171);
    }
    if (n == 205 || n == 208 || n == 209) {
        return "shield";
    }
    return "";
}

std::vector<std::string> changedFields(const DecodedState& a, const DecodedState& b)
{
    std::vector<std::string> fields;
    const char* names[] = {"arrows", "coins", "keys"};
    for (std::size_t c = 0; c < 3; ++c) {
        if (a.counters[c] != b.counters[c]) {
            fields.push_back(names[c]);
        }
    }
    for (std::size_t k = 0; k < 4; ++k) {
        if (a.values[k] != b.values[k]) {
            fields.push_back("value" + std::to_string(k));
        }
    }
    for (std::size_t w = 0; w < 10; ++w) {
        for (std::size_t f = 0; f < 4; ++f) {
            if (a.flags[w][f] != b.flags[w][f]) {
                fields.push_back("flag" + std::to_string(4 * w + f));
            }
        }
        if (a.worldStates[w] != b.worldStates[w]) {
            fields.push_back("world" + std::to_string(w));
        }
    }
    for (std::size_t k = 0; k < kObjectCount; ++k) {
        if (a.objects[k] != b.objects[k]) {
            fields.push_back("object" + std::to_string(k));
        }
    }
    if (a.shield != b.shield) {
        fields.push_back("shield");
    }
    return fields;
}

TEST(Decoder, EachBitIsReadIntoItsFieldOrLost)
{
    const DecodedState zero = decodeSlotText(textOfBits(std::string(kBodyBits, '0')));
    const std::string zeroPassword = encodePassword(applyDecoded(zero, GameState{}));
    // Bits 211 to 215 are the warrior symbol, read as a character rather than as bits.
    for (int n = 1; n <= 210; ++n) {
        const std::string text = textOfBits(bitsWithOnes({n}));
        const DecodedState decoded = decodeSlotText(text);
        const std::string field = fieldOfBit(n);
        const auto changed = changedFields(zero, decoded);
        if (field.empty()) {
            EXPECT_TRUE(changed.empty()) << "bit " << n << " changed " << changed.front();
            // The bit is gone from the password built after the load, with a checksum to match.
            EXPECT_EQ(encodePassword(applyDecoded(decoded, GameState{})), zeroPassword) << "bit " << n;
        } else {
            EXPECT_EQ(changed, std::vector<std::string>{field}) << "bit " << n;
        }
    }
}

TEST(Decoder, CodesNoWriterProducesLeaveTheirFieldUnchanged)
{
    // World 0 with code 011, shield bits 0,1,0, and "U" as body character 43.
    DecodedState decoded = decodeSlotText(textOfBits(bitsWithOnes({92, 93, 208})));
    EXPECT_EQ(decoded.worldStates[0], std::nullopt);
    EXPECT_EQ(decoded.worldStates[1], WorldState::Closed);
    EXPECT_EQ(decoded.shield, std::nullopt);
    EXPECT_EQ(decoded.warrior, std::nullopt);

    GameState before;
    before.worlds[0].state = WorldState::BossKilled;
    before.shield = Shield::Three;
    before.warrior = 2;
    const GameState after = applyDecoded(decoded, before);
    EXPECT_EQ(after.worlds[0].state, WorldState::BossKilled);
    EXPECT_EQ(after.shield, Shield::Three);
    EXPECT_EQ(after.warrior, 2);

    const std::pair<std::vector<int>, std::optional<Shield>> shields[] = {
        {{}, Shield::None},
        {{205}, Shield::One},
        {{205, 208}, Shield::Two},
        {{205, 209}, Shield::Three},
        {{205, 208, 209}, std::nullopt},
        {{209}, std::nullopt},
    };
    for (const auto& [ones, shield] : shields) {
        EXPECT_EQ(decodeSlotText(textOfBits(bitsWithOnes(ones))).shield, shield);
    }
}

TEST(Decoder, CounterGroupsThatAreNoDigitReadAsZero)
{
    // Arrows: tens group 1100, units 0111, hundreds 0000.
    EXPECT_EQ(decodeSlotText(textOfBits(bitsWithOnes({1, 2, 6, 7, 8}))).counters[0], "007");
    EXPECT_EQ(decodeSlotText(textOfBits(bitsWithOnes({13, 15}))).counters[0], "000"); // hundreds 1010
}

TEST(Decoder, ExperienceBeyondTheButtonLimitLoads)
{
    GameState state;
    state.values = {31, 20, 0, 31};
    EXPECT_EQ(decodeSlotText(encodePassword(state)).values, state.values);
}

TEST(Decoder, WarriorIsReadFromTheCharacterItself)
{
    const std::string body = initialPassword().substr(0, 42);
    const std::pair<char, std::optional<int>> cases[] = {
        {'S', 0}, {'P', 1}, {'D', 2}, {'9', 3}, {'3', std::nullopt}, {'L', std::nullopt}};
    for (const auto& [symbol, warrior] : cases) {
        EXPECT_EQ(decodeSlotText(body + symbol).warrior, warrior) << symbol;
    }
}

} // namespace
} // namespace quandrel
