#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/Sections.h"
#include "editor/EditorModel.h"
#include "gui/SlotCommands.h"
#include "slotfile/SlotError.h"
#include "support/CounterKeys.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <random>

namespace quandrel {
namespace {

constexpr unsigned kSeed = 20261210;
constexpr int kSteps = 20000;

// One random user action, as the window would forward it; returns a description for failures.
std::string randomAction(std::mt19937& rng, EditorModel& model, SlotCommands& slots)
{
    auto below = [&rng](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    switch (below(13)) {
    case 0: {
        const int picture = below(41);
        model.Image4_Click(picture);
        return "Image4_Click " + std::to_string(picture);
    }
    case 1:
        model.Image8_Click();
        return "Image8_Click";
    case 2: {
        const int world = below(10);
        model.Label3_Click(world);
        return "Label3_Click " + std::to_string(world);
    }
    case 3: {
        const int picture = below(4);
        model.Image5_Click(picture);
        return "Image5_Click " + std::to_string(picture);
    }
    case 4: {
        const int row = below(4);
        model.Option1_Click(row);
        return "Option1_Click " + std::to_string(row);
    }
    case 5: {
        const int button = below(2);
        model.Command1_Click(button);
        return "Command1_Click " + std::to_string(button);
    }
    case 6: {
        const int box = below(3);
        model.Text1_Click(box);
        return "Text1_Click " + std::to_string(box);
    }
    case 7:
    case 8: {
        // A key as a box would see it: filtered first, inserted only if it passed and fits.
        const int box = below(3);
        static const std::string keys = "0123456789trevanoxTZ\b\r\x1b ";
        const char key = keys[static_cast<std::size_t>(below(static_cast<int>(keys.size())))];
        test::typeCounterKey(model, box, key);
        return "key " + std::to_string(static_cast<unsigned char>(key)) + " into box " + std::to_string(box);
    }
    case 9: {
        // Text that arrives without the key filter, as a paste would bring it.
        const int box = below(3);
        static const std::string pasted[] = {"", "7", "42", "123", "12a", "9999", " 1"};
        const std::string& text = pasted[below(7)];
        model.Text1_Change(box, text);
        return "paste \"" + text + "\" into box " + std::to_string(box);
    }
    case 10: {
        const int box = below(3);
        bool triggered = false;
        for (const char letter : EditorModel::kTriggerWord) {
            int code = letter;
            triggered = model.Text1_KeyPress(box, code);
        }
        EXPECT_TRUE(triggered);
        return "the trigger word into box " + std::to_string(box);
    }
    case 11: {
        const int slot = below(5);
        slots.Command2_Click(slot);
        return "Command2_Click " + std::to_string(slot);
    }
    default: {
        const int slot = below(5);
        slots.Command3_Click(slot);
        return "Command3_Click " + std::to_string(slot);
    }
    }
}

// What must hold after every action: the display, the checksum, the cache and the fields shown agree.
void checkConsistent(const EditorModel& model)
{
    const auto& c = model.controls();
    std::string joined;
    for (int g = 0; g < 12; ++g) {
        joined += model.displayGroup(g);
    }
    ASSERT_EQ(joined, c.password);
    ASSERT_EQ(c.password.size(), 45U);
    ASSERT_EQ(c.password.substr(43), checksumOf(c.password.substr(0, 43)));

    const GameState shown = model.shownState();
    GameState decoded = applyDecoded(decodeSlotText(c.password), GameState{});
    const Sections sections = encodeSections([&] {
        GameState encodable = shown;
        encodable.counters = decoded.counters; // incomplete counters keep their last complete value
        return encodable;
    }());
    for (std::size_t b = 0; b < 3; ++b) {
        if (c.counterText[b].size() == 3) {
            ASSERT_EQ(decoded.counters[b], c.counterText[b]) << "counter " << b;
        }
    }
    decoded.counters = shown.counters;
    ASSERT_EQ(decoded, shown);
    for (std::size_t s = 0; s < sections.size(); ++s) {
        ASSERT_EQ(c.sections[s], sections[s]) << "section " << s;
    }
}

TEST(RandomUseSoak, EveryStepKeepsThePasswordInStepWithTheControls)
{
    test::TemporaryDirectory directory;
    EditorModel model([] { return std::string("12:00:00"); });
    model.Form_Load();
    SlotCommands slots(model, SlotStore(directory.path()));
    std::mt19937 rng(kSeed);
    for (int step = 1; step <= kSteps; ++step) {
        std::string action;
        try {
            action = randomAction(rng, model, slots);
        } catch (const SlotError& error) {
            FAIL() << "seed " << kSeed << ", step " << step << ": " << error.what();
        }
        checkConsistent(model);
        if (::testing::Test::HasFatalFailure()) {
            FAIL() << "seed " << kSeed << ", step " << step << " (" << action << ")";
        }
    }
}

} // namespace
} // namespace quandrel
