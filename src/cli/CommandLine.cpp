#include "Commands.h"

#include "DescriptorOutput.h"
#include "InputPassword.h"
#include "NearestName.h"
#include "Version.h"
#include "codec/PrintableText.h"
#include "platform/CommandLineArguments.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <cerrno>
#include <fstream>
#include <functional>
#include <ostream>
#include <system_error>

namespace quandrel {

namespace {

int encodeFrom(const std::string& file, std::istream& in, std::ostream& out, std::ostream& err, EncodeOptions options)
{
    if (file.empty() || file == "-") {
        return runEncode(in, "standard input", out, err, options);
    }
    std::ifstream stream(platform::pathFromArgument(file), std::ios::binary);
    if (!stream) {
        err << "quandrel-pass encode: cannot open " << printableText(file) << ": "
            << std::error_code(errno, std::generic_category()).message() << '\n';
        return kExitBadInput;
    }
    return runEncode(stream, file, out, err, options);
}

// Runs a subcommand over a password argument, where "-" stands for the first line of `in`.
int withPassword(const std::string& argument, const char* command, std::istream& in, std::ostream& err,
                 const std::function<int(const std::string&)>& run)
{
    if (argument != "-") {
        return run(argument);
    }
    std::string problem;
    const auto password = InputPasswords(in).next(problem);
    if (!password) {
        err << "quandrel-pass " << command << ": " << problem << '\n';
        return kExitBadInput;
    }
    return run(*password);
}

std::string unknownSubcommand(const std::string& typed, const std::vector<std::string>& names)
{
    std::string message = "\"" + printableText(typed) + "\" is not a subcommand";
    if (const std::string near = nearestName(typed, names); !near.empty()) {
        message += "; did you mean \"" + near + "\"?";
    }
    return message + " (quandrel-pass help lists them)";
}

std::string footer(const std::string& examples, const std::string& exitCodes)
{
    return "\nExamples:\n" + examples + "\nExit status: " + exitCodes + "; 2 bad arguments, unreadable input or a " +
           "failed write.\n";
}

int parseAndRun(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err)
{
    CLI::App app{"Composes, decodes and checks Quandrel passwords.", "quandrel-pass"};
    app.require_subcommand(1);
    // CLI11 takes "/name" for an option on Windows; here it stays a path, as on every system.
    app.allow_windows_style_options(false);
    app.set_version_flag("--version", std::string("quandrel-pass ") + kVersion, "Print the version and exit");
    app.footer(footer("  quandrel-pass decode UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4A\n"
                      "  quandrel-pass help decode\n",
                      "0 success; 1 a password or state refused, or a check or diff that found something"));

    std::string stateFile;
    EncodeOptions encodeOptions;
    auto* encode = app.add_subcommand("encode", "Print the password of each JSON game state, one state per line "
                                                "(fields left out keep their initial values)");
    encode->add_option("file", stateFile, "JSON Lines file, or - for standard input (the default)");
    encode->add_flag("--keep-lines", encodeOptions.keepLines,
                     "Print an empty line for a refused state (and for a blank line), so that with one state a "
                     "line each output line stands beside its input line");
    encode->footer(footer("  echo '{\"arrows\":5,\"warrior\":1}' | quandrel-pass encode\n"
                          "  quandrel-pass decode < passwords.txt | quandrel-pass encode\n",
                          "0 every state encoded; 1 a state refused (the others are still encoded)"));

    std::vector<std::string> passwords;
    DecodeOptions decodeOptions;
    auto* decode = app.add_subcommand("decode", "Print each password's game state as one line of JSON; with no "
                                                "password or -, read one per line from standard input");
    decode->add_option("passwords", passwords,
                       "Passwords to decode (blanks, dashes and lower case are tolerated); - reads standard input "
                       "in its place");
    decode->add_flag("--lenient", decodeOptions.lenient,
                     "Read a wrong length or checksum as a slot load does (missing characters as zero bits, the "
                     "checksum not read) and only say on standard error what was wrong; blank lines are skipped");
    decode->add_flag("--keep-lines", decodeOptions.keepLines,
                     "Print null for a refused (or skipped) line, so that each output line stands beside its "
                     "input line");
    decode->footer(footer("  quandrel-pass decode UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4A\n"
                          "  quandrel-pass decode --lenient < sgame01.txt\n",
                          "0 every password decoded; 1 a password refused (the others are still decoded)"));

    std::string checked;
    auto* check = app.add_subcommand("check", "Say whether every symbol is valid and the checksum matches");
    check
        ->add_option("password", checked,
                     "The password, or - for standard input (blanks, dashes and lower case "
                     "are tolerated)")
        ->required();
    check->footer(footer("  quandrel-pass check 'ur3q-ur5f-ug4f-423r-ur3f-ur3f-ur3f-ur3f-ur3f-ur3f-urs4-a'\n",
                         "0 valid; 1 not, with one line per bad place on standard error"));

    std::string typed;
    auto* fix = app.add_subcommand("fix", "Suggest the likeliest corrections of a mistyped password, best first");
    fix->add_option("password", typed,
                    "The password as typed, or - for standard input (blanks, dashes and lower case are tolerated)")
        ->required();
    fix->footer(footer("  quandrel-pass fix UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4\n",
                       "0 corrections found or already valid; 1 no correction"));

    std::string explained;
    auto* explain = app.add_subcommand("explain", "Show which fields each group of characters carries");
    explain
        ->add_option("password", explained,
                     "The password to explain, or - for standard input (blanks, dashes and lower case are tolerated)")
        ->required();
    explain->footer(footer("  quandrel-pass explain UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4A\n",
                           "0 explained; 1 a character that is not a symbol"));

    std::string first;
    std::string second;
    auto* diff = app.add_subcommand("diff", "Compare two passwords or slot files field by field");
    diff->add_option("first", first, "A password, a slot file, or - for a password on standard input")->required();
    diff->add_option("second", second, "A password, a slot file, or - for a password on standard input")->required();
    diff->footer(footer("  quandrel-pass diff sgame01.txt sgame02.txt\n"
                        "  quandrel-pass encode state.json | quandrel-pass diff sgame01.txt -\n",
                        "0 the same game state; 1 they differ"));

    std::string helpTopic;
    auto* help = app.add_subcommand("help", "Show this help, or a subcommand's");
    help->add_option("subcommand", helpTopic, "The subcommand to explain");

    std::vector<std::string> names;
    for (const auto* subcommand : app.get_subcommands({})) {
        names.push_back(subcommand->get_name());
    }
    // A misspelt subcommand gets a suggestion rather than the parser's list of unexpected arguments.
    if (argc > 1 && argv[1][0] != '-' && std::find(names.begin(), names.end(), argv[1]) == names.end()) {
        err << "quandrel-pass: " << unknownSubcommand(argv[1], names) << '\n';
        return kExitBadInput;
    }

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        if (error.get_exit_code() == 0) {
            // --help and --version.
            app.exit(error, out, err);
            return kExitOk;
        }
        // Named like every other message, by the subcommand that was being read.
        const auto parsed = app.get_subcommands();
        const std::string subcommand = parsed.empty() ? "" : " " + parsed.back()->get_name();
        err << "quandrel-pass" << subcommand << ": " << printableText(error.what()) << " (quandrel-pass help"
            << subcommand << " shows the usage)\n";
        return kExitBadInput;
    }

