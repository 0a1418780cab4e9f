#include "InputPassword.h"

#include "Commands.h"

namespace quandrel {

InputPasswords::InputPasswords(std::istream& in) : m_lines(in, kMaxPasswordLine, LineReader::AfterLongLine::Stop) {}

std::optional<std::string> InputPasswords::next(std::string& problem)
{
    InputLine line;
    const bool read = m_lines.next(line);
    if (read && !line.tooLong) {
        return std::string(line.text);
    }
    if (!m_lines.readError().empty()) {
        problem = "cannot read standard input: " + m_lines.readError();
    } else if (read) {
        problem = "standard input: line " + std::to_string(line.number) + ": longer than " +
                  std::to_string(kMaxPasswordLine) + " bytes, not read";
    } else {
        problem = "standard input holds no password";
    }
    return std::nullopt;
}

} // namespace quandrel
