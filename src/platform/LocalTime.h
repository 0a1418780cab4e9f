#pragma once

#include <ctime>

namespace quandrel::platform {

// The local time of day and date of `time`, through the system's thread-safe call for it.
std::tm localTime(std::time_t time);

} // namespace quandrel::platform
