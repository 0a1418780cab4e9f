// How saves and loads treat what the user set up around a slot file: write protection, links,
// modes, folders that take no new files. Permissions mean nothing to root, so the cases that
// rely on them run only unprivileged; ctest runs this program a second time as nobody when the
// suite runs as root. Immutable files need root, so those cases run only there.
#include "codec/Password.h"
#include "editor/EditorModel.h"
#include "gui/SlotCommands.h"
#include "slotfile/SlotError.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quandrel {
namespace {

namespace fs = std::filesystem;

enum class Needs { Anyone, Unprivileged, Root };
enum class Action { Save, Load };

// Sets or clears the immutable flag; false when the file system has none.
bool setImmutable(const fs::path& path, bool immutable)
{
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = immutable ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

// Protections a case puts on its files, taken off again so that the folders can be removed.
class Protections final {
public:
    Protections() = default;
    Protections(const Protections&) = delete;
    Protections& operator=(const Protections&) = delete;
    ~Protections()
    {
        for (const auto& path : m_immutable) {
            setImmutable(path, false);
        }
        for (const auto& path : m_readOnlyFolders) {
            fs::permissions(path, fs::perms::owner_all, fs::perm_options::add);
        }
    }

    void readOnlyFolder(const fs::path& folder)
    {
        fs::permissions(folder, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        m_readOnlyFolders.push_back(folder);
    }

    // False when the file system has no immutable flag.
    bool immutable(const fs::path& path)
    {
        if (!setImmutable(path, true)) {
            return false;
        }
        m_immutable.push_back(path);
        return true;
    }

private:
    std::vector<fs::path> m_immutable;
    std::vector<fs::path> m_readOnlyFolders;
};

struct Case {
    const char* name;
    Needs needs;
    // Turns slot 1 of `folder`, holding the old password, into the case; `elsewhere` is another folder.
    std::function<bool(const fs::path& folder, const fs::path& elsewhere, Protections&)> prepare;
    Action action;
    // A part of the error message, or empty when the command must succeed.
    std::string error;
    // Whether slot 1 holds the shown password afterwards (else the old one).
    bool slotReplaced;
    // The mode of slot 1's file afterwards, when it is to be checked.
    std::optional<fs::perms> mode;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const fs::perms kMode0444 = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
const fs::perms kMode0600 = fs::perms::owner_read | fs::perms::owner_write;
const fs::perms kMode0664 = kMode0444 | fs::perms::owner_write | fs::perms::group_write;

const fs::path kSlot = "sgame01.txt";

const Case kCases[] = {
    {"ReadOnlySlot", Needs::Unprivileged,
     [](const auto& folder, const auto&, auto&) {
         fs::permissions(folder / kSlot, kMode0444);
         return true;
     },
     Action::Save, "could not save: the file is write-protected", false, kMode0444},
    {"LinkToAFileElsewhere", Needs::Anyone,
     [](const auto& folder, const auto& elsewhere, auto&) {
         fs::rename(folder / kSlot, elsewhere / "kept.txt");
         fs::create_symlink(elsewhere / "kept.txt", folder / kSlot);
         return true;
     },
     Action::Save, "", true, std::nullopt},
    {"Mode0600", Needs::Anyone,
     [](const auto& folder, const auto&, auto&) {
         fs::permissions(folder / kSlot, kMode0600);
         return true;
     },
     Action::Save, "", true, kMode0600},
    {"Mode0664", Needs::Anyone,
     [](const auto& folder, const auto&, auto&) {
         fs::permissions(folder / kSlot, kMode0664);
         return true;
     },
     Action::Save, "", true, kMode0664},
    {"SaveInAReadOnlyFolder", Needs::Unprivileged,
     [](const auto& folder, const auto&, auto& protections) {
         protections.readOnlyFolder(folder);
         return true;
     },
     Action::Save, "", true, std::nullopt},
    {"LoadInAReadOnlyFolder", Needs::Unprivileged,
     [](const auto& folder, const auto&, auto& protections) {
         protections.readOnlyFolder(folder);
         return true;
     },
     Action::Load, "", false, std::nullopt},
    {"ImmutableSlot", Needs::Root,
     [](const auto& folder, const auto&, auto& protections) { return protections.immutable(folder / kSlot); },
     Action::Save, "could not save: the file is write-protected", false, std::nullopt},
    {"SaveInAnImmutableFolder", Needs::Root,
     [](const auto& folder, const auto&, auto& protections) { return protections.immutable(folder); }, Action::Save, "",
     true, std::nullopt},
    {"LoadInAnImmutableFolder", Needs::Root,
     [](const auto& folder, const auto&, auto& protections) { return protections.immutable(folder); }, Action::Load, "",
     false, std::nullopt},
};

class SlotPermissionTest : public ::testing::TestWithParam<Case> {};

TEST_P(SlotPermissionTest, KeepsWhatTheUserSetUp)
{
    const Case& c = GetParam();
    const bool root = ::geteuid() == 0;
    if (c.needs == Needs::Unprivileged && root) {
        GTEST_SKIP() << "permissions mean nothing to root; ctest runs this case again as nobody";
    }
    if (c.needs == Needs::Root && !root) {
        GTEST_SKIP() << "setting the immutable flag needs root";
    }

    test::TemporaryDirectory folder;
    test::TemporaryDirectory elsewhere;
    EditorModel model;
    model.Form_Load();
    model.Image4_Click(3);
    const std::string oldPassword = model.controls().password;
    SlotCommands commands(model, SlotStore(folder.path()));
    commands.Command2_Click(0);
    model.Image4_Click(7);
    const std::string shownPassword = model.controls().password;

    Protections protections;
    if (!c.prepare(folder.path(), elsewhere.path(), protections)) {
        GTEST_SKIP() << "this file system has no immutable flag";
    }
    const bool slotWasALink = fs::is_symlink(folder.path() / kSlot);
    const std::set<std::string> namesBefore = folder.names();
    const std::set<std::string> elsewhereBefore = elsewhere.names();

    std::string error;
    try {
        if (c.action == Action::Save) {
            commands.Command2_Click(0);
        } else {
            commands.Command3_Click(0);
        }
    } catch (const SlotError& failure) {
        error = failure.what();
    }
    if (c.error.empty()) {
        EXPECT_EQ(error, "");
    } else {
        EXPECT_NE(error.find("Slot 1 (" + (folder.path() / kSlot).string() + "): " + c.error), std::string::npos)
            << error;
    }

    const std::string expected = (c.slotReplaced ? shownPassword : oldPassword) + "\r\n";
    EXPECT_EQ(folder.read(kSlot), expected);
    if (c.action == Action::Load) {
        EXPECT_EQ(model.controls().password, oldPassword);
    }
    if (c.mode) {
        EXPECT_EQ(fs::status(folder.path() / kSlot).permissions(), *c.mode);
    }
    EXPECT_EQ(fs::is_symlink(folder.path() / kSlot), slotWasALink);
    EXPECT_EQ(folder.names(), namesBefore); // no stray files, no slots created
    EXPECT_EQ(elsewhere.names(), elsewhereBefore);
}

// An administrator saving a user's slot must not leave it owned by root, which the user could
// no longer write.
TEST(SlotOwnerTest, RootSavingAUsersSlotKeepsItsOwner)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "only root can give a file to another user";
    }
    const uid_t nobody = 65534;
    test::TemporaryDirectory folder;
    EditorModel model;
    model.Form_Load();
    SlotCommands commands(model, SlotStore(folder.path()));
    commands.Command2_Click(0);
    const std::string slot = (folder.path() / kSlot).string();
    ASSERT_EQ(::chown(slot.c_str(), nobody, nobody), 0);
    model.Image4_Click(5);
    commands.Command2_Click(0);
    struct stat status {};
    ASSERT_EQ(::stat(slot.c_str(), &status), 0);
    EXPECT_EQ(status.st_uid, nobody);
    EXPECT_EQ(status.st_gid, nobody);
    EXPECT_EQ(folder.read(kSlot), model.controls().password + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, SlotPermissionTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

} // namespace
} // namespace quandrel
