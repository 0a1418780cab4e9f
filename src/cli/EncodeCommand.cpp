#include "Commands.h"
#include "Subcommand.h"

#include "JsonRecordReader.h"
#include "PrintableText.h"
#include "StateJson.h"
#include "codec/InvalidArgument.h"
#include "codec/Password.h"
#include "platform/CommandLineArguments.h"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <array>
#include <cerrno>
#include <fstream>
#include <memory>
#include <ostream>
#include <span>
#include <system_error>

namespace quandrel {

namespace {

// The place of a refusal in the whole input: a JSON error's own line counts from the state's first.
void reportRefusal(std::ostream& err, long long firstLine, const StateFormatError& error)
{
    err << "quandrel-pass encode: line ";
    if (error.line() > 0) {
        err << firstLine + error.line() - 1 << ", column " << error.column();
    } else {
        err << firstLine;
    }
    err << ": " << error.reason() << '\n';
}

} // namespace

int runEncode(std::istream& in, std::string_view source, std::ostream& out, std::ostream& err, EncodeOptions options)
{
    JsonRecordReader records(in, kMaxStateSize);
    JsonRecord record;
    // Most lines are states written plainly: each is read as it is split off, once.
    GameState state;
    const JsonRecordReader::TakesWhole takesState = [&state](std::string_view line) {
        return readPlainStateJson(line, state);
    };
    std::array<char, kPasswordLength + 1> passwordLine{};
    passwordLine.back() = '\n';
    const auto writePasswordLine = [&] {
        writePassword(state, std::span(passwordLine).first<kPasswordLength>());
        out.write(passwordLine.data(), passwordLine.size());
    };
    bool failed = false;
    long long nextLine = 1; // the first line after the last state, for --keep-lines
    const auto refuse = [&](const StateFormatError& error) {
        reportRefusal(err, record.firstLine, error);
        failed = true;
        if (options.keepLines) {
            out << '\n';
        }
    };
    while (records.next(record, takesState)) {
        if (options.keepLines) {
            // Blank lines before this state give empty lines too.
            for (; nextLine < record.firstLine; ++nextLine) {
                out << '\n';
            }
            nextLine = record.firstLine + 1 + std::count(record.text.begin(), record.text.end(), '\n');
        }
        if (record.tooLarge) {
            refuse(StateFormatError("more than " + std::to_string(kMaxStateSize / 1024) + " KiB, not read"));
            continue;
        }
        try {
            if (!record.taken) {
                state = gameStateFromJson(record.text);
            }
            writePasswordLine();
        } catch (const StateFormatError& error) {
            refuse(error);
        } catch (const InvalidArgument& error) {
            refuse(StateFormatError(error.what()));
        }
    }
    if (!records.readError().empty()) {
        err << "quandrel-pass encode: cannot read " << printableText(source) << ": " << records.readError() << '\n';
        return kExitBadInput;
    }
    return failed ? kExitFailed : kExitOk;
}

namespace {

int encodeFrom(const std::string& file, const Streams& streams, EncodeOptions options)
{
    if (file.empty() || file == "-") {
        return runEncode(streams.in, "standard input", streams.out, streams.err, options);
    }
    std::ifstream stream(platform::pathFromArgument(file), std::ios::binary);
    if (!stream) {
        streams.err << "quandrel-pass encode: cannot open " << printableText(file) << ": "
                    << std::error_code(errno, std::generic_category()).message() << '\n';
        return kExitBadInput;
    }
    return runEncode(stream, file, streams.out, streams.err, options);
}

SubcommandRun defineEncode(CLI::App& command)
{
    struct Arguments {
        std::string file;
        EncodeOptions options;
    };
    auto arguments = std::make_shared<Arguments>();
    command.add_option("file", arguments->file, "JSON Lines file, or - for standard input (the default)");
    command.add_flag("--keep-lines", arguments->options.keepLines,
                     "Print an empty line for a refused state (and for a blank line), so that with one state a "
                     "line each output line stands beside its input line");
    command.footer(helpFooter("  echo '{\"arrows\":5,\"warrior\":1}' | quandrel-pass encode\n"
                              "  quandrel-pass decode < passwords.txt | quandrel-pass encode\n",
                              "0 every state encoded; 1 a state refused (the others are still encoded)"));
    return [arguments](const Streams& streams) { return encodeFrom(arguments->file, streams, arguments->options); };
}

} // namespace

Subcommand encodeSubcommand()
{
    return {"encode",
            "Print the password of each JSON game state, one state per line (fields left out keep their initial "
            "values)",
            defineEncode};
}

} // namespace quandrel
