#include "platform/FileStatus.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <system_error>
#include <unistd.h>

namespace quandrel::platform {

FileStatus linkStatus(const std::filesystem::path& path)
{
    struct stat status {};
    if (::lstat(path.c_str(), &status) != 0) {
        if (errno == ENOENT) {
            return {};
        }
        throw std::system_error(errno, std::generic_category());
    }
    FileStatus result;
    result.kind = S_ISREG(status.st_mode)   ? FileStatus::Kind::RegularFile
                  : S_ISDIR(status.st_mode) ? FileStatus::Kind::Directory
                  : S_ISLNK(status.st_mode) ? FileStatus::Kind::SymbolicLink
                                            : FileStatus::Kind::Other;
    result.owner = status.st_uid;
    result.group = status.st_gid;
    result.mode = status.st_mode & 07777U;
    result.links = status.st_nlink;
    return result;
}

bool mayWrite(const std::filesystem::path& path) { return ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0; }

bool onReadOnlyFileSystem(const std::filesystem::path& path)
{
    struct statvfs status {};
    return ::statvfs(path.c_str(), &status) == 0 && (status.f_flag & ST_RDONLY) != 0;
}

} // namespace quandrel::platform
