#include "gui/SlotCommands.h"
#include "codec/Password.h"
#include "editor/EditorModel.h"
#include "slotfile/SlotError.h"
#include "support/RandomState.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

namespace quandrel {
namespace {

const std::set<std::string> kSlotNames = {"sgame01.txt", "sgame02.txt", "sgame03.txt", "sgame04.txt", "sgame05.txt"};

class SlotCommandsTest : public ::testing::Test {
protected:
    SlotCommandsTest() : commands(model, SlotStore(directory.path())) { model.Form_Load(); }

    void showState(const GameState& state) { model.showDecoded(decodeSlotText(encodePassword(state))); }

    // Runs a command that must fail, and returns its message.
    template <typename Command> std::string failureOf(Command command)
    {
        try {
            command();
        } catch (const SlotError& error) {
            return error.what();
        }
        ADD_FAILURE() << "no error";
        return {};
    }

    test::TemporaryDirectory directory;
    EditorModel model;
    SlotCommands commands;
};

TEST_F(SlotCommandsTest, FirstLoadCreatesEverySlotWithTheInitialPassword)
{
    std::mt19937 rng(1);
    showState(test::randomState(rng));
    commands.Command3_Click(3);
    EXPECT_EQ(directory.names(), kSlotNames);
    for (const auto& name : kSlotNames) {
        EXPECT_EQ(directory.read(name), initialPassword() + "\r\n") << name;
    }
    EXPECT_EQ(model.controls().password, initialPassword());
    EXPECT_EQ(model.shownState(), GameState{});
}

TEST_F(SlotCommandsTest, SaveThenLoadGivesBackTheStateAndTheBytes)
{
    std::mt19937 rng(5);
    for (int slot = 0; slot < 5; ++slot) {
        const GameState state = test::randomState(rng);
        showState(state);
        commands.Command2_Click(slot);
        EXPECT_EQ(directory.read(slotFileName(slot + 1)), encodePassword(state) + "\r\n");

        EditorModel fresh;
        fresh.Form_Load();
        SlotCommands(fresh, SlotStore(directory.path())).Command3_Click(slot);
        EXPECT_EQ(fresh.shownState(), state);
        EXPECT_EQ(fresh.controls().password, encodePassword(state));
    }
    EXPECT_EQ(directory.names(), kSlotNames); // no temporary file stays behind
}

TEST_F(SlotCommandsTest, ASecondSaveReplacesTheFirst)
{
    model.Image4_Click(1);
    commands.Command2_Click(0);
    model.Image4_Click(2);
    commands.Command2_Click(0);
    EXPECT_EQ(directory.read("sgame01.txt"), model.controls().password + "\r\n");
    EXPECT_EQ(directory.read("sgame01.txt").size(), 47U);
}

TEST_F(SlotCommandsTest, LoadReadsTheFirstFieldInAnyOfItsForms)
{
    GameState state;
    state.counters = {"321", "000", "999"};
    state.warrior = 3;
    const std::string password = encodePassword(state);
    for (const std::string& contents : {password + "\r\n" + initialPassword() + "\r\n", password + ",junk\r\n",
                                        "\"" + password + "\"\r\n", "   " + password + "\r\n", password + "\n"}) {
        directory.write("sgame04.txt", contents);
        model.restore(EditorControls::initial());
        commands.Command3_Click(3);
        EXPECT_EQ(model.controls().password, password) << contents;
    }
}

TEST_F(SlotCommandsTest, NamesThatOnlyContainASlotNameDoNotHideIt)
{
    directory.write("xsgame03.txt", "keep me");
    directory.write("old_sgame01.txt.bak", "keep me too");
    directory.write("sgame02.txt", "UR3Q");
    model.Image4_Click(4);
    commands.Command3_Click(2);
    EXPECT_EQ(model.shownState(), GameState{});
    EXPECT_EQ(directory.read("xsgame03.txt"), "keep me");
    EXPECT_EQ(directory.read("old_sgame01.txt.bak"), "keep me too");
    EXPECT_EQ(directory.read("sgame02.txt"), "UR3Q"); // an existing slot is never rewritten by a load
    EXPECT_EQ(directory.read("sgame03.txt"), initialPassword() + "\r\n");
    EXPECT_EQ(directory.names().size(), 7U);
}

TEST_F(SlotCommandsTest, FailedLoadsSayWhyAndKeepTheState)
{
    struct Case {
        const char* name;
        std::function<void(const test::TemporaryDirectory&)> prepare;
        std::string message;
    };
    const Case cases[] = {
        {"empty file", [](const auto& dir) { dir.write("sgame02.txt", ""); }, "could not load: the file is empty"},
        {"directory", [](const auto& dir) { std::filesystem::create_directory(dir.path() / "sgame02.txt"); },
         "could not load: it is a directory, not a file"},
        {"bad symbol", [](const auto& dir) { dir.write("sgame02.txt", "UR3QuR5F\r\n"); },
         "holds no valid password: character 5 is 'u', which no password has there"},
        {"device", [](const auto& dir) { std::filesystem::create_symlink("/dev/null", dir.path() / "sgame02.txt"); },
         "could not load: it is not a regular file"},
    };
    for (const auto& c : cases) {
        test::TemporaryDirectory dir;
        c.prepare(dir);
        EditorModel editor;
        editor.Form_Load();
        editor.Image8_Click();
        editor.Label3_Click(5);
        EditorControls expected = editor.controls();
        expected.selectAllBorder = false; // the load clears it before reading
        SlotCommands slots(editor, SlotStore(dir.path()));
        const std::string message = failureOf([&] { slots.Command3_Click(1); });
        EXPECT_NE(message.find("Slot 2 (" + (dir.path() / "sgame02.txt").string() + "): " + c.message),
                  std::string::npos)
            << c.name << ": " << message;
        EXPECT_EQ(editor.controls(), expected) << c.name;
    }
}

TEST_F(SlotCommandsTest, AFailedWriteLeavesTheOldSlotIntact)
{
    commands.Command2_Click(4);
    const std::string before = directory.read("sgame05.txt");
    // A disk that is full by the time the save writes.
    const WriteFault failing = [] { return std::make_error_code(std::errc::no_space_on_device); };
    model.Image4_Click(9);
    SlotCommands slots(model, SlotStore(directory.path(), failing));
    const std::string message = failureOf([&] { slots.Command2_Click(4); });
    EXPECT_NE(message.find("could not save (the slot is unchanged): No space left on device"), std::string::npos)
        << message;
    EXPECT_EQ(directory.read("sgame05.txt"), before);
    EXPECT_EQ(directory.names(), std::set<std::string>{"sgame05.txt"});
}

TEST_F(SlotCommandsTest, AFullFileSystemLeavesTheOldSlotIntact)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "mounting a small file system needs root";
    }
    const std::filesystem::path mountPoint = directory.path() / "small";
    std::filesystem::create_directory(mountPoint);
    if (::mount("tmpfs", mountPoint.c_str(), "tmpfs", 0, "size=8k") != 0) {
        GTEST_SKIP() << "cannot mount a tmpfs here";
    }
    struct Unmount {
        std::filesystem::path path;
        ~Unmount() { ::umount(path.c_str()); }
    } unmount{mountPoint};
    SlotCommands slots(model, SlotStore(mountPoint));
    slots.Command2_Click(0);
    const std::string before = test::TemporaryDirectory::readFile(mountPoint / "sgame01.txt");
    {
        std::ofstream filler(mountPoint / "filler", std::ios::binary);
        const std::string block(1024, 'x');
        for (int i = 0; i < 64 && filler; ++i) {
            filler << block << std::flush;
        }
    }
    model.Image4_Click(9);
    const std::string message = failureOf([&] { slots.Command2_Click(0); });
    EXPECT_NE(message.find("could not save"), std::string::npos) << message;
    EXPECT_EQ(test::TemporaryDirectory::readFile(mountPoint / "sgame01.txt"), before);
}

TEST_F(SlotCommandsTest, SaveIntoAMissingDirectorySaysSo)
{
    SlotCommands slots(model, SlotStore(directory.path() / "gone"));
    EXPECT_NE(failureOf([&] { slots.Command2_Click(2); }).find("Slot 3 ("), std::string::npos);
    EXPECT_NE(failureOf([&] { slots.Command3_Click(2); }).find("could not create the slot file: No such file"),
              std::string::npos);
}

} // namespace
} // namespace quandrel
