#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace quandrel {

// Gives an English name pattern ("World %1: %2") in the reader's language. The desktop passes
// its translator; without one the English stands.
using NamePatternTranslator = std::string (*)(std::string_view english);

// `english` in the reader's language.
std::string translatedPattern(const char* english, NamePatternTranslator translate);

// The pattern with %1, %2, ... replaced by the arguments, in one pass, so that an argument's
// own "%1" stays as it is.
std::string filledPattern(const std::string& pattern, std::initializer_list<std::string_view> arguments);

// `text` with its ASCII letters in lower case: a name that begins a sentence, used within one.
std::string lowered(std::string text);

} // namespace quandrel
