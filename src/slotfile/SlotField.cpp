#include "SlotField.h"

namespace quandrel {

std::optional<std::string> firstSlotField(std::string_view contents)
{
    if (contents.empty()) {
        return std::nullopt;
    }
    std::size_t start = contents.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return std::string();
    }
    if (contents[start] == '"') {
        ++start;
        const std::size_t end = contents.find_first_of("\"\r\n", start);
        return std::string(contents.substr(start, end == std::string_view::npos ? end : end - start));
    }
    const std::size_t end = contents.find_first_of(",\r\n", start);
    return std::string(contents.substr(start, end == std::string_view::npos ? end : end - start));
}

} // namespace quandrel
