#include "platform/OutputFile.h"

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace quandrel::platform {

namespace {

[[noreturn]] void failWithErrno() { throw std::system_error(errno, std::generic_category()); }

// The names of a file's extended attributes, or nothing when they cannot be listed.
template <typename List> std::optional<std::vector<std::string>> attributeNames(List list)
{
    for (;;) {
        const ssize_t size = list(nullptr, 0);
        if (size < 0) {
            return errno == ENOTSUP ? std::optional(std::vector<std::string>()) : std::nullopt;
        }
        std::string buffer(static_cast<std::size_t>(size), '\0');
        const ssize_t got = list(buffer.data(), buffer.size());
        if (got < 0 && errno == ERANGE) {
            continue; // an attribute was added meanwhile
        }
        if (got < 0) {
            return std::nullopt;
        }
        std::vector<std::string> names;
        for (std::size_t start = 0; start < static_cast<std::size_t>(got);) {
            const std::size_t end = buffer.find('\0', start);
            names.push_back(buffer.substr(start, end - start));
            start = end + 1;
        }
        return names;
    }
}

std::optional<std::string> attributeValue(const char* path, const std::string& name)
{
    for (;;) {
        const ssize_t size = ::getxattr(path, name.c_str(), nullptr, 0);
        if (size < 0) {
            return std::nullopt;
        }
        std::string value(static_cast<std::size_t>(size), '\0');
        const ssize_t got = ::getxattr(path, name.c_str(), value.data(), value.size());
        if (got >= 0) {
            value.resize(static_cast<std::size_t>(got));
            return value;
        }
        if (errno != ERANGE) {
            return std::nullopt;
        }
    }
}

} // namespace

struct OutputFile::Handle {
    int fd;
    ~Handle() { ::close(fd); }
};

OutputFile::OutputFile(std::unique_ptr<Handle> handle) : m_handle(std::move(handle)) {}
OutputFile::~OutputFile() = default;
OutputFile::OutputFile(OutputFile&&) noexcept = default;
OutputFile& OutputFile::operator=(OutputFile&&) noexcept = default;

OutputFile OutputFile::openExisting(const std::filesystem::path& path)
{
    // Non-blocking, so that a FIFO put in the file's place is refused instead of waited on.
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0) {
        failWithErrno();
    }
    auto handle = std::unique_ptr<Handle>(new Handle{fd});
    struct stat status {};
    if (::fstat(fd, &status) != 0) {
        failWithErrno();
    }
    if (!S_ISREG(status.st_mode)) {
        throw std::system_error(std::make_error_code(std::errc::invalid_argument));
    }
    return OutputFile(std::move(handle));
}

OutputFile OutputFile::createNew(const std::filesystem::path& path, unsigned mode)
{
    const int fd =
        ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, static_cast<mode_t>(mode));
    if (fd < 0) {
        failWithErrno();
    }
    return OutputFile(std::unique_ptr<Handle>(new Handle{fd}));
}

std::size_t OutputFile::writeAt(const char* data, std::size_t size, std::uint64_t offset)
{
    for (;;) {
        const ssize_t written = ::pwrite(m_handle->fd, data, size, static_cast<off_t>(offset));
        if (written >= 0) {
            return static_cast<std::size_t>(written);
        }
        if (errno != EINTR) {
            failWithErrno();
        }
    }
}

void OutputFile::truncate(std::uint64_t size)
{
    if (::ftruncate(m_handle->fd, static_cast<off_t>(size)) != 0) {
        failWithErrno();
    }
}

void OutputFile::sync()
{
    if (::fsync(m_handle->fd) != 0) {
        failWithErrno();
    }
}

bool OutputFile::carryMetadataOf(const std::filesystem::path& original)
{
    const int fd = m_handle->fd;
    struct stat old {};
    if (::stat(original.c_str(), &old) != 0) {
        return false;
    }
    // Owner first: changing it clears set-id bits, which the mode then puts back. Failures are
    // found by the comparison at the end.
    [[maybe_unused]] int ignored = ::fchown(fd, old.st_uid, old.st_gid);
    ignored = ::fchmod(fd, old.st_mode & 07777U);

    const auto oldNames =
        attributeNames([&](char* list, std::size_t size) { return ::listxattr(original.c_str(), list, size); });
    const auto newNames = attributeNames([&](char* list, std::size_t size) { return ::flistxattr(fd, list, size); });
    if (!oldNames || !newNames) {
        return false;
    }
    const std::set<std::string> kept(oldNames->begin(), oldNames->end());
    bool carried = true;
    // What the folder handed down (a default access list, a security label) but the original
    // lacks would change who may read the slot.
    for (const std::string& name : *newNames) {
        if (!kept.contains(name) && ::fremovexattr(fd, name.c_str()) != 0) {
            carried = false;
        }
    }
    // After the mode, so that setting the mode cannot narrow the access list
    // (system.posix_acl_access).
    for (const std::string& name : *oldNames) {
        const std::optional<std::string> value = attributeValue(original.c_str(), name);
        if (!value || ::fsetxattr(fd, name.c_str(), value->data(), value->size(), 0) != 0) {
            carried = false;
        }
    }

    struct stat now {};
    return carried && ::fstat(fd, &now) == 0 && now.st_uid == old.st_uid && now.st_gid == old.st_gid &&
           (now.st_mode & 07777U) == (old.st_mode & 07777U);
}

void syncFolder(const std::filesystem::path& folder)
{
    const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace quandrel::platform
