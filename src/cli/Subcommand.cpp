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

namespace {

// Runs `run` on the password `typed`, or for "-" on the next line of standard input.
int runOnPassword(const std::string& typed, std::string_view subcommand, PasswordRun run, const Streams& streams)
{
    if (typed != "-") {
        return run(typed, streams.out, streams.err);
    }
    std::string problem;
    const auto password = InputPasswords(streams.in).next(problem);
    if (!password) {
        streams.err << "quandrel-pass " << subcommand << ": " << problem << '\n';
        return kExitBadInput;
    }
    return run(*password, streams.out, streams.err);
}

} // namespace

Subcommand passwordSubcommand(std::string_view name, std::string_view summary, std::string argument, std::string footer,
                              PasswordRun run)
{
    const auto define = [=](CLI::App& command) -> SubcommandRun {
        auto typed = std::make_shared<std::string>();
        command.add_option("password", *typed, argument)->required();
        command.footer(footer);
        return [=](const Streams& streams) { return runOnPassword(*typed, name, run, streams); };
    };
    return {name, summary, define};
}

} // namespace quandrel
