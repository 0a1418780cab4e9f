#pragma once

#include <QString>

#include <string_view>

namespace quandrel {

// The menu or dialog word `key` of editor/CommandWords.h, in the reader's language.
QString commandWordText(std::string_view key);

} // namespace quandrel
