#include "platform/InputFile.h"

#include <cerrno>
#include <fstream>
#include <system_error>

namespace quandrel::platform {

struct InputFile::Handle {
    std::ifstream stream;
};

// Pipes and devices have no names among the files here, so nothing that opens can block.
InputFile::InputFile(const std::filesystem::path& path) : m_handle(new Handle)
{
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (error) {
        throw std::system_error(error);
    }
    m_kind = std::filesystem::is_regular_file(status) ? Kind::RegularFile
             : std::filesystem::is_directory(status)  ? Kind::Directory
                                                      : Kind::Other;
    if (m_kind != Kind::RegularFile) {
        return;
    }
    m_handle->stream.open(path, std::ios::binary);
    if (!m_handle->stream) {
        throw std::system_error(errno, std::generic_category());
    }
}

InputFile::~InputFile() = default;

std::size_t InputFile::read(char* buffer, std::size_t size)
{
    m_handle->stream.read(buffer, static_cast<std::streamsize>(size));
    if (m_handle->stream.bad()) {
        throw std::system_error(errno, std::generic_category());
    }
    return static_cast<std::size_t>(m_handle->stream.gcount());
}

} // namespace quandrel::platform
