#pragma once

#include "codec/Repair.h"

#include <string_view>
#include <vector>

namespace quandrel::reference {

// The corrections of a password, worked out the slow, plain way, in the same order.
std::vector<Repair> suggestRepairs(std::string_view password, std::size_t maxResults = kMaxRepairs);

} // namespace quandrel::reference
