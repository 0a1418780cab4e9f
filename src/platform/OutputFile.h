#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

namespace quandrel::platform {

// A file opened for writing, byte for byte, closed when destroyed. Every failure throws
// std::system_error with the system's reason.
class OutputFile final {
public:
    // Opens the existing regular file at `path` without truncating it. Never creates a file,
    // never follows a symbolic link at the name itself, never waits on a FIFO.
    static OutputFile openExisting(const std::filesystem::path& path);

    // Creates the file at `path`, which must not exist in any form (the error is
    // std::errc::file_exists when it does), with the permission bits `mode` less the umask.
    static OutputFile createNew(const std::filesystem::path& path, unsigned mode);

    ~OutputFile();
    OutputFile(OutputFile&&) noexcept;
    OutputFile& operator=(OutputFile&&) noexcept;

    // Writes up to `size` bytes at byte `offset` and returns how many were written.
    std::size_t writeAt(const char* data, std::size_t size, std::uint64_t offset);

    // Cuts the file to `size` bytes.
    void truncate(std::uint64_t size);

    // Returns once the contents are on the disk.
    void sync();

    // Gives this file the owner, group, permission bits and extended attributes (access control
    // lists included) of the file at `original`, as far as the system lets this process, and
    // drops attributes that the original has not. Returns whether this file now carries all of
    // them; false leaves it carrying part.
    bool carryMetadataOf(const std::filesystem::path& original);

private:
    struct Handle;
    explicit OutputFile(std::unique_ptr<Handle> handle);
    std::unique_ptr<Handle> m_handle;
};

// Makes the latest renames in `folder` last through a crash, where the system lets a folder be
// flushed. A failure is ignored: the rename itself has happened.
void syncFolder(const std::filesystem::path& folder);

} // namespace quandrel::platform
