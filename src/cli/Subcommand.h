#pragma once

#include <functional>
#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace CLI {
class App;
}

namespace quandrel {

// The streams a subcommand reads and writes.
struct Streams {
    std::istream& in;
    std::ostream& out;
    std::ostream& err;
};

// A subcommand with the values of its options taken: runs it and gives the exit status.
using SubcommandRun = std::function<int(const Streams&)>;

// One subcommand of quandrel-pass, defined in its own file (EncodeCommand.cpp for encode, ...)
// and listed in SubcommandTable.cpp: its name, what it does in one line, and `define`, which adds
// its arguments, options and help footer to the CLI11 command made for it and returns what runs
// it once the command line is parsed.
struct Subcommand {
    std::string_view name;
    std::string_view summary;
    std::function<SubcommandRun(CLI::App& command)> define;
};

// Every subcommand, in the order the help lists them.
std::span<const Subcommand> subcommandTable();

// The message for a word that names no subcommand, with the nearest name that does.
std::string unknownSubcommand(const std::string& typed);

// The end of a help text: examples, then what each exit status means.
std::string helpFooter(const std::string& examples, const std::string& exitCodes);

// A subcommand that takes one password, described as `argument`, and runs `run` on it; "-"
// stands for the next line of standard input.
using PasswordRun = int (*)(const std::string& password, std::ostream& out, std::ostream& err);
Subcommand passwordSubcommand(std::string_view name, std::string_view summary, std::string argument, std::string footer,
                              PasswordRun run);

} // namespace quandrel
