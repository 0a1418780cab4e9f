#include "SlotFile.h"

#include "SlotField.h"
#include "platform/InputFile.h"

#include <algorithm>
#include <system_error>

namespace quandrel {

std::string readSlotContents(const std::filesystem::path& path)
{
    std::string contents;
    try {
        platform::InputFile file(path);
        if (file.kind() != platform::InputFile::Kind::RegularFile) {
            throw SlotReadError(file.kind() == platform::InputFile::Kind::Directory ? "it is a directory, not a file"
                                                                                    : "it is not a regular file");
        }
        char buffer[4096];
        while (contents.size() < kSlotReadLimit && contents.find_first_of("\r\n") == std::string::npos) {
            const std::size_t got = file.read(buffer, std::min(sizeof buffer, kSlotReadLimit - contents.size()));
            if (got == 0) {
                break;
            }
            contents.append(buffer, got);
        }
    } catch (const std::system_error& error) {
        throw SlotReadError(error.code().message());
    }
    return contents;
}

std::string readFirstField(const std::filesystem::path& path)
{
    std::optional<std::string> field = firstSlotField(readSlotContents(path));
    if (!field) {
        throw SlotReadError(std::string(kEmptySlot));
    }
    return *std::move(field);
}

} // namespace quandrel
