#include "Subcommand.h"

#include "Commands.h"
#include "InputPassword.h"

#include <ostream>

namespace quandrel {

std::string helpFooter(const std::string& examples, const std::string& exitCodes)
{
    return "\nExamples:\n" + examples + "\nExit status: " + exitCodes + "; 2 bad arguments, unreadable input or a " +
           "failed write.\n";
}

int runOnPassword(const std::string& argument, std::string_view subcommand, const Streams& streams,
                  const std::function<int(const std::string&)>& run)
{
    if (argument != "-") {
        return run(argument);
    }
    std::string problem;
    const auto password = InputPasswords(streams.in).next(problem);
    if (!password) {
        streams.err << "quandrel-pass " << subcommand << ": " << problem << '\n';
        return kExitBadInput;
    }
    return run(*password);
}

} // namespace quandrel
