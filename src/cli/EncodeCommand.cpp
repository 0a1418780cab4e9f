#include "Commands.h"

#include "JsonRecordReader.h"
#include "codec/PrintableText.h"
#include "StateJson.h"
#include "codec/InvalidArgument.h"
#include "codec/Password.h"

#include <algorithm>
#include <array>
#include <ostream>
#include <span>

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

} // namespace quandrel
