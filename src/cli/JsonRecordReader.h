#pragma once

#include "LineReader.h"

#include <functional>
#include <string>
#include <string_view>

namespace quandrel {

// One JSON text of the input, usually one line.
struct JsonRecord {
    long long firstLine = 0;
    std::string_view text;
    bool tooLarge = false; // above the reader's limit: `text` is empty
    bool taken = false;    // one line that the caller's `takesWhole` took as a whole value
};

// Reads JSON Lines, one value per line, and also values written over several lines (a
// pretty-printed object runs on while its braces are open; a line that starts with "{" in its
// first column starts a new value, so that an unclosed line spoils only itself). Blank lines
// are skipped. No value or line holds more than `maxSize` bytes in memory.
class JsonRecordReader final {
public:
    JsonRecordReader(std::istream& in, std::size_t maxSize);

    // A line that parses as one JSON value closes every bracket it opens, so a caller that
    // parses each value anyway may offer `takesWhole`: it is asked first about each line that
    // starts a value, and a line it takes is that value, without the brackets being counted.
    // It must take only lines that are whole JSON values.
    using TakesWhole = std::function<bool(std::string_view line)>;

    bool next(JsonRecord& record, const TakesWhole& takesWhole = {});

    const std::string& readError() const { return m_lines.readError(); }

private:
    bool nextLine(InputLine& line);
    void track(std::string_view line);

    LineReader m_lines;
    std::size_t m_maxSize;
    InputLine m_pending;
    bool m_hasPending = false;
    std::string m_text;
    int m_depth = 0; // of braces and brackets still open
};

} // namespace quandrel
