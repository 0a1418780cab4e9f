#pragma once

#include <stdexcept>
#include <string>

namespace quandrel {

// A save or load that failed: says which slot and file, and why.
class SlotError final : public std::runtime_error {
public:
    SlotError(int slot, const std::string& fileName, const std::string& what, const std::string& reason)
        : std::runtime_error("Slot " + std::to_string(slot) + " (" + fileName + "): " + what + ": " + reason),
          m_slot(slot)
    {}

    int slot() const { return m_slot; }

private:
    int m_slot;
};

} // namespace quandrel
