#include "NewSlotTemporaries.h"

#include <algorithm>
#include <string_view>

namespace quandrel {

bool isNewSlotTemporaryName(const std::string& fileName)
{
    const std::string_view pattern = kNewSlotTemplate;
    const std::string_view prefix = pattern.substr(0, pattern.find('X'));
    if (fileName.size() != pattern.size() || !fileName.starts_with(prefix)) {
        return false;
    }
    return std::all_of(fileName.begin() + static_cast<std::ptrdiff_t>(prefix.size()), fileName.end(), [](char c) {
        return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
    });
}

namespace {

bool isStale(const std::filesystem::path& path, std::filesystem::file_time_type staleBefore)
{
    std::error_code error;
    if (std::filesystem::symlink_status(path, error).type() != std::filesystem::file_type::regular) {
        return false;
    }
    const auto written = std::filesystem::last_write_time(path, error);
    return !error && written < staleBefore;
}

} // namespace

void removeStaleNewSlotTemporaries(const std::filesystem::path& directory)
{
    const auto staleBefore = std::filesystem::file_time_type::clock::now() - kStaleAfter;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        if (isNewSlotTemporaryName(it->path().filename().string()) && isStale(it->path(), staleBefore)) {
            std::error_code ignored;
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

} // namespace quandrel
