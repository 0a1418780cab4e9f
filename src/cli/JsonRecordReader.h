#pragma once

#include "LineReader.h"

#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

// One JSON text of the input, usually one line, or one blank line.
struct JsonRecord {
    long long firstLine = 0;
    long long lastLine = 0; // the record holds every line from firstLine to lastLine
    std::string_view text;
    bool blank = false;    // a line of nothing but blanks, which holds no value
    bool tooLarge = false; // above the reader's limit: `text` is empty
    bool taken = false;    // a text that the caller's `takesWhole` took as a whole value
};

// Reads JSON Lines, one value per line, and also values written over several lines (a
// pretty-printed object runs on while its braces are open, whatever its indent). Each line of
// the input belongs to exactly one record. No value or line holds more than `maxSize` bytes in
// memory.
class JsonRecordReader final {
public:
    JsonRecordReader(std::istream& in, std::size_t maxSize);

    // Asked first about each value's text; a text it takes is that value. It must take only
    // texts that are whole JSON values. With it, a value over several lines that it refuses is
    // searched for lines that open a value it takes (a state after a line cut short): the
    // refused record then ends before the first such line, which is read again as a record
    // of its own.
    using TakesWhole = std::function<bool(std::string_view text)>;

    bool next(JsonRecord& record, const TakesWhole& takesWhole = {});

    const std::string& readError() const { return m_lines.readError(); }

private:
    struct HeldLine {
        long long number;
        std::string text;
        int depthAfter; // of brackets open at the end of the line, counted from the value's start
        bool tooLong = false;
    };

    bool nextLine(InputLine& line);
    std::size_t firstTakenWithin(const TakesWhole& takesWhole);
    std::string joined(std::size_t begin, std::size_t end) const;

    LineReader m_lines;
    std::size_t m_maxSize;
    std::deque<HeldLine> m_again; // lines of a refused value, to be read again
    HeldLine m_current{};
    std::vector<HeldLine> m_value; // the lines of a value over several lines
    std::string m_text;
};

} // namespace quandrel
