#include "Commands.h"

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
    DecodeBatch(std::ostream& out, std::ostream& err) : m_out(out), m_err(err) { m_buffer.reserve(2 * kFlushSize); }
    ~DecodeBatch() { flush(); }
    DecodeBatch(const DecodeBatch&) = delete;
    DecodeBatch& operator=(const DecodeBatch&) = delete;

    void decode(std::string_view password, long long lineNumber)
    {
        // Slot files end their line in CR LF; the CR is no part of the password.
        if (!password.empty() && password.back() == '\r') {
            password.remove_suffix(1);
        }
        try {
            appendDecodedJson(m_buffer, decodeSlotText(password));
            m_buffer += '\n';
        } catch (const InvalidSymbol& error) {
            flush();
            m_err << "quandrel-pass decode: ";
            if (lineNumber > 0) {
                m_err << "line " << lineNumber << ": ";
            }
            m_err << error.what() << '\n';
            m_failed = true;
        }
        if (m_buffer.size() >= kFlushSize) {
            flush();
        }
    }

    bool failed() const { return m_failed; }

private:
    void flush()
    {
        m_out.write(m_buffer.data(), static_cast<std::streamsize>(m_buffer.size()));
        m_buffer.clear();
    }

    std::ostream& m_out;
    std::ostream& m_err;
    std::string m_buffer;
    bool m_failed = false;
};

} // namespace

int runDecode(const std::vector<std::string>& passwords, std::istream& in, std::ostream& out, std::ostream& err)
{
    DecodeBatch batch(out, err);
    if (!passwords.empty()) {
        for (const auto& password : passwords) {
            batch.decode(password, 0);
        }
    } else {
        std::string line;
        long long lineNumber = 0;
        while (std::getline(in, line)) {
            batch.decode(line, ++lineNumber);
        }
    }
    return batch.failed() ? kExitFailed : kExitOk;
}

} // namespace quandrel
