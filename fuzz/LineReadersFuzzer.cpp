// The line reader and the JSON Lines reader, fed their input in short reads of sizes taken from
// the fuzz input, give the same lines and values as a plain split of the whole text; taking
// states whole, the JSON Lines reader still gives each line to exactly one record.
//
// Input: one byte for the longest line or value kept (1 to 256), one byte for how many read
// sizes follow (each one byte, 1 to 256, taken in turn), then the text.
#include "PropertyCheck.h"
#include "cli/JsonRecordReader.h"
#include "cli/LineReader.h"
#include "cli/StateJson.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <istream>
#include <streambuf>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace quandrel;
using fuzz::require;

// Hands out the text in reads no longer than the next of `sizes`, as a pipe does.
class ShortReads final : public std::streambuf {
public:
    ShortReads(std::string_view text, std::vector<std::size_t> sizes) : m_text(text), m_sizes(std::move(sizes)) {}

protected:
    std::streamsize xsgetn(char* out, std::streamsize count) override
    {
        const std::size_t size = m_sizes.empty() ? m_text.size() : m_sizes[m_next++ % m_sizes.size()];
        const auto n = std::min({static_cast<std::size_t>(count), size, m_text.size() - m_at});
        std::copy_n(m_text.data() + m_at, n, out);
        m_at += n;
        return static_cast<std::streamsize>(n);
    }
    int_type underflow() override { return traits_type::eof(); }

private:
    std::string_view m_text;
    std::vector<std::size_t> m_sizes;
    std::size_t m_next = 0;
    std::size_t m_at = 0;
};

struct Line {
    long long number;
    std::string text;
    bool tooLong;
    bool operator==(const Line&) const = default;
};

// Lines ending in LF, CR LF or a lone CR, each cut to `maxLength`.
std::vector<Line> plainLines(std::string_view text, std::size_t maxLength)
{
    std::vector<Line> lines;
    std::size_t at = 0;
    while (at < text.size()) {
        const auto end = std::min(text.find_first_of("\r\n", at), text.size());
        const auto line = text.substr(at, end - at);
        lines.push_back({static_cast<long long>(lines.size()) + 1, std::string(line.substr(0, maxLength)),
                         line.size() > maxLength});
        at = end + (text.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return lines;
}

struct Record {
    long long firstLine;
    long long lastLine;
    std::string text;
    bool blank;
    bool tooLarge;
    bool operator==(const Record&) const = default;
};

int depthChange(std::string_view line)
{
    int depth = 0;
    bool inString = false;
    bool escaped = false;
    for (const char c : line) {
        if (inString) {
            inString = escaped || c != '"';
            escaped = !escaped && c == '\\';
        } else if (c == '"') {
            inString = true;
        } else {
            depth += (c == '{' || c == '[') - (c == '}' || c == ']');
        }
    }
    return depth;
}

// The values of JSON Lines as the reader documents them, from the plain lines, when no caller
// takes values whole: each runs on while its brackets are open, and past the size limit a line
// that starts with "{" starts the next.
std::vector<Record> plainRecords(const std::vector<Line>& lines, std::size_t maxSize)
{
    std::vector<Record> records;
    std::size_t i = 0;
    const auto blank = [](const std::string& text) { return text.find_first_not_of(" \t") == std::string::npos; };
    while (i < lines.size()) {
        const Line& first = lines[i++];
        Record record{first.number, first.number, first.text, blank(first.text), false};
        // A blank line is only blank; a line too long otherwise is a value of its own.
        record.tooLarge = !record.blank && first.tooLong;
        if (record.blank || record.tooLarge) {
            record.text.clear();
            records.push_back(record);
            continue;
        }
        record.tooLarge = first.text.size() >= maxSize;
        int depth = depthChange(first.text);
        while (depth > 0 && i < lines.size()) {
            const Line& line = lines[i];
            const bool overflows = line.tooLong || record.text.size() + 1 + line.text.size() > maxSize;
            if (line.text.starts_with('{') && (record.tooLarge || overflows)) {
                break;
            }
            ++i;
            record.lastLine = line.number;
            record.tooLarge = record.tooLarge || overflows;
            depth += depthChange(line.text);
            record.text += "\n" + line.text;
        }
        if (record.tooLarge) {
            record.text.clear();
        }
        records.push_back(record);
    }
    return records;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2) {
        return 0;
    }
    const std::size_t maxLength = 1 + data[0];
    const std::size_t sizeCount = std::min<std::size_t>(data[1], size - 2);
    std::vector<std::size_t> sizes;
    for (std::size_t i = 0; i < sizeCount; ++i) {
        sizes.push_back(1 + data[2 + i]);
    }
    const std::string_view text(reinterpret_cast<const char*>(data) + 2 + sizeCount, size - 2 - sizeCount);

    const auto expectedLines = plainLines(text, maxLength);
    {
        ShortReads reads(text, sizes);
        std::istream in(&reads);
        LineReader reader(in, maxLength);
        std::vector<Line> lines;
        for (InputLine line; reader.next(line);) {
            lines.push_back({line.number, std::string(line.text), line.tooLong});
        }
        require(reader.readError().empty(), "short reads are no read error");
        require(lines == expectedLines, "the line reader splits as a plain split does");
    }
    const auto expectedRecords = plainRecords(expectedLines, maxLength);
    {
        ShortReads reads(text, sizes);
        std::istream in(&reads);
        JsonRecordReader reader(in, maxLength);
        std::vector<Record> records;
        for (JsonRecord record; reader.next(record);) {
            records.push_back(
                {record.firstLine, record.lastLine, std::string(record.text), record.blank, record.tooLarge});
        }
        require(records == expectedRecords, "the JSON Lines reader groups as documented");
    }
    // Taking states whole, and looking for them inside refused values, the reader still gives
    // each line to exactly one record, in order, and takes only states.
    ShortReads reads(text, sizes);
    std::istream in(&reads);
    JsonRecordReader reader(in, maxLength);
    GameState state;
    const auto takesState = [&state](std::string_view value) { return readPlainStateJson(value, state); };
    long long nextLine = 1;
    for (JsonRecord record; reader.next(record, takesState);) {
        require(record.firstLine == nextLine && record.lastLine >= record.firstLine, "records follow each other");
        require(!record.taken || readPlainStateJson(record.text, state), "a record taken is a state");
        nextLine = record.lastLine + 1;
    }
    require(nextLine == static_cast<long long>(expectedLines.size()) + 1, "every line is in a record");
    return 0;
}
