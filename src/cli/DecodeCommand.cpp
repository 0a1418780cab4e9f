#include "Commands.h"

#include "LineReader.h"
#include "PasswordProblem.h"
#include "StateJson.h"
#include "codec/Decoder.h"

#include <istream>
#include <ostream>

namespace quandrel {

namespace {

// Output is gathered and written in large pieces: a batch can be millions of lines.
constexpr std::size_t kFlushSize = 1 << 16;

class DecodeBatch final {
public:
    DecodeBatch(std::ostream& out, std::ostream& err, DecodeOptions options)
        : m_out(out), m_err(err), m_options(options)
    {
        m_buffer.reserve(2 * kFlushSize);
    }

    void decode(std::string_view text, long long lineNumber)
    {
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
    bool m_failed = false;
};

} // namespace

int runDecode(const std::vector<std::string>& passwords, std::istream& in, std::ostream& out, std::ostream& err,
              DecodeOptions options)
{
    DecodeBatch batch(out, err, options);
    const bool fromInput = passwords.empty() || (passwords.size() == 1 && passwords[0] == "-");
    if (!fromInput) {
        for (const auto& password : passwords) {
            batch.decode(password, 0);
        }
        batch.flush();
        return batch.failed() ? kExitFailed : kExitOk;
    }
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
        return kExitBadInput;
    }
    return batch.failed() ? kExitFailed : kExitOk;
}

} // namespace quandrel
