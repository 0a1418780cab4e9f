#include "editor/EditorHistory.h"
#include "codec/Password.h"
#include "editor/EditorModel.h"
#include "editor/Presets.h"
#include "support/CounterKeys.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace quandrel {
namespace {

class EditorHistoryTest : public ::testing::Test {
protected:
    EditorModel model{[] { return std::string("12:00:00"); }};
    const bool loaded = [this] {
        model.Form_Load();
        return true;
    }();
    EditorHistory history{model};

    void type(int box, const std::string& keys) { test::typeCounterKeys(model, box, keys); }

    // One random click or key, as the window would forward it.
    void randomAction(std::mt19937& rng)
    {
        auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
        switch (below(8)) {
        case 0:
        case 1:
            model.Image4_Click(below(kObjectPictureCount));
            break;
        case 2:
            model.Label3_Click(below(kWorldCount));
            break;
        case 3:
            model.Image5_Click(below(kWarriorPictureCount));
            break;
        case 4:
            model.Option1_Click(below(4));
            break;
        case 5:
            model.Command1_Click(below(2));
            break;
        case 6:
            model.Image8_Click();
            break;
        default: {
            const int box = below(kCounterCount);
            model.Text1_Click(box);
            type(box, std::string(1, "0123456789\b"[below(11)]));
            break;
        }
        }
    }
};

TEST_F(EditorHistoryTest, UndoAndRedoWalkThroughWholeStates)
{
    const EditorControls start = model.controls();
    model.Image4_Click(3);
    const EditorControls afterObject = model.controls();
    model.Label3_Click(4);
    const EditorControls afterWorld = model.controls();

    history.undo();
    EXPECT_EQ(model.controls(), afterObject);
    history.undo();
    EXPECT_EQ(model.controls(), start);
    EXPECT_FALSE(history.canUndo());
    history.redo();
    history.redo();
    EXPECT_EQ(model.controls(), afterWorld);
    EXPECT_FALSE(history.canRedo());

    history.undo();
    model.Image4_Click(5); // a new action drops what could be redone
    EXPECT_FALSE(history.canRedo());
}

TEST_F(EditorHistoryTest, ListenersToARestoreSeeTheSettledHistory)
{
    model.Image4_Click(3);
    std::vector<std::pair<bool, bool>> seen;
    model.addChangeListener([&] { seen.emplace_back(history.canUndo(), history.canRedo()); });
    history.undo();
    history.redo();
    EXPECT_EQ(seen, (std::vector<std::pair<bool, bool>>{{false, true}, {true, false}}));
}

TEST_F(EditorHistoryTest, ACounterEntryIsOneStepOnceComplete)
{
    const EditorControls start = model.controls();
    model.Text1_Click(0);
    type(0, "04");
    EXPECT_TRUE(history.canUndo());
    type(0, "2");
    model.Command1_Click(1);
    history.undo();
    GameState typed;
    typed.counters[0] = "042";
    EXPECT_EQ(model.controls().password, encodePassword(typed));
    history.undo();
    EXPECT_EQ(model.controls(), start);
    EXPECT_FALSE(history.canUndo());
}

TEST_F(EditorHistoryTest, UndoDuringAnEntryRestoresTheCounter)
{
    model.Text1_Click(2);
    type(2, "7");
    history.undo();
    EXPECT_EQ(model.controls().counterText[2], "100");
    history.redo();
    EXPECT_EQ(model.controls().counterText[2], "7");
}

TEST_F(EditorHistoryTest, ClicksThatChangeNothingAreNoSteps)
{
    model.Image4_Click(7); // the world-bound object is not toggled by hand
    type(1, "x");          // a refused key
    EXPECT_FALSE(history.canUndo());
}

TEST_F(EditorHistoryTest, TheOldestStepsAreDropped)
{
    // Each click on an object toggles it: one step each.
    for (std::size_t i = 0; i <= EditorHistory::kMaxUndoSteps; ++i) {
        model.Image4_Click(static_cast<int>(i % 2));
    }
    EXPECT_EQ(history.undoSteps(), EditorHistory::kMaxUndoSteps);
    GameState firstClick;
    firstClick.objects[0] = true;
    for (std::size_t i = 0; i < EditorHistory::kMaxUndoSteps; ++i) {
        history.undo();
    }
    EXPECT_FALSE(history.canUndo());
    EXPECT_EQ(model.shownState(), firstClick);
    for (std::size_t i = 0; i < EditorHistory::kMaxUndoSteps; ++i) {
        history.redo();
    }
    EXPECT_FALSE(history.canRedo());
    EXPECT_EQ(model.shownState(), firstClick);
}

// Long use keeps at most the newest steps, in bounded memory, and every step gives back exactly the
// controls it was made from.
TEST_F(EditorHistoryTest, LongRandomUseKeepsMemoryFlat)
{
    std::mt19937 rng(12);
    std::vector<EditorControls> shown;
    for (int click = 1; click <= 100000; ++click) {
        randomAction(rng);
        if (click % 1000 == 0) {
            ASSERT_LE(history.undoSteps(), EditorHistory::kMaxUndoSteps);
            // Each step is a plain copy of the controls: together under a megabyte at the most steps.
            ASSERT_LE(history.storedBytes(), EditorHistory::kMaxUndoSteps * 1024) << "after " << click << " clicks";
        }
        if (click > 99000) {
            shown.push_back(model.controls());
        }
    }
    // Undoing walks back through the states shown, a step at a time (clicks that changed nothing
    // and unfinished counter entries left out).
    while (history.canUndo()) {
        const EditorControls before = model.controls();
        history.undo();
        const auto found = std::find(shown.begin(), shown.end(), model.controls());
        if (found == shown.end()) {
            break; // back before the recorded clicks
        }
        shown.erase(found, shown.end());
        ASSERT_NE(model.controls(), before);
    }
}

TEST_F(EditorHistoryTest, PresetsAreSingleUndoableActions)
{
    model.Image8_Click();
    const EditorControls marked = model.controls();
    model.applyPreset(everythingPreset());
    EXPECT_EQ(model.shownState(), everythingPreset());
    EXPECT_FALSE(model.controls().selectAllBorder);
    model.newGame();
    EXPECT_EQ(model.controls().password, initialPassword());
    history.undo();
    history.undo();
    EXPECT_EQ(model.controls(), marked);
}

} // namespace
} // namespace quandrel
