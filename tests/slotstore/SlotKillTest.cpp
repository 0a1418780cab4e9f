// Saves killed at random moments, on both ways a save writes: replacing the slot through a
// temporary, and writing in place (forced here by a second name for the slot, which a replace
// would leave behind). The slot must always hold the old line or the new one, and what a killed
// save leaves is only our own temporaries, which a later save removes once they are stale.
// QUANDREL_SLOT_KILLS sets the kills for each way (a few dozen by default, for a second or two).
#include "codec/Password.h"
#include "slotstore/SlotStore.h"
#include "slotstore/SlotTemporaries.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace quandrel {
namespace {

namespace fs = std::filesystem;

// A process under the address sanitizer takes about a tenth of a second to start and to be
// reaped, so the sanitizer build kills fewer.
#if defined(__SANITIZE_ADDRESS__)
constexpr int kDefaultKills = 8;
#elif defined(__has_feature)
constexpr int kDefaultKills = __has_feature(address_sanitizer) ? 8 : 60;
#else
constexpr int kDefaultKills = 60;
#endif

int killsPerWay()
{
    const char* setting = std::getenv("QUANDREL_SLOT_KILLS");
    return setting != nullptr ? std::atoi(setting) : kDefaultKills;
}

// Saves slot 1 over and over in a child process, two passwords in turn, until killed.
pid_t startSaving(const fs::path& folder, const std::string& first, const std::string& second)
{
    const pid_t child = ::fork();
    if (child == 0) {
        const SlotStore store(folder);
        try {
            for (bool turn = false;; turn = !turn) {
                store.save(1, turn ? second : first);
            }
        } catch (...) {
            ::_exit(1);
        }
    }
    return child;
}

TEST(SlotKill, AKilledSaveLeavesTheOldOrTheNewLineAndOnlyOurTemporaries)
{
    const std::string first = initialPassword();
    GameState state;
    state.counters = {"999", "000", "555"};
    const std::string second = encodePassword(state);
    std::mt19937 random(7);
    std::uniform_int_distribution<int> delay(0, 5000); // microseconds before the kill

    for (const bool inPlace : {false, true}) {
        SCOPED_TRACE(inPlace ? "written in place" : "replaced through a temporary");
        test::TemporaryDirectory folder;
        test::TemporaryDirectory elsewhere;
        SlotStore(folder.path()).save(1, first);
        if (inPlace) {
            fs::create_hard_link(folder.path() / "sgame01.txt", elsewhere.path() / "second-name.txt");
        }
        int torn = 0;
        int changed = 0; // kills after which the slot held another line than before: saves ran
        std::string previous = folder.read("sgame01.txt");
        for (int kill = 0; kill < killsPerWay(); ++kill) {
            // The first save of each saver changes the slot, so that a kill during it is seen.
            const bool holdsFirst = previous == first + "\r\n";
            const pid_t saver = startSaving(folder.path(), holdsFirst ? second : first, holdsFirst ? first : second);
            ASSERT_GT(saver, 0);
            std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
            ::kill(saver, SIGKILL);
            int status = 0;
            ::waitpid(saver, &status, 0);
            ASSERT_TRUE(WIFSIGNALED(status)) << "the saver stopped by itself";
            const std::string slot = folder.read("sgame01.txt");
            changed += slot != previous ? 1 : 0;
            previous = slot;
            if (slot != first + "\r\n" && slot != second + "\r\n") {
                ++torn;
                ADD_FAILURE() << "kill " << kill << " left \"" << slot << "\"";
            }
        }
        int strays = 0;
        for (const std::string& name : folder.names()) {
            if (name != "sgame01.txt") {
                ++strays;
                EXPECT_TRUE(isSlotTemporaryName(name)) << name;
                fs::last_write_time(folder.path() / name, fs::file_time_type::clock::now() - std::chrono::hours(1));
            }
        }
        std::cout << (inPlace ? "in place: " : "replaced: ") << killsPerWay() << " kills, " << torn << " slots torn, "
                  << strays << " temporaries left, " << changed << " changed the slot\n";
        SlotStore(folder.path()).save(1, second);
        EXPECT_EQ(folder.names(), std::set<std::string>{"sgame01.txt"});
        if (inPlace) {
            EXPECT_EQ(elsewhere.read("second-name.txt"), second + "\r\n");
        }
    }
}

} // namespace
} // namespace quandrel
