#include "Subcommand.h"

#include "Commands.h"
#include "InputPassword.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>

namespace quandrel {

std::string helpFooter(const std::string& examples, const std::string& exitCodes)
{
    return "\nExamples:\n" + examples + "\nExit status: " + exitCodes + "; 2 bad arguments, unreadable input or a " +
           "failed write.\n";
}

SubcommandRun definePasswordSubcommand(CLI::App& command, const std::string& argument, const std::string& footer,
                                       PasswordRun run)
{
    auto typed = std::make_shared<std::string>();
    command.add_option("password", *typed, argument)->required();
    command.footer(footer);
    return [typed, run, name = command.get_name()](const Streams& streams) {
        if (*typed != "-") {
            return run(*typed, streams.out, streams.err);
        }
        std::string problem;
        const auto password = InputPasswords(streams.in).next(problem);
        if (!password) {
            streams.err << "quandrel-pass " << name << ": " << problem << '\n';
            return kExitBadInput;
        }
        return run(*password, streams.out, streams.err);
    };
}

} // namespace quandrel
