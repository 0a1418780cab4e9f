#pragma once

#include <stdexcept>
#include <string>

namespace quandrel {

// A slot file that could not be written: what became of the old file, and the reason.
class SlotWriteError final : public std::runtime_error {
public:
    SlotWriteError(std::string outcome, const std::string& reason)
        : std::runtime_error(reason), m_outcome(std::move(outcome))
    {}

    // "could not save", or that phrase with what is known of the old file.
    const std::string& outcome() const { return m_outcome; }

private:
    std::string m_outcome;
};

} // namespace quandrel
