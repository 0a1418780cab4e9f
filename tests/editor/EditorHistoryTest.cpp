#include "editor/EditorHistory.h"
#include "codec/Password.h"
#include "editor/EditorModel.h"
#include "editor/Presets.h"

#include <gtest/gtest.h>

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

    void type(int box, const std::string& keys)
    {
        for (const char key : keys) {
            int code = static_cast<unsigned char>(key);
            model.Text1_KeyPress(box, code);
            const std::string& text = model.controls().counterText[static_cast<std::size_t>(box)];
            if (code != 0 && text.size() < 3) {
                model.Text1_Change(box, text + static_cast<char>(code));
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

TEST_F(EditorHistoryTest, PresetsAreSingleUndoableActions)
{
    model.Image8_Click();
    const EditorControls marked = model.controls();
    model.applyPreset(everythingPreset());
    EXPECT_EQ(model.shownState(), everythingPreset());
    EXPECT_FALSE(model.controls().selectAllBorder);
    model.applyPreset(newGamePreset());
    EXPECT_EQ(model.controls().password, initialPassword());
    history.undo();
    history.undo();
    EXPECT_EQ(model.controls(), marked);
}

} // namespace
} // namespace quandrel
