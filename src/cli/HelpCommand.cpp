#include "Commands.h"
#include "Subcommand.h"

#include <CLI/CLI.hpp>

#include <memory>
#include <ostream>

namespace quandrel {

namespace {

SubcommandRun defineHelp(CLI::App& command)
{
    auto topic = std::make_shared<std::string>();
    command.add_option("subcommand", *topic, "The subcommand to explain");
    return [&command, topic](const Streams& streams) {
        CLI::App& program = *command.get_parent();
        if (topic->empty()) {
            // Not program.help(), which shows the help of the subcommand that ran: this one.
            streams.out << program.get_formatter()->make_help(&program, "quandrel-pass", CLI::AppFormatMode::Normal);
            return kExitOk;
        }
        for (const auto* subcommand : program.get_subcommands({})) {
            if (subcommand->get_name() == *topic) {
                streams.out << subcommand->help("quandrel-pass");
                return kExitOk;
            }
        }
        streams.err << "quandrel-pass help: " << unknownSubcommand(*topic) << '\n';
        return kExitBadInput;
    };
}

} // namespace

Subcommand helpSubcommand() { return {"help", "Show this help, or a subcommand's", defineHelp}; }

} // namespace quandrel
