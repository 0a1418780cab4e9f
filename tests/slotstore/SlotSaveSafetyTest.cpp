// What a save does to what others set up around a slot: links in shared folders, access lists,
// extended attributes, second names, files without a write bit. ctest runs this program as
// root and once more as nobody, so each case runs as the user it is about.
#include "codec/Password.h"
#include "slotfile/SlotError.h"
#include "slotstore/SlotStore.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <cstring>
#include <grp.h>
#include <map>
#include <sys/stat.h>
#include <sys/wait.h>
#include <sys/xattr.h>
#include <unistd.h>

namespace quandrel {
namespace {

namespace fs = std::filesystem;

enum class Runs { AsAnyone, AsRoot };

const fs::path kSlot = "sgame01.txt";

const std::string kOldPassword = initialPassword();
const std::string kNewPassword = [] {
    GameState state;
    state.counters = {"777", "123", "456"};
    return encodePassword(state);
}();

// The value of an extended attribute, or nothing when the file has none of that name.
std::optional<std::string> attribute(const fs::path& path, const char* name)
{
    char value[4096];
    const ssize_t size = ::getxattr(path.c_str(), name, value, sizeof value);
    return size < 0 ? std::nullopt : std::optional(std::string(value, static_cast<std::size_t>(size)));
}

// What a save must keep of the file that a slot names: owner, group, mode, extended attributes.
struct Metadata {
    uid_t owner = 0;
    gid_t group = 0;
    mode_t mode = 0;
    std::map<std::string, std::string> attributes;
    bool operator==(const Metadata&) const = default;
};

std::optional<Metadata> metadataOf(const fs::path& path)
{
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        return std::nullopt;
    }
    Metadata metadata{status.st_uid, status.st_gid, status.st_mode & 07777, {}};
    char names[4096];
    const ssize_t size = ::listxattr(path.c_str(), names, sizeof names);
    for (ssize_t start = 0; start < size; start += static_cast<ssize_t>(std::strlen(names + start)) + 1) {
        metadata.attributes[names + start] = attribute(path, names + start).value_or("(unreadable)");
    }
    return metadata;
}

void PrintTo(const Metadata& m, std::ostream* out)
{
    *out << "owner " << m.owner << ", group " << m.group << ", mode " << std::oct << m.mode << std::dec;
    for (const auto& [name, value] : m.attributes) {
        *out << ", " << name << " (" << value.size() << " bytes)";
    }
}

// Runs a command of the acl and attr packages; false when this file system takes no such
// attribute.
bool run(const std::string& command) { return std::system((command + " 2>/dev/null").c_str()) == 0; }

std::string quoted(const fs::path& path) { return "'" + path.string() + "'"; }

struct Case {
    const char* name;
    Runs runs;
    // Turns slot 1 of `folder`, holding the old password, into the case; false when the file
    // system cannot.
    std::function<bool(const fs::path& folder, const fs::path& elsewhere)> prepare;
    // A part of the error message, or empty when the save must succeed.
    std::string error;
    // Whether slot 1 holds the new password afterwards (else the old one).
    bool slotReplaced;
    // What else must hold afterwards.
    std::function<void(const fs::path& folder, const fs::path& elsewhere)> check;
};

void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

const Case kCases[] = {
    {"OwnLinkInASharedFolderIsFollowed", Runs::AsAnyone,
     [](const auto& folder, const auto& elsewhere) {
         fs::permissions(folder, fs::perms::all | fs::perms::sticky_bit);
         fs::rename(folder / kSlot, elsewhere / "kept.txt");
         fs::create_symlink(elsewhere / "kept.txt", folder / kSlot);
         return true;
     },
     "", true, [](const auto& folder, const auto&) { EXPECT_TRUE(fs::is_symlink(folder / kSlot)); }},
    {"OwnDanglingLinkGetsItsFile", Runs::AsAnyone,
     [](const auto& folder, const auto& elsewhere) {
         fs::remove(folder / kSlot);
         fs::create_symlink(elsewhere / "new.txt", folder / kSlot);
         return true;
     },
     "", true,
     [](const auto& folder, const auto& elsewhere) {
         EXPECT_TRUE(fs::is_symlink(folder / kSlot));
         EXPECT_EQ(test::TemporaryDirectory::readFile(elsewhere / "new.txt"), kNewPassword + "\r\n");
     }},
    {"Mode0444IsWriteProtectedForEveryone", Runs::AsAnyone,
     [](const auto& folder, const auto&) {
         fs::permissions(folder / kSlot, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
         return true;
     },
     "could not save: the file is write-protected", false,
     [](const auto& folder, const auto&) {
         EXPECT_EQ(fs::status(folder / kSlot).permissions(),
                   fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
     }},
    {"Mode0400IsWriteProtectedForEveryone", Runs::AsAnyone,
     [](const auto& folder, const auto&) {
         fs::permissions(folder / kSlot, fs::perms::owner_read);
         return true;
     },
     "could not save: the file is write-protected", false,
     [](const auto& folder, const auto&) {
         EXPECT_EQ(fs::status(folder / kSlot).permissions(), fs::perms::owner_read);
     }},
    {"Mode0000IsWriteProtectedForRoot", Runs::AsRoot,
     [](const auto& folder, const auto&) {
         fs::permissions(folder / kSlot, fs::perms::none);
         return true;
     },
     "could not save: the file is write-protected", false,
     [](const auto& folder, const auto&) { EXPECT_EQ(fs::status(folder / kSlot).permissions(), fs::perms::none); }},
    {"HardLinkedSlotIsWrittenInPlace", Runs::AsAnyone,
     [](const auto& folder, const auto& elsewhere) {
         fs::create_hard_link(folder / kSlot, elsewhere / "second-name.txt");
         return true;
     },
     "", true,
     [](const auto& folder, const auto& elsewhere) {
         EXPECT_EQ(fs::hard_link_count(folder / kSlot), 2U);
         EXPECT_EQ(test::TemporaryDirectory::readFile(elsewhere / "second-name.txt"), kNewPassword + "\r\n");
     }},
    {"AccessListIsKept", Runs::AsAnyone,
     [](const auto& folder, const auto&) { return run("setfacl -m u:daemon:r,g:daemon:rw " + quoted(folder / kSlot)); },
     "", true,
     [](const auto& folder, const auto&) {
         EXPECT_TRUE(attribute(folder / kSlot, "system.posix_acl_access").has_value());
     }},
    {"AccessListFromTheFolderIsNotAdded", Runs::AsAnyone,
     [](const auto& folder, const auto&) { return run("setfacl -d -m u:daemon:rw " + quoted(folder)); }, "", true,
     [](const auto& folder, const auto&) {
         EXPECT_FALSE(attribute(folder / kSlot, "system.posix_acl_access").has_value());
     }},
    {"ExtendedAttributeIsKept", Runs::AsAnyone,
     [](const auto& folder, const auto&) {
         return run("setfattr -n user.quandrel.colour -v blue " + quoted(folder / kSlot));
     },
     "", true,
     [](const auto& folder, const auto&) {
         EXPECT_EQ(attribute(folder / kSlot, "user.quandrel.colour"), std::optional<std::string>("blue"));
     }},
    {"AUsersSlotSavedByRootKeepsOwnerAndMode", Runs::AsRoot,
     [](const auto& folder, const auto&) {
         fs::permissions(folder / kSlot, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
         return ::chown((folder / kSlot).c_str(), 65534, 65534) == 0;
     },
     "", true,
     [](const auto& folder, const auto&) {
         struct stat status {};
         ASSERT_EQ(::stat((folder / kSlot).c_str(), &status), 0);
         EXPECT_EQ(status.st_uid, 65534U);
         EXPECT_EQ(status.st_gid, 65534U);
         EXPECT_EQ(status.st_mode & 07777, 0640U);
     }},
};

class SlotSaveSafetyTest : public ::testing::TestWithParam<Case> {};

TEST_P(SlotSaveSafetyTest, KeepsWhatOthersSetUp)
{
    const Case& c = GetParam();
    if (c.runs == Runs::AsRoot && ::geteuid() != 0) {
        GTEST_SKIP() << "this case is about root";
    }
    test::TemporaryDirectory folder;
    test::TemporaryDirectory elsewhere;
    folder.write(kSlot, kOldPassword + "\r\n");
    if (!c.prepare(folder.path(), elsewhere.path())) {
        GTEST_SKIP() << "this file system or system cannot set the case up";
    }
    const std::set<std::string> namesBefore = folder.names();
    const std::optional<Metadata> metadataBefore = metadataOf(folder.path() / kSlot);

    std::string error;
    try {
        SlotStore(folder.path()).save(1, kNewPassword);
    } catch (const SlotError& failure) {
        error = failure.what();
    }
    if (c.error.empty()) {
        EXPECT_EQ(error, "");
    } else {
        EXPECT_NE(error.find(c.error), std::string::npos) << error;
    }
    if (c.runs != Runs::AsRoot || ::geteuid() == 0) {
        EXPECT_EQ(folder.read(kSlot), (c.slotReplaced ? kNewPassword : kOldPassword) + "\r\n");
    }
    EXPECT_EQ(folder.names(), namesBefore); // no temporary left behind
    if (metadataBefore) {
        EXPECT_EQ(metadataOf(folder.path() / kSlot), metadataBefore);
    }
    if (c.check) {
        c.check(folder.path(), elsewhere.path());
    }
    fs::permissions(folder.path(), fs::perms::owner_all, fs::perm_options::add);
}

INSTANTIATE_TEST_SUITE_P(Cases, SlotSaveSafetyTest, ::testing::ValuesIn(kCases),
                         [](const auto& param) { return std::string(param.param.name); });

// Cases between two users: the folder, its files and links are set up by root and others,
// and the victim, nobody, saves.
struct SharedCase {
    const char* name;
    // Sets up `shared` (mode 1777, root's) and `home` (nobody's) as root.
    std::function<void(const fs::path& shared, const fs::path& home)> prepare;
    std::string error;
    // What the file that slot 1 names, or the slot itself, holds afterwards, by path.
    std::function<void(const fs::path& shared, const fs::path& home)> check;
};

constexpr uid_t kNobody = 65534;
constexpr uid_t kDaemon = 1; // another unprivileged user, who plants links

void plantLink(const fs::path& target, const fs::path& link, uid_t owner)
{
    fs::create_symlink(target, link);
    ASSERT_EQ(::lchown(link.c_str(), owner, owner), 0);
}

// Saves slot 1 of `folder` as nobody, in a child process; returns the error message, or "".
std::string saveAsNobody(const fs::path& folder)
{
    int pipe[2];
    if (::pipe(pipe) != 0) {
        return "no pipe";
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(pipe[0]);
        std::string message;
        if (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) {
            message = "could not become nobody";
        } else {
            try {
                SlotStore(folder).save(1, kNewPassword);
            } catch (const SlotError& error) {
                message = error.what();
            }
        }
        [[maybe_unused]] const ssize_t written = ::write(pipe[1], message.data(), message.size());
        ::_exit(0);
    }
    ::close(pipe[1]);
    std::string message;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipe[0], buffer, sizeof buffer)) > 0;) {
        message.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipe[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    return message;
}

TEST(SlotSaveBetweenUsers, ALinkPlantedByAnotherUserIsNotFollowed)
{
    if (::geteuid() != 0) {
        GTEST_SKIP() << "setting up files of two other users needs root";
    }
    const std::string oldLine = kOldPassword + "\r\n";
    const std::string newLine = kNewPassword + "\r\n";
    const SharedCase cases[] = {
        {"a link to the victim's own file",
         [&](const auto& shared, const auto& home) {
             std::ofstream(home / "profile") << "keep me\n";
             ASSERT_EQ(::chown((home / "profile").c_str(), kNobody, kNobody), 0);
             plantLink(home / "profile", shared / kSlot, kDaemon);
         },
         "is not followed",
         [&](const auto& shared, const auto& home) {
             EXPECT_EQ(test::TemporaryDirectory::readFile(home / "profile"), "keep me\n");
             EXPECT_TRUE(fs::is_symlink(shared / kSlot));
         }},
        {"a dangling link into the victim's folder",
         [&](const auto& shared, const auto& home) { plantLink(home / "created", shared / kSlot, kDaemon); },
         "is not followed", [&](const auto&, const auto& home) { EXPECT_FALSE(fs::exists(home / "created")); }},
        {"a link made by the folder's owner",
         [&](const auto& shared, const auto& home) {
             std::ofstream(home / "slot") << oldLine;
             ASSERT_EQ(::chown((home / "slot").c_str(), kNobody, kNobody), 0);
             plantLink(home / "slot", shared / kSlot, 0);
         },
         "",
         [&](const auto&, const auto& home) { EXPECT_EQ(test::TemporaryDirectory::readFile(home / "slot"), newLine); }},
        {"another user's slot that anyone may write",
         [&](const auto& shared, const auto&) {
             std::ofstream(shared / kSlot) << oldLine;
             fs::permissions(shared / kSlot, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read |
                                                 fs::perms::group_write | fs::perms::others_read |
                                                 fs::perms::others_write);
         },
         "",
         [&](const auto& shared, const auto&) {
             struct stat status {};
             ASSERT_EQ(::stat((shared / kSlot).c_str(), &status), 0);
             EXPECT_EQ(status.st_uid, 0U);
             EXPECT_EQ(status.st_mode & 07777, 0666U);
             EXPECT_EQ(test::TemporaryDirectory::readFile(shared / kSlot), newLine);
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::TemporaryDirectory shared;
        test::TemporaryDirectory home;
        fs::permissions(shared.path(), fs::perms::all | fs::perms::sticky_bit);
        ASSERT_EQ(::chown(home.path().c_str(), kNobody, kNobody), 0);
        c.prepare(shared.path(), home.path());
        const std::set<std::string> sharedBefore = shared.names();
        const std::set<std::string> homeBefore = home.names();

        const std::string error = saveAsNobody(shared.path());
        if (c.error.empty()) {
            EXPECT_EQ(error, "");
        } else {
            EXPECT_NE(error.find(c.error), std::string::npos) << error;
        }
        c.check(shared.path(), home.path());
        EXPECT_EQ(shared.names(), sharedBefore);
        EXPECT_EQ(home.names(), homeBefore);
    }
}

} // namespace
} // namespace quandrel
