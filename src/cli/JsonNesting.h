#pragma once

#include <array>
#include <string_view>

namespace quandrel {

// Follows the brackets and braces of a JSON text, passing over those inside strings.
class JsonNesting final {
public:
    // How `c`, the next byte of the text, changes the depth: +1 when it opens a bracket or
    // brace, -1 when it closes one, else 0.
    int step(char c)
    {
        // Most bytes are none of the six that matter, and are passed over at one test each.
        static constexpr auto kMatters = [] {
            std::array<bool, 256> matters{};
            for (const unsigned char m : std::string_view("\"\\{}[]")) {
                matters[m] = true;
            }
            return matters;
        }();
        if (!kMatters[static_cast<unsigned char>(c)]) {
            m_escaped = false;
            return 0;
        }
        if (m_inString) {
            m_inString = m_escaped || c != '"';
            m_escaped = !m_escaped && c == '\\';
            return 0;
        }
        if (c == '"') {
            m_inString = true;
            return 0;
        }
        return c == '{' || c == '[' ? 1 : (c == '}' || c == ']' ? -1 : 0);
    }

private:
    bool m_inString = false;
    bool m_escaped = false;
};

} // namespace quandrel
