#include "editor/EditorModel.h"
#include "codec/Alphabets.h"
#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/Sections.h"
#include "support/CounterKeys.h"
#include "support/PasswordEdits.h"
#include "support/RandomState.h"

#include <gtest/gtest.h>

namespace quandrel {
namespace {

const std::string& kInitial = test::kInitialPassword;

// A model whose clock counts the assemblies, so every checksum line says which one it was.
class EditorModelTest : public ::testing::Test {
protected:
    EditorModelTest() : model([this] { return "assembly " + std::to_string(++assemblies); }) { model.Form_Load(); }

    const EditorControls& c() const { return model.controls(); }

    void typeInto(int box, const std::string& keys) { test::typeCounterKeys(model, box, keys); }

    void load(const std::string& text) { model.showDecoded(decodeSlotText(text)); }

    int assemblies = 0;
    EditorModel model;
};

TEST_F(EditorModelTest, StartsWithTheInitialPasswordAndItsSections)
{
    EXPECT_EQ(c().password, kInitial);
    const Sections sections = encodeSections(GameState{});
    for (std::size_t s = 0; s < sections.size(); ++s) {
        EXPECT_EQ(c().sections[s], sections[s]);
    }
    EXPECT_EQ(c().sections[5], "4A  ->  assembly 1");
    EXPECT_EQ(model.displayGroup(0), "UR3Q");
    EXPECT_EQ(model.displayGroup(10), "URS4");
    EXPECT_EQ(model.displayGroup(11), "A");
    EXPECT_EQ(model.shownState(), GameState{});
}

TEST_F(EditorModelTest, ObjectClicksToggleBordersExceptTheWorldBoundObject)
{
    model.Image4_Click(0);
    model.Image4_Click(36);
    model.Image4_Click(7);
    GameState expected;
    expected.objects[0] = expected.objects[36] = true;
    EXPECT_EQ(c().password, encodePassword(expected));
    model.Image4_Click(0);
    expected.objects[0] = false;
    EXPECT_EQ(c().password, encodePassword(expected));
    EXPECT_FALSE(c().selectAllBorder);
}

TEST_F(EditorModelTest, ShieldPlaceCyclesFromTheNoShieldPicture)
{
    // The first click leaves the counter's 0 for 1 and shows no shield again.
    const Shield cycle[] = {Shield::None, Shield::One, Shield::Two, Shield::Three, Shield::None, Shield::One};
    for (const Shield shield : cycle) {
        const int visible = shield == Shield::None ? 40 : 36 + static_cast<int>(shield);
        int shownPicture = -1;
        for (int i = 37; i <= 40; ++i) {
            if (c().objectVisible[static_cast<std::size_t>(i)]) {
                shownPicture = i;
            }
        }
        model.Image4_Click(shownPicture);
        for (int i = 37; i <= 40; ++i) {
            EXPECT_EQ(c().objectVisible[static_cast<std::size_t>(i)], i == visible) << "picture " << i;
        }
        GameState expected;
        expected.shield = shield;
        EXPECT_EQ(c().password, encodePassword(expected));
    }
}

TEST_F(EditorModelTest, AnObjectClickStartsTheShieldCounterWithoutAdvancingIt)
{
    model.Image4_Click(3);
    EXPECT_EQ(c().shieldCounter, 1);
    model.Image4_Click(40);
    EXPECT_TRUE(c().objectVisible[40]);
    model.Image4_Click(40);
    EXPECT_TRUE(c().objectVisible[37]);
}

TEST_F(EditorModelTest, HiddenPicturesTakeNoClicks)
{
    const EditorControls before = c();
    model.Image4_Click(38);
    model.Image5_Click(2);
    EXPECT_EQ(c(), before);
}

TEST_F(EditorModelTest, SelectAllMarksAndClearsEveryObjectButTheWorldBoundOne)
{
    model.Image8_Click();
    GameState expected;
    expected.objects.fill(true);
    expected.objects[7] = false;
    EXPECT_EQ(c().password, encodePassword(expected));
    EXPECT_TRUE(c().selectAllBorder);
    model.Image4_Click(5); // one by one never touches the switch
    EXPECT_TRUE(c().selectAllBorder);
    model.Image8_Click();
    EXPECT_EQ(c().password, kInitial);
    EXPECT_FALSE(c().selectAllBorder);
}

TEST_F(EditorModelTest, WorldClickFinishesEarlierWorldsAndClosesLaterOnes)
{
    model.Label3_Click(3);
    GameState expected;
    for (std::size_t w = 0; w < 3; ++w) {
        expected.worlds[w] = {WorldState::BossKilled, {true, true, true, true}};
    }
    expected.worlds[3].state = WorldState::Active;
    expected.objects[7] = true;
    EXPECT_EQ(model.shownState(), expected);
    EXPECT_EQ(c().password, encodePassword(expected));
    // Each of the twelve flags that changed assembled at once, then the click's own assembly.
    EXPECT_EQ(assemblies, 1 + 12 + 1);
    EXPECT_EQ(c().sections[5].substr(2), "  ->  assembly 14");
}

TEST_F(EditorModelTest, RepeatedClicksAlternateActiveAndOpen)
{
    struct Step {
        int world;
        WorldState state;
        bool worldBoundObject;
    };
    const Step steps[] = {
        {0, WorldState::Active, true}, {0, WorldState::Open, false},  {0, WorldState::Active, true},
        {9, WorldState::Active, true}, {4, WorldState::Active, true}, {4, WorldState::Open, false},
    };
    for (const auto& step : steps) {
        model.Label3_Click(step.world);
        const GameState shown = model.shownState();
        for (int w = 0; w < kWorldCount; ++w) {
            const auto& world = shown.worlds[static_cast<std::size_t>(w)];
            const WorldState expected = w < step.world    ? WorldState::BossKilled
                                        : w == step.world ? step.state
                                                          : WorldState::Closed;
            EXPECT_EQ(world.state, expected) << "world " << w;
            for (const bool flag : world.flags) {
                EXPECT_EQ(flag, w < step.world) << "world " << w;
            }
        }
        EXPECT_EQ(shown.objects[7], step.worldBoundObject);
        EXPECT_EQ(c().password, encodePassword(shown));
    }
}

TEST_F(EditorModelTest, WarriorCycleStartsWithTheStartUpState)
{
    const char symbols[] = {'S', 'P', 'D', '9', 'S'};
    for (int click = 0; click < 5; ++click) {
        const EditorControls before = c();
        int visible = 0;
        while (!c().warriorVisible[static_cast<std::size_t>(visible)]) {
            ++visible;
        }
        model.Image5_Click(visible);
        EXPECT_EQ(c().sections[4], std::string(1, symbols[click]));
        GameState expected;
        expected.warrior = click % 4;
        EXPECT_EQ(model.shownState(), expected);
        EXPECT_EQ(c().password, encodePassword(expected));
        if (click == 0) {
            EXPECT_EQ(c().password, before.password);
        }
    }
}

TEST_F(EditorModelTest, WarriorClickAfterALoadShowsACompleteState)
{
    load(std::string(kInitial).substr(0, 42) + "D");
    EXPECT_EQ(model.shownState().warrior, 2);
    EXPECT_EQ(c().warriorCounter, 0); // a load does not move the cycle
    model.Image5_Click(0);
    // State 0 shows both warriors again, where the lower place would otherwise stay empty.
    EXPECT_EQ(c().warriorVisible, (std::array<bool, 4>{true, true, false, false}));
    EXPECT_EQ(c().password, kInitial);
}

TEST_F(EditorModelTest, PlusAndMinusStepTheChosenRowWithinLimits)
{
    struct Case {
        std::array<int, 4> before;
        int row;
        int button; // 0 "-", 1 "+"
        std::array<int, 4> after;
    };
    const Case cases[] = {
        {{1, 6, 1, 6}, 0, 1, {2, 6, 1, 6}},
        {{31, 6, 1, 6}, 0, 1, {31, 6, 1, 6}},
        {{1, 6, 1, 6}, 1, 1, {1, 6, 1, 6}},
        {{1, 5, 1, 6}, 1, 1, {1, 6, 1, 6}},
        {{1, 6, 1, 6}, 3, 0, {1, 6, 1, 5}},
        {{0, 6, 1, 6}, 0, 0, {0, 6, 1, 6}},
        {{1, 6, 1, 6}, 2, 0, {1, 6, 0, 6}},
        // Loaded experience beyond 6 is cut back by a "+" on any row, but not by a "-".
        {{1, 20, 1, 31}, 0, 1, {2, 6, 1, 6}},
        {{1, 20, 1, 31}, 2, 0, {1, 20, 0, 31}},
    };
    for (const auto& test : cases) {
        GameState state;
        state.values = test.before;
        load(encodePassword(state));
        model.Option1_Click(test.row);
        model.Command1_Click(test.button);
        state.values = test.after;
        EXPECT_EQ(c().values, test.after) << "row " << test.row << " button " << test.button;
        EXPECT_EQ(c().password, encodePassword(state));
        EXPECT_EQ(c().sections[1], encodeVitalitySection(test.after));
    }
}

TEST_F(EditorModelTest, TypingThreeDigitsEncodesTheCounter)
{
    model.Text1_Click(1);
    EXPECT_EQ(c().counterText[1], "");
    EXPECT_EQ(c().password, kInitial); // an incomplete counter keeps the old value

    struct Key {
        char key;
        std::string text;
        TextColour colour;
    };
    const Key keys[] = {
        {'0', "0", TextColour::Red},  {'x', "0", TextColour::Red},          {'\b', "0", TextColour::Red},
        {'4', "04", TextColour::Red}, {'2', "042", TextColour::WindowText},
    };
    for (const auto& key : keys) {
        typeInto(1, std::string(1, key.key));
        EXPECT_EQ(c().counterText[1], key.text) << "after " << key.key;
        EXPECT_EQ(c().counterColour[1], key.colour) << "after " << key.key;
    }
    GameState expected;
    expected.counters[1] = "042";
    EXPECT_EQ(c().password, encodePassword(expected));
}

TEST_F(EditorModelTest, KeyFilterPassesOnlyDigits)
{
    const std::pair<int, int> cases[] = {{'0', '0'}, {'9', '9'}, {'a', 0}, {8, 0}, {13, 0}, {'/', 0}, {':', 0}};
    for (const auto& [code, passed] : cases) {
        int key = code;
        model.Text1_KeyPress(0, key);
        EXPECT_EQ(key, passed) << "code " << code;
    }
}

TEST_F(EditorModelTest, CompletingOneCounterFillsIncompleteOnesWith999)
{
    model.Text1_Click(0);
    typeInto(0, "7");
    model.Text1_Click(2);
    model.Text1_Click(1);
    typeInto(1, "123");
    EXPECT_EQ(c().counterText, (std::array<std::string, 3>{"999", "123", "999"}));
    EXPECT_EQ(c().counterColour[0], TextColour::Red); // the fill keeps the colour
    GameState expected;
    expected.counters = {"999", "123", "999"};
    EXPECT_EQ(c().password, encodePassword(expected));
}

TEST_F(EditorModelTest, EditedTextThatIsNotAllDigitsIsRefused)
{
    const std::pair<std::string, bool> cases[] = {{"12a", false}, {"-12", false}, {"1 2", false}, {"1234", false},
                                                  {"", true},     {"55", true},   {"555", true}};
    for (const auto& [text, accepted] : cases) {
        const std::string before = c().counterText[2];
        EXPECT_EQ(model.Text1_Change(2, text), accepted) << text;
        EXPECT_EQ(c().counterText[2], accepted ? text : before);
    }
    GameState expected;
    expected.counters[2] = "555";
    EXPECT_EQ(c().password, encodePassword(expected));
}

TEST_F(EditorModelTest, KeyBufferKeepsTheLastEightKeysOfAllBoxes)
{
    struct Case {
        std::vector<std::pair<int, std::string>> typing; // box, keys
        std::string buffer;
        bool triggered;
    };
    const Case cases[] = {
        {{{0, "trevanox"}}, "trevanox", true},          {{{0, "12trevanox"}}, "trevanox", true},
        {{{0, "trev"}, {2, "anox"}}, "trevanox", true}, {{{1, "Trevanox"}}, "Trevanox", false},
        {{{1, "trev\banox"}}, "rev\banox", false},      {{{1, "trevanox5"}}, "revanox5", false},
    };
    for (const auto& test : cases) {
        EditorModel fresh;
        bool triggered = false;
        for (const auto& [box, keys] : test.typing) {
            for (const char key : keys) {
                int code = static_cast<unsigned char>(key);
                triggered = fresh.Text1_KeyPress(box, code);
            }
        }
        EXPECT_EQ(fresh.controls().keyBuffer, test.buffer);
        EXPECT_EQ(triggered, test.triggered) << test.buffer;
        EXPECT_EQ(fresh.controls().counterText, (std::array<std::string, 3>{"100", "100", "100"}));
    }
}

TEST_F(EditorModelTest, LoadingAPasswordShowsItsStateAndTheSamePassword)
{
    std::mt19937 rng(11);
    for (int i = 0; i < 300; ++i) {
        const GameState state = test::randomState(rng);
        const std::string password = encodePassword(state);
        load(password);
        ASSERT_EQ(c().password, password);
        ASSERT_EQ(model.shownState(), state);
        const Sections sections = encodeSections(state);
        for (std::size_t s = 0; s < sections.size(); ++s) {
            ASSERT_EQ(c().sections[s], sections[s]) << "section " << s;
        }
    }
}

TEST_F(EditorModelTest, LoadingKeepsTheRowTheCountersAndTheColours)
{
    model.Option1_Click(2);
    model.Image4_Click(40);
    model.Image4_Click(40);
    model.Image5_Click(0);
    model.Text1_Click(0);
    typeInto(0, "4");
    const EditorControls before = c();
    load(std::string(kInitial).substr(0, 42) + "9");
    EXPECT_EQ(c().selectedRow, before.selectedRow);
    EXPECT_EQ(c().shieldCounter, before.shieldCounter);
    EXPECT_EQ(c().warriorCounter, before.warriorCounter);
    EXPECT_EQ(c().counterColour, before.counterColour);
    EXPECT_EQ(c().counterText[0], "100");
}

TEST(EditorModelNewGameTest, NewGameIsAFreshStartWhereALoadOfTheSamePasswordKeepsTheCycles)
{
    const auto noon = [] { return std::string("12:00:00"); };
    EditorModel fresh(noon);
    fresh.Form_Load();
    EditorModel model(noon);
    model.Form_Load();
    // Every control a load leaves alone, moved: the row, both cycles, a red counter, typed keys.
    model.Option1_Click(3);
    model.Command1_Click(1);
    model.Image4_Click(40);
    model.Image4_Click(37);
    model.Image5_Click(0);
    model.Image5_Click(1);
    model.Label3_Click(4);
    model.Image8_Click();
    model.Text1_Click(1);
    int key = '7';
    model.Text1_KeyPress(1, key);
    model.Text1_Change(1, "7");

    model.loadDecoded(decodeSlotText(kInitial));
    EXPECT_EQ(model.controls().password, kInitial);
    EXPECT_NE(model.controls().shieldCounter, fresh.controls().shieldCounter);
    EXPECT_NE(model.controls().warriorCounter, fresh.controls().warriorCounter);
    EXPECT_NE(model.controls().selectedRow, fresh.controls().selectedRow);
    EXPECT_NE(model.controls().counterColour, fresh.controls().counterColour);

    model.newGame();
    EXPECT_EQ(model.controls(), fresh.controls());
    EXPECT_EQ(model.actionLabel(), "New game");
    // And the cycles start again as they do after a start: the first click shows the first choice.
    for (EditorModel* m : {&model, &fresh}) {
        m->Image4_Click(40);
        m->Image5_Click(0);
    }
    EXPECT_EQ(model.controls(), fresh.controls());
}

TEST_F(EditorModelTest, LoadedCodesNoWriterProducesKeepTheirControls)
{
    model.Label3_Click(0); // world 1 Active
    model.Image4_Click(40);
    model.Image4_Click(40); // shield 1
    // World 1's state code 011 and the shield bits 0,1,0 are no one's; "3" is no warrior symbol.
    std::string bits(215, '0');
    bits[91] = bits[92] = '1';
    bits[207] = '1';
    std::string text;
    for (int k = 0; k < 43; ++k) {
        const int p = positionInGroup(k + 1);
        text += symbolFor(std::stoi(bits.substr(static_cast<std::size_t>(5 * k), 5), nullptr, 2), p);
    }
    load(text);
    const GameState shown = model.shownState();
    EXPECT_EQ(shown.worlds[0].state, WorldState::Active);
    EXPECT_EQ(shown.shield, Shield::One);
    EXPECT_EQ(shown.warrior, 0);
    // The window encodes what it shows, so its password differs from the slot text there.
    EXPECT_EQ(c().password, encodePassword(shown));
    EXPECT_NE(c().password.substr(0, 43), text);
}

TEST_F(EditorModelTest, AFailedDecodeChangesNothing)
{
    model.Image4_Click(3);
    const EditorControls before = c();
    EXPECT_THROW(load("ur3q"), InvalidSymbol);
    EXPECT_EQ(c(), before);
}

TEST_F(EditorModelTest, ListenersHearOncePerHandler)
{
    int heard = 0;
    model.addChangeListener([&heard] { ++heard; });
    model.Label3_Click(9); // 36 nested assemblies
    EXPECT_EQ(heard, 1);
    load(kInitial);
    EXPECT_EQ(heard, 2);
    model.Text1_Click(0);
    typeInto(0, "12");
    EXPECT_EQ(heard, 2 + 1 + 2 + 2);
}

} // namespace
} // namespace quandrel
