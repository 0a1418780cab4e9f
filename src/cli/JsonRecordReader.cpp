#include "JsonRecordReader.h"
#include "JsonNesting.h"

#include <algorithm>

namespace quandrel {

namespace {

bool isBlank(std::string_view line)
{
    return std::all_of(line.begin(), line.end(), [](char c) { return c == ' ' || c == '\t'; });
}

bool opensObject(std::string_view line)
{
    const auto first = line.find_first_not_of(" \t");
    return first != std::string_view::npos && line[first] == '{';
}

// A string cannot run over a line end in JSON, so each line starts outside one.
int depthChange(std::string_view line)
{
    JsonNesting nesting;
    int depth = 0;
    for (const char c : line) {
        depth += nesting.step(c);
    }
    return depth;
}

// How many bytes of candidates a refused value is searched through, at most, so that a value
// of many nested lines costs no more than a few reads of its size.
constexpr std::size_t kSearchBudgetInValues = 4;

} // namespace

JsonRecordReader::JsonRecordReader(std::istream& in, std::size_t maxSize) : m_lines(in, maxSize), m_maxSize(maxSize) {}

bool JsonRecordReader::nextLine(InputLine& line)
{
    if (m_again.empty()) {
        return m_lines.next(line);
    }
    m_current = std::move(m_again.front());
    m_again.pop_front();
    line = {m_current.number, m_current.text, m_current.tooLong};
    return true;
}

std::string JsonRecordReader::joined(std::size_t begin, std::size_t end) const
{
    std::string text;
    for (std::size_t i = begin; i < end; ++i) {
        text += i == begin ? "" : "\n";
        text += m_value[i].text;
    }
    return text;
}

// The first line after the value's first that opens a value `takesWhole` takes, or 0.
std::size_t JsonRecordReader::firstTakenWithin(const TakesWhole& takesWhole)
{
    // Where the value opened by each line closes: the first line after it whose depth falls
    // back to the depth before it. One pass with a stack of lines of rising depth.
    const std::size_t count = m_value.size();
    std::vector<std::size_t> closesAt(count, count);
    std::vector<std::size_t> rising;
    for (std::size_t j = 0; j < count; ++j) {
        while (!rising.empty() && m_value[rising.back()].depthAfter >= m_value[j].depthAfter) {
            closesAt[rising.back()] = j;
            rising.pop_back();
        }
        rising.push_back(j);
    }
    std::size_t budget = kSearchBudgetInValues * m_maxSize;
    for (std::size_t start = 1; start < count; ++start) {
        const std::size_t end = closesAt[start - 1];
        // A value still open at the end of the lines is not whole.
        if (!opensObject(m_value[start].text) || end == count) {
            continue;
        }
        const std::string candidate = joined(start, end + 1);
        if (candidate.size() > budget) {
            return 0;
        }
        budget -= candidate.size();
        if (takesWhole(candidate)) {
            return start;
        }
    }
    return 0;
}

bool JsonRecordReader::next(JsonRecord& record, const TakesWhole& takesWhole)
{
    record = {};
    InputLine line;
    if (!nextLine(line)) {
        return false;
    }
    record.firstLine = line.number;
    record.lastLine = line.number;
    if (isBlank(line.text)) {
        record.blank = true;
        return true;
    }
    if (line.tooLong) {
        // A line too long on its own is a value of its own.
        record.tooLarge = true;
        return true;
    }
    if (takesWhole && line.text.size() < m_maxSize && takesWhole(line.text)) {
        record.text = line.text;
        record.taken = true;
        return true;
    }
    int depth = depthChange(line.text);
    record.tooLarge = line.text.size() >= m_maxSize;
    if (depth <= 0 && !record.tooLarge) {
        // A value on one line, the usual case, is handed out where the line is.
        record.text = line.text;
        return true;
    }
    m_value.clear();
    std::size_t size = line.text.size();
    if (!record.tooLarge) {
        m_value.push_back({line.number, std::string(line.text), depth, false});
    }
    bool closed = depth <= 0;
    // Inside a value that runs over several lines, the value is read on to its close (also past
    // the limit, from what is kept of each line), so that its other lines are not taken for values.
    while (!closed && nextLine(line)) {
        const bool overflows = line.tooLong || size + 1 + line.text.size() > m_maxSize;
        if (line.text.starts_with('{') && (record.tooLarge || overflows)) {
            // Past the limit no parse can tell a nested object from a new value: one that
            // starts in the first column is taken for a new value, so that a line left open
            // spoils only itself.
            m_again.push_front({line.number, std::string(line.text), 0, line.tooLong});
            break;
        }
        record.lastLine = line.number;
        record.tooLarge = record.tooLarge || overflows;
        depth += depthChange(line.text);
        closed = depth <= 0;
        if (!record.tooLarge) {
            m_value.push_back({line.number, std::string(line.text), depth, false});
            size += 1 + line.text.size();
        }
    }
    // A value cut short by a failed read is not worth a parse error of its own.
    if (!readError().empty()) {
        return false;
    }
    if (record.tooLarge) {
        m_value.clear();
        return true;
    }
    m_text = joined(0, m_value.size());
    if (takesWhole) {
        if (closed && takesWhole(m_text)) {
            record.text = m_text;
            record.taken = true;
            return true;
        }
        if (const std::size_t taken = firstTakenWithin(takesWhole); taken != 0) {
            // The refused value ends before the value that was found, and before the blank
            // lines ahead of it, which are records of their own.
            std::size_t end = taken;
            while (isBlank(m_value[end - 1].text)) {
                --end;
            }
            m_again.insert(m_again.begin(), std::make_move_iterator(m_value.begin() + static_cast<long>(end)),
                           std::make_move_iterator(m_value.end()));
            record.lastLine = m_value[end - 1].number;
            m_text = joined(0, end);
        }
    }
    record.text = m_text;
    return true;
}

} // namespace quandrel
