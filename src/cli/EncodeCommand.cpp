#include "Commands.h"
#include "Subcommand.h"

#include "JsonRecordReader.h"
#include "StateJson.h"
#include "codec/InvalidArgument.h"
#include "codec/Password.h"
#include "codec/PrintableText.h"
#include "platform/CommandLineArguments.h"

#include <CLI/CLI.hpp>

#include <array>
#include <cerrno>
#include <fstream>
#include <memory>
#include <ostream>
#include <span>
#include <system_error>

namespace quandrel {

namespace {

// The place of a refusal in the whole input: a JSON error's own line counts from the state's
// first, and a place past that first line also names it, where the record began.
void reportRefusal(std::ostream& err, long long firstLine, const StateFormatError& error)
{
    err << "quandrel-pass encode: line ";
    const long long line = error.line() > 0 ? firstLine + error.line() - 1 : firstLine;
    err << line;
    if (error.line() > 0) {
        err << ", column " << error.column();
    }
    err << ": " << printableText(error.reason());
    if (line != firstLine) {
        err << " (in the state from line " << firstLine << ")";
    }
    err << '\n';
}

} // namespace

int runEncode(std::istream& in, std::string_view source, std::ostream& out, std::ostream& err, EncodeOptions options)
{
    JsonRecordReader records(in, kMaxStateSize);
    JsonRecord record;
    // Most lines are states written plainly: each is read as it is split off, once. A state over
    // several lines is read whole, however it is spelled, so that its parts are not taken for
    // states of their own.
    GameState state;
    const JsonRecordReader::TakesWhole takesState = [&state](std::string_view text) {
        if (readPlainStateJson(text, state)) {
            return true;
        }
        if (text.find('\n') == std::string_view::npos) {
            return false;
        }
        try {
            state = gameStateFromJson(text);
            return true;
        } catch (const StateFormatError&) {
        } catch (const InvalidArgument&) {
        }
        return false;
    };
    std::array<char, kPasswordLength + 1> passwordLine{};
    passwordLine.back() = '\n';
    const auto writePasswordLine = [&] {
        writePassword(state, std::span(passwordLine).first<kPasswordLength>());
        out.write(passwordLine.data(), passwordLine.size());
    };
    bool failed = false;
    const auto refuse = [&](const StateFormatError& error) {
        reportRefusal(err, record.firstLine, error);
        failed = true;
        if (options.keepLines) {
            out << '\n';
        }
    };
    while (records.next(record, takesState)) {
        if (record.blank) {
            if (options.keepLines) {
                out << '\n';
            }
            continue;
        }
        if (record.tooLarge) {
            refuse(StateFormatError("more than " + std::to_string(kMaxStateSize / 1024) + " KiB, not read"));
        } else {
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
        // The other lines of a state over several lines give empty lines.
        if (options.keepLines) {
            for (long long line = record.firstLine; line < record.lastLine; ++line) {
                out << '\n';
            }
        }
    }
    if (!records.readError().empty()) {
        err << "quandrel-pass encode: cannot read " << printableText(source) << ": "
            << printableText(records.readError()) << '\n';
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
                     "Print an empty line for each input line that gives no password (a refused state, a blank "
                     "line, the further lines of a state over several lines), so that each output line stands "
                     "beside its input line");
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
