#include "Commands.h"

#include "DescriptorOutput.h"
#include "Subcommand.h"
#include "Version.h"
#include "codec/PrintableText.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <ostream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace quandrel {

namespace {

int parseAndRun(int argc, const char* const* argv, const Streams& streams)
{
    CLI::App app{"Composes, decodes and checks Quandrel passwords.", "quandrel-pass"};
    app.require_subcommand(1);
    // CLI11 takes "/name" for an option on Windows; here it stays a path, as on every system.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("quandrel-pass ") + kVersion, "Print the version and exit");
    app.footer(helpFooter("  quandrel-pass decode UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4A\n"
                          "  quandrel-pass help decode\n",
                          "0 success; 1 a password or state refused, or a check or diff that found something"));

    std::vector<std::pair<const CLI::App*, SubcommandRun>> runs;
    for (const Subcommand& subcommand : subcommandTable()) {
        CLI::App* command = app.add_subcommand(std::string(subcommand.name), std::string(subcommand.summary));
        runs.emplace_back(command, subcommand.define(*command));
    }

    // A misspelt subcommand gets a suggestion rather than the parser's list of unexpected arguments.
    const auto table = subcommandTable();
    if (argc > 1 && argv[1][0] != '-' &&
        std::none_of(table.begin(), table.end(), [&](const Subcommand& s) { return s.name == argv[1]; })) {
        streams.err << "quandrel-pass: " << unknownSubcommand(argv[1]) << '\n';
        return kExitBadInput;
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            // --help and --version.
            app.exit(error, streams.out, streams.err);
            return kExitOk;
        }
        // Named like every other message, by the subcommand that was being read.
        const auto parsed = app.get_subcommands();
        const std::string subcommand = parsed.empty() ? "" : " " + parsed.back()->get_name();
        streams.err << "quandrel-pass" << subcommand << ": " << printableText(error.what()) << " (quandrel-pass help"
                    << subcommand << " shows the usage)\n";
        return kExitBadInput;
    }

    for (const auto& [command, run] : runs) {
        if (command->parsed()) {
            return run(streams);
        }
    }
    // The parser takes no command line without exactly one subcommand.
    throw std::logic_error("quandrel-pass: the command line was parsed without a subcommand");
}

} // namespace

int runCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err)
{
    try {
        const int status = parseAndRun(argc, argv, {in, out, err});
        out.flush();
        if (!out) {
            err << "quandrel-pass: cannot write the output\n";
            return kExitBadInput;
        }
        return status;
    } catch (const WriteError& error) {
        err << "quandrel-pass: cannot write the output: " << error.code().message() << '\n';
        return kExitBadInput;
    }
}

} // namespace quandrel
