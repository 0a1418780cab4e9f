#include "InputPassword.h"

#include "Commands.h"
#include "LineReader.h"

namespace quandrel {

std::optional<std::string> readInputPassword(std::istream& in, std::string& problem)
{
    LineReader lines(in, kMaxPasswordLine);
    InputLine line;
    if (lines.next(line) && !line.tooLong) {
        return std::string(line.text);
    }
    if (!lines.readError().empty()) {
        problem = "cannot read standard input: " + lines.readError();
    } else if (line.tooLong) {
        problem = "standard input: line 1: longer than " + std::to_string(kMaxPasswordLine) + " bytes, not read";
    } else {
        problem = "standard input holds no password";
    }
    return std::nullopt;
}

} // namespace quandrel
