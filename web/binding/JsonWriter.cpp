#include "JsonWriter.h"

#include "JsonText.h"

namespace quandrel::web {

void JsonWriter::beginValue()
{
    if (m_afterValue) {
        m_text += ',';
    }
    m_afterValue = false;
}

JsonWriter& JsonWriter::beginObject()
{
    beginValue();
    m_text += '{';
    return *this;
}

JsonWriter& JsonWriter::endObject()
{
    m_text += '}';
    m_afterValue = true;
    return *this;
}

JsonWriter& JsonWriter::beginArray()
{
    beginValue();
    m_text += '[';
    return *this;
}

JsonWriter& JsonWriter::endArray()
{
    m_text += ']';
    m_afterValue = true;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    beginValue();
    m_text += jsonString(name);
    m_text += ':';
    return *this;
}

JsonWriter& JsonWriter::string(std::string_view text) { return json(jsonString(text)); }

JsonWriter& JsonWriter::boolean(bool value) { return json(value ? "true" : "false"); }

JsonWriter& JsonWriter::null() { return json("null"); }

JsonWriter& JsonWriter::json(std::string_view value)
{
    beginValue();
    m_text += value;
    m_afterValue = true;
    return *this;
}

} // namespace quandrel::web
