#pragma once

#include "codec/GameState.h"
#include "editor/EditorModel.h"

#include <string_view>

namespace quandrel::test {

// A key typed into counter box `box` as the box delivers it: the model sees the key first,
// and a key it keeps is added at the end of the box's text while the text has room.
inline void typeCounterKey(EditorModel& model, int box, char key)
{
    int code = static_cast<unsigned char>(key);
    model.Text1_KeyPress(box, code);
    const std::string& text = model.controls().counterText[static_cast<std::size_t>(box)];
    if (code != 0 && text.size() < kCounterLength) {
        model.Text1_Change(box, text + static_cast<char>(code));
    }
}

inline void typeCounterKeys(EditorModel& model, int box, std::string_view keys)
{
    for (const char key : keys) {
        typeCounterKey(model, box, key);
    }
}

} // namespace quandrel::test
