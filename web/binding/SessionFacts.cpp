#include "SessionFacts.h"

#include "JsonWriter.h"
#include "editor/CommandWords.h"
#include "editor/CreditsTiming.h"
#include "editor/EditorSession.h"
#include "editor/ShortcutTable.h"
#include "slotfile/SlotFacts.h"

namespace quandrel::web {

std::string sessionFactsJson()
{
    JsonWriter json;
    json.beginObject();
    json.key("entryLimit").number(EditorSession::kEntryLimit);
    json.key("slotReadLimit").number(kSlotReadLimit);
    json.key("nothingToPaste").string(EditorSession::kNothingToPaste);
    json.key("slotFileNames").beginArray();
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        json.string(slotFileName(slot));
    }
    json.endArray();
    // "Slot 1 (sgame01.txt): could not save: REASON" with %1 the slot, %2 its file, %3 the
    // outcome and %4 the reason.
    json.key("slotMessage").string(slotMessage("%1", "%2", "%3", "%4"));
    json.key("couldNotLoad").string(kCouldNotLoad);
    json.key("couldNotSave").string(kCouldNotSave);
    json.key("couldNotCreate").string(kCouldNotCreate);
    json.key("noValidPassword").string(kNoValidPassword);
    json.key("tooBig").string(kTooBig);
    json.key("creditsTickMilliseconds").number(kCreditsTickMilliseconds);
    json.key("creditsLastTop").number(kCreditsLastTop);
    // The shortcuts a browser leaves to the page.
    json.key("shortcuts").beginArray();
    for (const Shortcut& shortcut : editorShortcuts()) {
        if (!shortcut.inBrowser) {
            continue;
        }
        json.beginObject();
        json.key("command").string(shortcut.command);
        json.key("keys").beginArray();
        for (const std::string_view key : shortcut.keys) {
            if (!key.empty()) {
                json.string(key);
            }
        }
        json.endArray();
        json.endObject();
    }
    json.endArray();
    // The menus' and dialogs' words, as the page shows them.
    json.key("words").beginObject();
    for (const CommandWord& word : commandWords()) {
        json.key(word.key).string(plainCommandWord(word.english));
    }
    json.endObject();
    return json.endObject().take();
}

} // namespace quandrel::web
