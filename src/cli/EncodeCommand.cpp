#include "Commands.h"

#include "JsonRecordReader.h"
#include "PrintableText.h"
#include "StateJson.h"
#include "codec/InvalidArgument.h"
#include "codec/Password.h"

#include <ostream>

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

int runEncode(std::istream& in, std::string_view source, std::ostream& out, std::ostream& err)
{
    JsonRecordReader records(in, kMaxStateSize);
    JsonRecord record;
    bool failed = false;
    while (records.next(record)) {
        if (record.tooLarge) {
            reportRefusal(err, record.firstLine,
                          StateFormatError("more than " + std::to_string(kMaxStateSize / 1024) + " KiB, not read"));
            failed = true;
            continue;
        }
        try {
            out << encodePassword(gameStateFromJson(record.text)) << '\n';
        } catch (const StateFormatError& error) {
            reportRefusal(err, record.firstLine, error);
            failed = true;
        } catch (const InvalidArgument& error) {
            reportRefusal(err, record.firstLine, StateFormatError(error.what()));
            failed = true;
        }
    }
    if (!records.readError().empty()) {
        err << "quandrel-pass encode: cannot read " << printableText(source) << ": " << records.readError() << '\n';
        return kExitBadInput;
    }
    return failed ? kExitFailed : kExitOk;
}

} // namespace quandrel
