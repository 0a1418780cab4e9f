#pragma once

#include <cstddef>
#include <filesystem>
#include <memory>

namespace quandrel::platform {

// A file opened for reading, byte for byte. Opening never waits, not even for the writer of a
// FIFO, and kind() says what was opened, so that a caller can refuse all but regular files.
class InputFile final {
public:
    enum class Kind { RegularFile, Directory, Other };

    // Throws std::system_error with the system's reason when the file cannot be opened.
    explicit InputFile(const std::filesystem::path& path);
    ~InputFile();
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    Kind kind() const { return m_kind; }

    // Reads up to `size` bytes of a regular file into `buffer`; 0 at its end. Throws
    // std::system_error.
    std::size_t read(char* buffer, std::size_t size);

private:
    struct Handle;
    std::unique_ptr<Handle> m_handle;
    Kind m_kind = Kind::Other;
};

} // namespace quandrel::platform
