#include "JsonText.h"

namespace quandrel::web {
namespace {

// The length of the well-formed UTF-8 sequence at the start of `text` (RFC 3629), or 0.
std::size_t utf8SequenceLength(std::string_view text)
{
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    }
    if (length == 0 || text.size() < length || byte(1) < low || byte(1) > high) {
        return 0;
    }
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) {
            return 0;
        }
    }
    return length;
}

} // namespace

std::string jsonString(std::string_view text)
{
    static constexpr std::string_view kHex = "0123456789abcdef";
    const auto escaped = [](unsigned char byte) { return std::string("\\u00") + kHex[byte >> 4] + kHex[byte & 0xF]; };
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20) {
            out += escaped(byte);
        } else if (byte >= 0x80) {
            // Whole UTF-8 characters pass; a byte that is no part of one (a typed key, a byte of a
            // slot file) stands as the character of its number.
            const std::size_t length = utf8SequenceLength(text.substr(i));
            out += length == 0 ? escaped(byte) : std::string(text.substr(i, length));
            i += length == 0 ? 0 : length - 1;
        } else {
            out += c;
        }
    }
    out += '"';
    return out;
}

} // namespace quandrel::web
