#pragma once

#include "SlotFacts.h"

#include <stdexcept>
#include <string>

namespace quandrel {

// A save or load that failed: says which slot and where it lives, and why.
class SlotError final : public std::runtime_error {
public:
    SlotError(int slot, const std::string& place, std::string_view what, std::string_view reason)
        : std::runtime_error(slotMessage(std::to_string(slot), place, what, reason)), m_slot(slot)
    {}

    int slot() const { return m_slot; }

private:
    int m_slot;
};

} // namespace quandrel
