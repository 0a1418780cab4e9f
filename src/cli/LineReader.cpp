#include "LineReader.h"

#include <algorithm>
#include <cstring>
#include <istream>
#include <system_error>

namespace quandrel {

namespace {

constexpr std::size_t kChunkSize = 1 << 16;

// The first CR or LF in [start, stop), or stop. Two scans with memchr, which reads many bytes
// at a time, outrun one that tests each byte for both: a CR is rare, and sought only up to
// the LF.
const char* findLineEnd(const char* start, const char* stop)
{
    const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', static_cast<std::size_t>(stop - start)));
    const auto* end = lineFeed == nullptr ? stop : lineFeed;
    const auto* carriageReturn =
        static_cast<const char*>(std::memchr(start, '\r', static_cast<std::size_t>(end - start)));
    return carriageReturn == nullptr ? end : carriageReturn;
}

} // namespace

LineReader::LineReader(std::istream& in, std::size_t maxLength, AfterLongLine afterLongLine)
    : m_source(in.rdbuf()), m_maxLength(maxLength), m_afterLongLine(afterLongLine), m_chunk(kChunkSize)
{}

bool LineReader::fill()
{
    if (m_ended || m_source == nullptr) {
        return false;
    }
    std::streamsize got = 0;
    try {
        got = m_source->sgetn(m_chunk.data(), static_cast<std::streamsize>(m_chunk.size()));
    } catch (const std::system_error& error) {
        // A directory, a closed descriptor or a device that refuses to be read.
        m_readError = error.code().message();
    } catch (const std::exception& error) {
        m_readError = error.what();
    }
    m_begin = 0;
    m_end = got > 0 ? static_cast<std::size_t>(got) : 0;
    m_ended = m_end == 0;
    return !m_ended;
}

bool LineReader::next(InputLine& line)
{
    m_line.clear();
    bool tooLong = false;
    bool any = false;
    while (m_begin < m_end || fill()) {
        if (m_afterCarriageReturn) {
            m_afterCarriageReturn = false;
            if (m_chunk[m_begin] == '\n') {
                ++m_begin;
                continue;
            }
        }
        any = true;
        const auto* start = m_chunk.data() + m_begin;
        const auto* stop = m_chunk.data() + m_end;
        const auto* lineEnd = findLineEnd(start, stop);
        const auto length = static_cast<std::size_t>(lineEnd - start);
        if (lineEnd != stop && m_line.empty() && !tooLong && length <= m_maxLength) {
            // The whole line lies in the chunk: handed out where it is, without a copy.
            m_afterCarriageReturn = *lineEnd == '\r';
            m_begin += length + 1;
            line = {++m_number, std::string_view(start, length), false};
            return true;
        }
        const std::size_t room = m_maxLength - m_line.size();
        m_line.append(start, std::min(length, room));
        tooLong = tooLong || length > room;
        m_begin += length;
        if (tooLong && m_afterLongLine == AfterLongLine::Stop) {
            m_ended = true;
            m_begin = m_end;
            line = {++m_number, m_line, tooLong};
            return true;
        }
        if (lineEnd != stop) {
            m_afterCarriageReturn = *lineEnd == '\r';
            ++m_begin;
            line = {++m_number, m_line, tooLong};
            return true;
        }
    }
    if (!any || !m_readError.empty()) {
        return false;
    }
    // The last line, without a line end.
    line = {++m_number, m_line, tooLong};
    return true;
}

} // namespace quandrel
