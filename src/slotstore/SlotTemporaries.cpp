#include "SlotTemporaries.h"

#include <algorithm>
#include <random>
#include <string_view>

namespace quandrel {

namespace {

constexpr std::string_view kNameLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";

bool producedBy(std::string_view pattern, const std::string& fileName)
{
    const std::string_view prefix = pattern.substr(0, pattern.find('X'));
    if (fileName.size() != pattern.size() || !fileName.starts_with(prefix)) {
        return false;
    }
    return std::all_of(fileName.begin() + static_cast<std::ptrdiff_t>(prefix.size()), fileName.end(),
                       [](char c) { return kNameLetters.find(c) != std::string_view::npos; });
}

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

bool isSlotTemporaryName(const std::string& fileName)
{
    return producedBy(kNewSlotTemplate, fileName) || producedBy(kSavedSlotTemplate, fileName);
}

std::string randomSlotTemporaryName(const char* pattern)
{
    static thread_local std::mt19937 random{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> letter(0, kNameLetters.size() - 1);
    std::string name = pattern;
    for (char& c : name) {
        if (c == 'X') {
            c = kNameLetters[letter(random)];
        }
    }
    return name;
}

void removeStaleSlotTemporaries(const std::filesystem::path& directory)
{
    const auto staleBefore = std::filesystem::file_time_type::clock::now() - kStaleAfter;
    std::error_code error;
    for (std::filesystem::directory_iterator it(directory, error), end; !error && it != end; it.increment(error)) {
        if (isSlotTemporaryName(it->path().filename().string()) && isStale(it->path(), staleBefore)) {
            std::error_code ignored;
            std::filesystem::remove(it->path(), ignored);
        }
    }
}

} // namespace quandrel
