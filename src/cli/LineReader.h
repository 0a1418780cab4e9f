#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace quandrel {

// One line of input without its line end.
struct InputLine {
    long long number = 0; // counted from 1
    std::string_view text;
    bool tooLong = false; // longer than the reader's limit: `text` holds only its start
};

// Splits a stream into lines that end in LF, CR LF or a lone CR, holding at most `maxLength`
// bytes of any line, so that memory stays flat whatever the input. A failed read ends the
// lines and keeps the system's reason.
class LineReader final {
public:
    // What follows a line longer than the limit: the next line, after the rest of that one is
    // read and dropped, or nothing (where one line is all that is wanted, and an endless line
    // must not be read to its end).
    enum class AfterLongLine { GoOn, Stop };

    LineReader(std::istream& in, std::size_t maxLength, AfterLongLine afterLongLine = AfterLongLine::GoOn);

    // The next line, or false at the end of the input or after a failed read. Its text stays
    // valid until the next call.
    bool next(InputLine& line);

    // Why reading stopped early; empty when the input simply ended.
    const std::string& readError() const { return m_readError; }

private:
    bool fill();

    std::streambuf* m_source;
    std::size_t m_maxLength;
    AfterLongLine m_afterLongLine;
    std::vector<char> m_chunk;
    std::size_t m_begin = 0;
    std::size_t m_end = 0;
    bool m_afterCarriageReturn = false; // an LF right after a CR ends no second line
    bool m_ended = false;
    long long m_number = 0;
    std::string m_line;
    std::string m_readError;
};

} // namespace quandrel
