#include "platform/LocalTime.h"

namespace quandrel::platform {

std::tm localTime(std::time_t time)
{
    std::tm local{};
    ::localtime_s(&local, &time);
    return local;
}

} // namespace quandrel::platform
