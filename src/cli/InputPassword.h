#pragma once

#include "LineReader.h"

#include <iosfwd>
#include <optional>
#include <string>

namespace quandrel {

// The passwords that "-" arguments stand for: one line of standard input each, in turn, so
// that two "-" take two lines. A line longer than a password line may be ends the reading
// there, whatever follows.
class InputPasswords final {
public:
    explicit InputPasswords(std::istream& in);

    // The next line; none, with the reason in `problem`, when the input has no more lines,
    // the line is too long or the read fails.
    std::optional<std::string> next(std::string& problem);

private:
    LineReader m_lines;
};

} // namespace quandrel
