#include "platform/FileStatus.h"

#include <system_error>
#include <windows.h>

namespace quandrel::platform {

// Files here have no owner or group numbers; the permission bits are what the standard library
// makes of the read-only attribute.
FileStatus linkStatus(const std::filesystem::path& path)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::symlink_status(path, error);
    if (status.type() == std::filesystem::file_type::not_found) {
        return {};
    }
    if (error) {
        throw std::system_error(error);
    }
    FileStatus result;
    result.kind = std::filesystem::is_regular_file(status) ? FileStatus::Kind::RegularFile
                  : std::filesystem::is_directory(status)  ? FileStatus::Kind::Directory
                  : std::filesystem::is_symlink(status)    ? FileStatus::Kind::SymbolicLink
                                                           : FileStatus::Kind::Other;
    result.mode = static_cast<unsigned>(status.permissions()) & 07777U;
    result.links = std::filesystem::hard_link_count(path, error);
    return result;
}

bool mayWrite(const std::filesystem::path& path)
{
    std::error_code error;
    const auto permissions = std::filesystem::status(path, error).permissions();
    return !error && (permissions & std::filesystem::perms::owner_write) != std::filesystem::perms::none;
}

bool onReadOnlyFileSystem(const std::filesystem::path& path)
{
    wchar_t volume[MAX_PATH + 1];
    DWORD flags = 0;
    return ::GetVolumePathNameW(path.c_str(), volume, MAX_PATH + 1) != 0 &&
           ::GetVolumeInformationW(volume, nullptr, 0, nullptr, nullptr, &flags, nullptr, 0) != 0 &&
           (flags & FILE_READ_ONLY_VOLUME) != 0;
}

} // namespace quandrel::platform
