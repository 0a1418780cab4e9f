#include "codec/Password.h"
#include "editor/EditorModel.h"
#include "gui/SlotCommands.h"
#include "slotfile/SlotError.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <map>
#include <unistd.h>

namespace quandrel {
namespace {

// Slot 3 is damaged in some way; the other four hold passwords saved earlier.
struct Fault {
    const char* name;
    std::function<void(const std::filesystem::path& slot)> damage;
    // A part of the load's error, or empty when the load must succeed.
    std::string loadError;
    // The state a successful load shows (checked through its password).
    std::string loadedPassword;
};

GameState stateWithKeys(const char* keys)
{
    GameState state;
    state.counters[2] = keys;
    return state;
}

const std::string kZeroState = encodePassword([] {
    GameState state;
    state.counters = {"000", "000", "000"};
    state.values = {0, 0, 0, 0};
    return state;
}());

void writeBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

TEST(SlotFaults, DamagedSlotsGiveAClearErrorOrADefinedResult)
{
    const std::string password = encodePassword(stateWithKeys("777"));
    const Fault faults[] = {
        {"replaced by a directory",
         [](const auto& slot) {
             std::filesystem::remove(slot);
             std::filesystem::create_directory(slot);
         },
         "could not load: it is a directory, not a file", ""},
        {"a link to /dev/full",
         [](const auto& slot) {
             std::filesystem::remove(slot);
             std::filesystem::create_symlink("/dev/full", slot);
         },
         "could not load: it is not a regular file", ""},
        {"100 MB of binary data",
         [](const auto& slot) {
             writeBytes(slot, std::string("\x89PNG\r\n\x1a\n", 8) + std::string(4096, '\xff'));
             ASSERT_EQ(::truncate(slot.c_str(), 100 * 1024 * 1024), 0);
         },
         "holds no valid password: character 1 is \\x89, which no password has there", ""},
        {"NUL bytes", [](const auto& slot) { writeBytes(slot, std::string("UR3Q\0\0\0\0\r\n", 10)); },
         "holds no valid password: character 5 is \\x00, which no password has there", ""},
        {"only a line end", [](const auto& slot) { writeBytes(slot, "\r\n"); }, "", kZeroState},
        {"a first field of 10,000 characters",
         [&password](const auto& slot) { writeBytes(slot, password + std::string(10000 - 45, 'U') + "\r\n"); }, "",
         password},
        {"no line end in its first 64 KiB",
         [&password](const auto& slot) { writeBytes(slot, password + std::string(200000, 'U')); }, "", password},
    };
    for (const auto& fault : faults) {
        SCOPED_TRACE(fault.name);
        test::TemporaryDirectory directory;
        EditorModel model;
        model.Form_Load();
        SlotCommands slots(model, SlotStore(directory.path()));
        for (int slot = 0; slot < 5; ++slot) {
            model.Image4_Click(slot);
            slots.Command2_Click(slot);
        }
        fault.damage(directory.path() / "sgame03.txt");
        std::map<std::string, std::string> others;
        for (const auto& name : {"sgame01.txt", "sgame02.txt", "sgame04.txt", "sgame05.txt"}) {
            others[name] = directory.read(name);
        }
        const std::string shownBefore = model.controls().password;

        try {
            slots.Command3_Click(2);
            EXPECT_TRUE(fault.loadError.empty()) << "the load succeeded";
            EXPECT_EQ(model.controls().password.substr(0, 43), fault.loadedPassword.substr(0, 43));
        } catch (const SlotError& error) {
            EXPECT_NE(std::string(error.what()).find(fault.loadError), std::string::npos) << error.what();
            EXPECT_FALSE(fault.loadError.empty()) << error.what();
            EXPECT_EQ(model.controls().password, shownBefore);
        }
        for (const auto& [name, contents] : others) {
            EXPECT_EQ(directory.read(name), contents) << name;
        }
    }
}

TEST(SlotFaults, ARemovedSlotDirectoryIsReportedAndNothingIsCreated)
{
    test::TemporaryDirectory directory;
    const std::filesystem::path games = directory.path() / "games";
    std::filesystem::create_directory(games);
    EditorModel model;
    model.Form_Load();
    SlotCommands slots(model, SlotStore(games));
    slots.Command2_Click(0);
    std::filesystem::remove_all(games);

    for (const auto& command : {std::function<void()>([&] { slots.Command2_Click(0); }),
                                std::function<void()>([&] { slots.Command3_Click(0); })}) {
        try {
            command();
            ADD_FAILURE() << "no error";
        } catch (const SlotError& error) {
            EXPECT_NE(std::string(error.what()).find("No such file or directory"), std::string::npos) << error.what();
        }
    }
    EXPECT_FALSE(std::filesystem::exists(games));
}

TEST(SlotFaults, SavingOverADirectoryFailsAndKeepsIt)
{
    test::TemporaryDirectory directory;
    std::filesystem::create_directory(directory.path() / "sgame02.txt");
    directory.write("sgame02.txt/inside", "kept");
    EditorModel model;
    model.Form_Load();
    SlotCommands slots(model, SlotStore(directory.path()));
    EXPECT_THROW(slots.Command2_Click(1), SlotError);
    EXPECT_EQ(directory.read("sgame02.txt/inside"), "kept");
    EXPECT_EQ(directory.names(), std::set<std::string>{"sgame02.txt"});
}

} // namespace
} // namespace quandrel
