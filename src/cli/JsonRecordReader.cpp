#include "JsonRecordReader.h"
#include "JsonNesting.h"

#include <algorithm>

namespace quandrel {

namespace {

bool isBlank(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

} // namespace

JsonRecordReader::JsonRecordReader(std::istream& in, std::size_t maxSize) : m_lines(in, maxSize), m_maxSize(maxSize) {}

bool JsonRecordReader::nextLine(InputLine& line)
{
    if (m_hasPending) {
        m_hasPending = false;
        line = m_pending;
        return true;
    }
    return m_lines.next(line);
}

void JsonRecordReader::track(std::string_view line)
{
    // A string cannot run over a line end in JSON, so each line starts outside one.
    JsonNesting nesting;
    for (const char c : line) {
        m_depth += nesting.step(c);
    }
}

bool JsonRecordReader::next(JsonRecord& record, const TakesWhole& takesWhole)
{
    m_text.clear();
    m_depth = 0;
    record = {};
    InputLine line;
    while (nextLine(line)) {
        if (record.firstLine == 0) {
            if (isBlank(line.text)) {
                continue;
            }
            record.firstLine = line.number;
            if (takesWhole && !line.tooLong && line.text.size() < m_maxSize && takesWhole(line.text)) {
                record.text = line.text;
                record.taken = true;
                return readError().empty();
            }
        } else if (!line.text.empty() && line.text.front() == '{') {
            // The value before was left open: it ends here and fails to parse on its own.
            m_pending = line;
            m_hasPending = true;
            break;
        }
        if (line.tooLong || m_text.size() + 1 + line.text.size() > m_maxSize) {
            record.tooLarge = true;
            m_text.clear();
        }
        // A line too long on its own is a value of its own; inside a value that runs over several
        // lines, the value is read on to its close (from what is kept of the line), so that
        // its other lines are not taken for values.
        if (line.tooLong && line.number == record.firstLine) {
            break;
        }
        track(line.text);
        if (m_depth <= 0 && line.number == record.firstLine && !record.tooLarge) {
            // A value on one line, the usual case, is handed out where the line is.
            record.text = line.text;
            return readError().empty();
        }
        if (!record.tooLarge) {
            m_text += m_text.empty() ? "" : "\n";
            m_text.append(line.text);
        }
        if (m_depth <= 0) {
            break;
        }
    }
    record.text = m_text;
    // A value cut short by a failed read is not worth a parse error of its own.
    return record.firstLine != 0 && readError().empty();
}

} // namespace quandrel
