#include "SlotFileCreation.h"

#include "QtFileName.h"
#include "SlotTemporaries.h"
#include "platform/NewFileMode.h"

#include <QTemporaryFile>

namespace quandrel {

namespace {

bool existsInAnyForm(const std::filesystem::path& path)
{
    std::error_code ignored;
    return std::filesystem::symlink_status(path, ignored).type() != std::filesystem::file_type::not_found;
}

// What a plain new file gets. A temporary file starts private, so the published slot would
// otherwise be readable by its owner only.
QFileDevice::Permissions newFilePermissions()
{
    const unsigned mode = platform::newFileMode();
    const std::pair<unsigned, QFileDevice::Permissions> bits[] = {
        {0400U, QFileDevice::ReadOwner | QFileDevice::ReadUser},
        {0200U, QFileDevice::WriteOwner | QFileDevice::WriteUser},
        {0040U, QFileDevice::ReadGroup},
        {0020U, QFileDevice::WriteGroup},
        {0004U, QFileDevice::ReadOther},
        {0002U, QFileDevice::WriteOther},
    };
    QFileDevice::Permissions permissions;
    for (const auto& [bit, permission] : bits) {
        if ((mode & bit) != 0) {
            permissions |= permission;
        }
    }
    return permissions;
}

} // namespace

std::optional<std::string> createSlotFileIfMissing(const std::filesystem::path& path, std::string_view bytes)
{
    if (existsInAnyForm(path)) {
        return std::nullopt;
    }
    const std::filesystem::path directory = path.parent_path();
    removeStaleSlotTemporaries(directory.empty() ? "." : directory);

    QTemporaryFile temporary(qtFileName(directory / kNewSlotTemplate));
    const auto size = static_cast<qint64>(bytes.size());
    if (!temporary.open() || !temporary.setPermissions(newFilePermissions()) ||
        temporary.write(bytes.data(), size) != size || !temporary.flush()) {
        return temporary.errorString().toStdString();
    }
    // Never replaces: when another program published the slot first, its file stands.
    if (!temporary.rename(qtFileName(path))) {
        return existsInAnyForm(path) ? std::nullopt : std::optional(temporary.errorString().toStdString());
    }
    temporary.setAutoRemove(false);
    return std::nullopt;
}

} // namespace quandrel
