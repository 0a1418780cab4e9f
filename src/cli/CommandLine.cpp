#include "Commands.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>

namespace quandrel {

namespace {

int encodeFrom(const std::string& file, std::istream& in, std::ostream& out, std::ostream& err)
{
    if (file.empty() || file == "-") {
        return runEncode(in, out, err);
    }
    std::ifstream stream(file, std::ios::binary);
    if (!stream) {
        err << "quandrel-pass encode: cannot open " << file << '\n';
        return kExitBadInput;
    }
    return runEncode(stream, out, err);
}

} // namespace

int runCommandLine(int argc, const char* const* argv, std::istream& in, std::ostream& out, std::ostream& err)
{
    CLI::App app{"Composes, decodes and checks Quandrel passwords.", "quandrel-pass"};
    app.require_subcommand(1);
    // CLI11 takes "/name" for an option on Windows; here it stays a path, as on every system.
    app.allow_windows_style_options(false);

    std::string stateFile;
    auto* encode = app.add_subcommand("encode", "Print the password of a JSON game state (fields left out keep "
                                                "their initial values)");
    encode->add_option("file", stateFile, "JSON file, or - for standard input (the default)");

    std::vector<std::string> passwords;
    auto* decode = app.add_subcommand("decode", "Print each password's game state as one line of JSON; with no "
                                                "password, read one per line from standard input");
    decode->add_option("passwords", passwords, "Passwords to decode");

    std::string checked;
    auto* check = app.add_subcommand("check", "Say whether every symbol is valid and the checksum matches");
    check->add_option("password", checked, "The password to check")->required();

    std::string typed;
    auto* fix = app.add_subcommand("fix", "Suggest the likeliest corrections of a mistyped password, best first");
    fix->add_option("password", typed, "The password as typed (blanks, dashes and lower case are tolerated)")
        ->required();

    std::string explained;
    auto* explain = app.add_subcommand("explain", "Show which fields each group of characters carries");
    explain->add_option("password", explained, "The password to explain")->required();

    std::string first;
    std::string second;
    auto* diff = app.add_subcommand("diff", "Compare two passwords or slot files field by field");
    diff->add_option("first", first, "A password or a slot file")->required();
    diff->add_option("second", second, "A password or a slot file")->required();

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, out, err);
        return status == 0 ? kExitOk : kExitBadInput;
    }

    if (encode->parsed()) {
        return encodeFrom(stateFile, in, out, err);
    }
    if (decode->parsed()) {
        return runDecode(passwords, in, out, err);
    }
    if (fix->parsed()) {
        return runFix(typed, out, err);
    }
    if (explain->parsed()) {
        return runExplain(explained, out, err);
    }
    if (diff->parsed()) {
        return runDiff(first, second, out, err);
    }
    return runCheck(checked, out);
}

} // namespace quandrel
