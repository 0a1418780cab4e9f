// A save onto a file system mounted read-only says so, in words of its own: the file is not
// write-protected, and changing its mode would not help. The file system is a tmpfs that a
// child process mounts in a user and mount namespace of its own, so no privilege is needed.
#include "codec/Password.h"
#include "slotfile/SlotError.h"
#include "slotstore/SlotStore.h"
#include "support/TemporaryDirectory.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quandrel {
namespace {

constexpr int kCannotMount = 77;

bool writeFile(const char* path, const std::string& text)
{
    std::ofstream file(path);
    file << text;
    return static_cast<bool>(file.flush());
}

// Mounts a tmpfs on `folder` with slot 1 on it, remounts it read-only and saves slots 1 (there)
// and 2 (missing), writing each failure's message as a line to `out`.
[[noreturn]] void saveOnReadOnlyMount(const std::string& folder, int out)
{
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !writeFile("/proc/self/setgroups", "deny") ||
        !writeFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
        !writeFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1") ||
        ::mount("none", folder.c_str(), "tmpfs", 0, nullptr) != 0) {
        ::_exit(kCannotMount);
    }
    const SlotStore store(folder);
    store.createMissing(initialPassword(), 1);
    ::unlink((folder + "/sgame02.txt").c_str());
    if (::mount(nullptr, folder.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0) {
        ::_exit(kCannotMount);
    }
    for (const int slot : {1, 2}) {
        std::string said = "saved";
        try {
            store.save(slot, initialPassword());
        } catch (const SlotError& error) {
            said = error.what();
        }
        said += '\n';
        if (::write(out, said.data(), said.size()) != static_cast<ssize_t>(said.size())) {
            ::_exit(1);
        }
    }
    ::_exit(0);
}

TEST(SlotReadOnlyFileSystem, ASaveSaysTheFileSystemIsReadOnly)
{
    test::TemporaryDirectory directory;
    int pipeEnds[2];
    ASSERT_EQ(::pipe(pipeEnds), 0);
    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        ::close(pipeEnds[0]);
        saveOnReadOnlyMount(directory.path().string(), pipeEnds[1]);
    }
    ::close(pipeEnds[1]);
    std::string said;
    char buffer[512];
    for (ssize_t got; (got = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) {
        said.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(pipeEnds[0]);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == kCannotMount) {
        GTEST_SKIP() << "this system lets no unprivileged user and mount namespace mount a tmpfs";
    }
    ASSERT_EQ(WEXITSTATUS(status), 0) << said;
    const std::string expected = "could not save: the file system is read-only";
    EXPECT_NE(said.find("sgame01.txt): " + expected + "\n"), std::string::npos) << said;
    EXPECT_NE(said.find("sgame02.txt): " + expected + "\n"), std::string::npos) << said;
    EXPECT_EQ(said.find("write-protected"), std::string::npos) << said;
}

} // namespace
} // namespace quandrel
