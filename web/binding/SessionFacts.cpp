#include "SessionFacts.h"

#include "JsonText.h"
#include "codec/Password.h"
#include "editor/CreditsTiming.h"
#include "editor/EditorSession.h"
#include "editor/ShortcutTable.h"
#include "slotfile/SlotFacts.h"

namespace quandrel::web {

std::string sessionFactsJson()
{
    std::string fileNames;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        fileNames += (slot > 1 ? "," : "") + jsonString(slotFileName(slot));
    }
    // The shortcuts a browser leaves to the page.
    std::string shortcuts;
    for (const Shortcut& shortcut : editorShortcuts()) {
        if (!shortcut.inBrowser) {
            continue;
        }
        std::string keys;
        for (const std::string_view key : shortcut.keys) {
            keys += key.empty() ? "" : (keys.empty() ? "" : ",") + jsonString(key);
        }
        shortcuts += (shortcuts.empty() ? "{\"command\":" : ",{\"command\":") + jsonString(shortcut.command) +
                     ",\"label\":" + jsonString(shortcut.label) + ",\"keys\":[" + keys + "]}";
    }
    const auto number = [](auto value) { return std::to_string(value); };
    // "Slot 1 (sgame01.txt): could not save: REASON" with %1 the slot, %2 its file, %3 the
    // outcome and %4 the reason.
    const std::string slotPattern = slotMessage("%1", "%2", "%3", "%4");
    return "{\"entryLimit\":" + number(EditorSession::kEntryLimit) + ",\"slotReadLimit\":" + number(kSlotReadLimit) +
           ",\"nothingToPaste\":" + jsonString(EditorSession::kNothingToPaste) + ",\"slotFileNames\":[" + fileNames +
           "],\"initialSlotFile\":" + jsonString(slotFileBytes(initialPassword())) +
           ",\"slotMessage\":" + jsonString(slotPattern) + ",\"couldNotLoad\":" + jsonString(kCouldNotLoad) +
           ",\"couldNotSave\":" + jsonString(kCouldNotSave) + ",\"couldNotCreate\":" + jsonString(kCouldNotCreate) +
           ",\"noValidPassword\":" + jsonString(kNoValidPassword) + ",\"tooBig\":" + jsonString(kTooBig) +
           ",\"creditsTickMilliseconds\":" + number(kCreditsTickMilliseconds) +
           ",\"creditsLastTop\":" + number(kCreditsLastTop) + ",\"shortcuts\":[" + shortcuts + "]}";
}

} // namespace quandrel::web
