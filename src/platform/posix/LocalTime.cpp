#include "platform/LocalTime.h"

namespace quandrel::platform {

std::tm localTime(std::time_t time)
{
    std::tm local{};
    ::localtime_r(&time, &local);
    return local;
}

} // namespace quandrel::platform
