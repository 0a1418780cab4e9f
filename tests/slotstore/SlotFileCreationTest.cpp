#include "codec/Password.h"
#include "slotfile/SlotError.h"
#include "slotfile/SlotField.h"
#include "slotstore/SlotStore.h"
#include "slotstore/SlotTemporaries.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <barrier>
#include <sys/stat.h>
#include <thread>

namespace quandrel {
namespace {

// Two windows clicking "Loadgame 1" at once in a fresh folder: each creates the missing slots
// and reads slot 1. A slot created empty and filled afterwards was read empty now and then.
TEST(SlotFileCreation, ConcurrentCreatorsNeverShowAPartSlot)
{
    const std::string expected = initialPassword();
    for (int round = 0; round < 200; ++round) {
        test::TemporaryDirectory directory;
        const SlotStore store(directory.path());
        std::barrier start(2);
        std::string results[2];
        auto window = [&](std::string& result) {
            start.arrive_and_wait();
            try {
                store.createMissing(expected, 1);
                result = firstSlotField(store.readContents(1)).value_or("");
            } catch (const SlotError& error) {
                result = error.what();
            }
        };
        std::thread other(window, std::ref(results[1]));
        window(results[0]);
        other.join();
        ASSERT_EQ(results[0], expected) << "round " << round;
        ASSERT_EQ(results[1], expected) << "round " << round;
        ASSERT_EQ(directory.read("sgame01.txt"), expected + "\r\n");
        ASSERT_EQ(directory.names().size(), 5U) << "round " << round;
    }
}

TEST(SlotFileCreation, ANewSlotGetsThePermissionsOfAnyNewFile)
{
    for (const mode_t mask : {mode_t{022}, mode_t{002}, mode_t{077}}) {
        test::TemporaryDirectory directory;
        const mode_t previous = ::umask(mask);
        SlotStore(directory.path()).createMissing(initialPassword(), 1);
        ::umask(previous);
        struct stat status {};
        ASSERT_EQ(::stat((directory.path() / "sgame01.txt").c_str(), &status), 0);
        EXPECT_EQ(status.st_mode & 0777, 0666 & ~mask) << "umask " << std::oct << mask;
    }
}

// What a killed save or creation may leave, and what merely looks like it.
TEST(SlotFileCreation, OurStaleTemporariesAreRemovedAtTheNextSave)
{
    struct Case {
        std::string name;
        std::chrono::seconds age;
        bool removed;
    };
    const Case cases[] = {
        {".quandrel-new-slot-AbCdEf", std::chrono::seconds(120), true},
        {".quandrel-new-slot-xyzXYZ", std::chrono::hours(48), true},
        {".quandrel-new-slot-AbCdEf", std::chrono::seconds(5), false}, // may belong to a save in progress
        {".quandrel-new-slot-AbCdE", std::chrono::seconds(120), false},
        {".quandrel-new-slot-AbCdEfG", std::chrono::seconds(120), false},
        {".quandrel-new-slot-Ab.dEf", std::chrono::seconds(120), false},
        {"sgame01.txt.backup", std::chrono::seconds(120), false},
        {"quandrel-new-slot-AbCdEf", std::chrono::seconds(120), false},
        {".quandrel-saved-slot-AbCdEf", std::chrono::seconds(120), true},
        {".quandrel-saved-slot-AbCdEf", std::chrono::seconds(5), false},
        {"sgame02.txt.AbCdEf", std::chrono::seconds(120), false}, // named like another program's temporary
    };
    for (const auto& c : cases) {
        test::TemporaryDirectory directory;
        directory.write(c.name, "UR3Q");
        std::filesystem::last_write_time(directory.path() / c.name,
                                         std::filesystem::file_time_type::clock::now() - c.age);
        SlotStore(directory.path()).save(2, initialPassword());
        EXPECT_EQ(std::filesystem::exists(directory.path() / c.name), !c.removed) << c.name;
    }
}

TEST(SlotFileCreation, OnlyFilesAreRemovedAsStaleTemporaries)
{
    test::TemporaryDirectory directory;
    const auto old = std::filesystem::file_time_type::clock::now() - std::chrono::hours(1);
    const std::filesystem::path folder = directory.path() / ".quandrel-new-slot-Folder";
    std::filesystem::create_directory(folder);
    std::filesystem::last_write_time(folder, old);
    directory.write("target", "keep");
    std::filesystem::last_write_time(directory.path() / "target", old);
    std::filesystem::create_symlink("target", directory.path() / ".quandrel-new-slot-ALinks");
    removeStaleSlotTemporaries(directory.path());
    EXPECT_EQ(directory.names(),
              (std::set<std::string>{".quandrel-new-slot-ALinks", ".quandrel-new-slot-Folder", "target"}));
}

} // namespace
} // namespace quandrel
