#pragma once

#include <stdexcept>
#include <string>

namespace quandrel {

// Raised by the conversions and section encoders for an argument they cannot encode,
// so a caller never receives a made-up symbol or bit text.
class InvalidArgument final : public std::invalid_argument {
public:
    explicit InvalidArgument(const std::string& message) : std::invalid_argument(message) {}
};

} // namespace quandrel
