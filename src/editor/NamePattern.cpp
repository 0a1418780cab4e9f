#include "NamePattern.h"

#include <cctype>

namespace quandrel {

std::string translatedPattern(const char* english, NamePatternTranslator translate)
{
    return translate != nullptr ? translate(english) : std::string(english);
}

std::string filledPattern(const std::string& pattern, std::initializer_list<std::string_view> arguments)
{
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char next = i + 1 < pattern.size() ? pattern[i + 1] : '\0';
        const auto argument = static_cast<std::size_t>(next - '1');
        if (pattern[i] == '%' && next >= '1' && argument < arguments.size()) {
            text += arguments.begin()[argument];
            ++i;
        } else {
            text += pattern[i];
        }
    }
    return text;
}

std::string lowered(std::string text)
{
    for (char& c : text) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return text;
}

} // namespace quandrel
