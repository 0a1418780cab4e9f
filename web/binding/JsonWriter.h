#pragma once

#include <concepts>
#include <string>
#include <string_view>
#include <utility>

namespace quandrel::web {

// JSON text written front to back: the writer places the commas and the colons, and every string
// goes through jsonString. Small on purpose, for the page's first view (see CMakeLists.txt).
class JsonWriter final {
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();
    // The name of the next member of the object.
    JsonWriter& key(std::string_view name);
    JsonWriter& string(std::string_view text);
    JsonWriter& boolean(bool value);
    JsonWriter& null();
    template <std::integral Number> JsonWriter& number(Number value) { return json(std::to_string(value)); }
    // A value that is JSON already.
    JsonWriter& json(std::string_view value);

    std::string take() { return std::move(m_text); }

private:
    void beginValue();

    std::string m_text;
    bool m_afterValue = false; // the next value or key needs a comma first
};

} // namespace quandrel::web
