#include "Commands.h"
#include "Subcommand.h"

#include "LineReader.h"
#include "PasswordProblem.h"
#include "StateJson.h"
#include "codec/Decoder.h"
#include "codec/PasswordCheck.h"

#include <CLI/CLI.hpp>

#include <algorithm>

#include <istream>
#include <memory>
#include <ostream>
#include <vector>

namespace quandrel {

namespace {

// A password as typed, read as every subcommand reads one (blanks and dashes dropped, lower
// case raised); most lines need nothing of that, and are taken as they are.
std::string_view typedForm(std::string_view text, std::string& folded)
{
    const bool plain =
        std::none_of(text.begin(), text.end(), [](char c) { return isGroupingCharacter(c) || raisedSymbol(c) != c; });
    if (plain) {
        return text;
    }
    folded = normalizePassword(text);
    return folded;
}

// Output is gathered and written in large pieces: a batch can be millions of lines.
constexpr std::size_t kFlushSize = 1 << 16;

class DecodeBatch final {
public:
    DecodeBatch(std::ostream& out, std::ostream& err, DecodeOptions options)
        : m_out(out), m_err(err), m_options(options)
    {
        m_buffer.reserve(2 * kFlushSize);
    }

    void decode(std::string_view typed, long long lineNumber)
    {
        const std::string_view text = typedForm(typed, m_folded);
        if (text.empty() && lineNumber > 0 && m_options.lenient) {
            // A blank line in a batch is no password, not one read with every character missing.
            placeholder();
            return;
        }
        try {
            const DecodedState decoded = decodeSlotText(text);
            if (const std::string problem = passwordProblem(text); !problem.empty()) {
                if (!m_options.lenient) {
                    refuse(lineNumber, problem);
                    return;
                }
                note(lineNumber, problem + "; read anyway, as a slot load reads it");
            }
            appendDecodedJson(m_buffer, decoded);
            m_buffer += '\n';
        } catch (const InvalidSymbol& error) {
            refuse(lineNumber, error.what());
        }
        if (m_buffer.size() >= kFlushSize) {
            flush();
        }
    }

    void refuseLongLine(long long lineNumber)
    {
        refuse(lineNumber, "longer than " + std::to_string(kMaxPasswordLine) + " bytes, not read");
    }

    // Writes what is left; a failed write throws from here, not from a destructor.
    void flush()
    {
        m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_buffer.clear();
    }

    bool failed() const { return m_failed; }

private:
    void refuse(long long lineNumber, const std::string& problem)
    {
        note(lineNumber, problem);
        m_failed = true;
        placeholder();
    }

    // With --keep-lines, a line that gives no state still gives a line: JSON's null.
    void placeholder()
    {
        if (m_options.keepLines) {
            m_buffer += "null\n";
        }
    }

    void note(long long lineNumber, const std::string& problem)
    {
        // What came before goes out first, so that the two streams interleave in input order.
        flush();
        m_err << "quandrel-pass decode: ";
        if (lineNumber > 0) {
            m_err << "line " << lineNumber << ": ";
        }
        m_err << problem << '\n';
    }

    std::ostream& m_out;
    std::ostream& m_err;
    DecodeOptions m_options;
    std::string m_buffer;
    std::string m_folded;
    bool m_failed = false;
};

} // namespace

int runDecode(const std::vector<std::string>& passwords, std::istream& in, std::ostream& out, std::ostream& err,
              DecodeOptions options)
{
    DecodeBatch batch(out, err, options);
    const auto decodeInput = [&] {
        LineReader lines(in, kMaxPasswordLine);
        InputLine line;
        while (lines.next(line)) {
            if (line.tooLong) {
                batch.refuseLongLine(line.number);
            } else {
                batch.decode(line.text, line.number);
            }
        }
        batch.flush();
        if (!lines.readError().empty()) {
            err << "quandrel-pass decode: cannot read standard input: " << lines.readError() << '\n';
            return false;
        }
        return true;
    };
    if (passwords.empty()) {
        return decodeInput() ? (batch.failed() ? kExitFailed : kExitOk) : kExitBadInput;
    }
    for (const auto& password : passwords) {
        // "-" is standard input, line by line, in its place among the passwords.
        if (password == "-") {
            if (!decodeInput()) {
                return kExitBadInput;
            }
        } else {
            batch.decode(password, 0);
        }
    }
    batch.flush();
    return batch.failed() ? kExitFailed : kExitOk;
}

namespace {

SubcommandRun defineDecode(CLI::App& command)
{
    struct Arguments {
        std::vector<std::string> passwords;
        DecodeOptions options;
    };
    auto arguments = std::make_shared<Arguments>();
    command.add_option("passwords", arguments->passwords,
                       "Passwords to decode (blanks, dashes and lower case are tolerated); - reads standard input "
                       "in its place");
    command.add_flag("--lenient", arguments->options.lenient,
                     "Read a wrong length or checksum as a slot load does (missing characters as zero bits, the "
                     "checksum not read) and only say on standard error what was wrong; blank lines are skipped");
    command.add_flag("--keep-lines", arguments->options.keepLines,
                     "Print null for a refused (or skipped) line, so that each output line stands beside its "
                     "input line");
    command.footer(helpFooter("  quandrel-pass decode UR3QUR5FUG4F423RUR3FUR3FUR3FUR3FUR3FUR3FURS4A\n"
                              "  quandrel-pass decode --lenient < sgame01.txt\n",
                              "0 every password decoded; 1 a password refused (the others are still decoded)"));
    return [arguments](const Streams& streams) {
        return runDecode(arguments->passwords, streams.in, streams.out, streams.err, arguments->options);
    };
}

} // namespace

Subcommand decodeSubcommand()
{
    return {"decode",
            "Print each password's game state as one line of JSON; with no password or -, read one per line from "
            "standard input",
            defineDecode};
}

} // namespace quandrel
