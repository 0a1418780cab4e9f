#pragma once

#include <filesystem>

namespace quandrel::platform {

// What a name in the file system stands for, as far as a save needs to know.
struct FileStatus {
    enum class Kind { Missing, RegularFile, Directory, SymbolicLink, Other };

    Kind kind = Kind::Missing;
    unsigned owner = 0;
    unsigned group = 0;
    unsigned mode = 0; // the permission bits with set-id and sticky bits, as in 01777
    unsigned long long links = 0;
};

// The name itself: a symbolic link is reported as a link. A missing name is Kind::Missing;
// any other failure throws std::system_error with the system's reason.
FileStatus linkStatus(const std::filesystem::path& path);

// Whether this process may write the file at `path`, as the system decides for its effective
// user (which for root still excludes an immutable file).
bool mayWrite(const std::filesystem::path& path);

// Whether the file system that holds `path` (which must exist) is mounted read-only, where no
// file can be written whatever its permissions.
bool onReadOnlyFileSystem(const std::filesystem::path& path);

} // namespace quandrel::platform
