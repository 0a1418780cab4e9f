#pragma once

#include <iosfwd>
#include <optional>
#include <string>

namespace quandrel {

// The password on the first line of `in`, which a "-" argument stands for; none, with the
// reason in `problem`, when the input is empty, its line too long or the read fails.
std::optional<std::string> readInputPassword(std::istream& in, std::string& problem);

} // namespace quandrel
