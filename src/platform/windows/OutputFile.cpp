#include "platform/OutputFile.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <system_error>

namespace quandrel::platform {

namespace {

[[noreturn]] void failWithErrno() { throw std::system_error(errno, std::generic_category()); }

} // namespace

struct OutputFile::Handle {
    int fd;
    ~Handle() { ::_close(fd); }
};

OutputFile::OutputFile(std::unique_ptr<Handle> handle) : m_handle(std::move(handle)) {}
OutputFile::~OutputFile() = default;
OutputFile::OutputFile(OutputFile&&) noexcept = default;
OutputFile& OutputFile::operator=(OutputFile&&) noexcept = default;

OutputFile OutputFile::openExisting(const std::filesystem::path& path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(std::filesystem::symlink_status(path, error))) {
        throw std::system_error(std::make_error_code(std::errc::invalid_argument));
    }
    const int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT);
    if (fd < 0) {
        failWithErrno();
    }
    return OutputFile(std::unique_ptr<Handle>(new Handle{fd}));
}

// A new file takes its folder's inherited access rights; only the read-only attribute follows
// from the mode.
OutputFile OutputFile::createNew(const std::filesystem::path& path, unsigned mode)
{
    const int permission = (mode & 0200U) != 0 ? (_S_IREAD | _S_IWRITE) : _S_IREAD;
    const int fd = ::_wopen(path.c_str(), _O_WRONLY | _O_BINARY | _O_NOINHERIT | _O_CREAT | _O_EXCL, permission);
    if (fd < 0) {
        failWithErrno();
    }
    return OutputFile(std::unique_ptr<Handle>(new Handle{fd}));
}

std::size_t OutputFile::writeAt(const char* data, std::size_t size, std::uint64_t offset)
{
    if (::_lseeki64(m_handle->fd, static_cast<__int64>(offset), SEEK_SET) < 0) {
        failWithErrno();
    }
    const int written = ::_write(m_handle->fd, data, static_cast<unsigned>(std::min<std::size_t>(size, INT_MAX)));
    if (written < 0) {
        failWithErrno();
    }
    return static_cast<std::size_t>(written);
}

void OutputFile::truncate(std::uint64_t size)
{
    const errno_t error = ::_chsize_s(m_handle->fd, static_cast<__int64>(size));
    if (error != 0) {
        throw std::system_error(error, std::generic_category());
    }
}

void OutputFile::sync()
{
    if (::_commit(m_handle->fd) != 0) {
        failWithErrno();
    }
}

// Owners and access lists come from the folder here, for the new file as for the old one.
bool OutputFile::carryMetadataOf(const std::filesystem::path&) { return true; }

// A rename here is on the disk once it returns.
void syncFolder(const std::filesystem::path&) {}

} // namespace quandrel::platform