    if (help->parsed()) {
        if (helpTopic.empty()) {
            // Not app.help(), which shows the help of the subcommand that ran: this one.
            out << app.get_formatter()->make_help(&app, "quandrel-pass", CLI::AppFormatMode::Normal);
            return kExitOk;
        }
        for (const auto* subcommand : app.get_subcommands({})) {
            if (subcommand->get_name() == helpTopic) {
                out << subcommand->help("quandrel-pass");
                return kExitOk;
            }
        }
        err << "quandrel-pass help: " << unknownSubcommand(helpTopic, names) << '\n';
        return kExitBadInput;
    }
    if (encode->parsed()) {
        return encodeFrom(stateFile, in, out, err, encodeOptions);
    }
    if (decode->parsed()) {
        return runDecode(passwords, in, out, err, decodeOptions);
    }
    if (fix->parsed()) {
        return withPassword(typed, "fix", in, err, [&](const std::string& p) { return runFix(p, out, err); });
    }
    if (explain->parsed()) {
        return withPassword(explained, "explain", in, err,
                            [&](const std::string& p) { return runExplain(p, out, err); });
    }
    if (diff->parsed()) {
        return runDiff(first, second, in, out, err);
    }
    return withPassword(checked, "check", in, err, [&](const std::string& p) { return runCheck(p, out, err); });
}

} // namespace

int runCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err)
{
    try {
        const int status = parseAndRun(argc, argv, in, out, err);
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
