// The page's way into the editor: a small C interface over one EditorModel and its undo history.
// Every click, key and load the page receives comes here; the page only draws what snapshot()
// reports. A C interface rather than embind: a dozen calls that take and give text need no
// type registry, and the loader stays small.

#include "ControlStates.h"
#include "JsonText.h"
#include "JudgementJson.h"
#include "LayoutJson.h"
#include "codec/Decoder.h"
#include "codec/Password.h"
#include "codec/PasswordCheck.h"
#include "codec/RepairAsTyped.h"
#include "editor/EditorHistory.h"
#include "editor/EditorModel.h"
#include "editor/Presets.h"
#include "slots/SlotField.h"

#include <emscripten/emscripten.h>

#include <array>

#include <memory>
#include <string>

namespace quandrel::web {
namespace {

struct Editor {
    EditorModel model;
    EditorHistory history{model};
    ControlStateChanges drawn; // what the page's window was last told
};

Editor& editor()
{
    static const auto instance = std::make_unique<Editor>();
    return *instance;
}

// The text a call hands back stays valid until the next call that hands back text.
const char* handBack(std::string text)
{
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

} // namespace
} // namespace quandrel::web

using namespace quandrel;
using namespace quandrel::web;

extern "C" {

// The window's load: the first assembly, which is no step to undo.
EMSCRIPTEN_KEEPALIVE void qp_start() { editor().model.Form_Load(); }

// Every control the page draws, with its text and state, as one JSON object.
EMSCRIPTEN_KEEPALIVE const char* qp_snapshot() { return handBack(controlStatesJson(editor().model)); }

// The controls whose text or state changed since the last call, in the form of qp_snapshot:
// what the window must redraw.
EMSCRIPTEN_KEEPALIVE const char* qp_changes() { return handBack(editor().drawn.changesJson(editor().model)); }

// The password the window shows.
EMSCRIPTEN_KEEPALIVE const char* qp_password() { return handBack(editor().model.controls().password); }

// Every control of the window with its place, caption and picture, as a JSON array.
EMSCRIPTEN_KEEPALIVE const char* qp_layout() { return handBack(windowLayoutJson()); }

// A click on the named control ("Image4(12)"); false when the control handles no clicks.
EMSCRIPTEN_KEEPALIVE int qp_click(const char* control) { return clickControl(editor().model, control) ? 1 : 0; }

// A character key in counter box `box`: the key code the box inserts (0 when it must discard
// the key), plus 0x10000 when the last keys spell the trigger word.
EMSCRIPTEN_KEEPALIVE int qp_key_press(int box, int keyCode)
{
    const bool trigger = editor().model.Text1_KeyPress(box, keyCode);
    return keyCode | (trigger ? 0x10000 : 0);
}

// The user's edit of a counter box; false when refused, so the box shows the model's text again.
EMSCRIPTEN_KEEPALIVE int qp_text_change(int box, const char* text)
{
    return editor().model.Text1_Change(box, text) ? 1 : 0;
}

// A load of a slot's contents (a whole slot file, or the text kept for the slot), as the
// "Loadgame" buttons do. Empty on success, else the message to show; a failed load clears the
// select-all border and changes nothing else.
EMSCRIPTEN_KEEPALIVE const char* qp_load_slot(int slot, const char* contents)
{
    EditorModel& model = editor().model;
    const auto field = firstSlotField(contents);
    const std::string name = "Slot " + std::to_string(slot);
    if (!field) {
        model.clearSelectAllBorder();
        return handBack(name + ": could not load: the slot is empty");
    }
    try {
        const DecodedState decoded = decodeSlotText(*field);
        model.loadDecoded(decoded, "Load slot " + std::to_string(slot));
    } catch (const InvalidSymbol& error) {
        model.clearSelectAllBorder();
        return handBack(name + ": holds no valid password: " + error.what());
    }
    return handBack("");
}

// A password from the entry dialog or the page address, loaded as one action. Empty on
// success, else why it does not load.
EMSCRIPTEN_KEEPALIVE const char* qp_enter_password(const char* password)
{
    try {
        editor().model.loadDecoded(decodeSlotText(normalizePassword(password)), "Enter password");
    } catch (const InvalidSymbol& error) {
        return handBack(error.what());
    }
    return handBack("");
}

// The entry dialog's judgement of a typed password: what to mark, what to say, and the ranked
// corrections, as JSON.
EMSCRIPTEN_KEEPALIVE const char* qp_check_password(const char* typed) { return handBack(judgementJson(typed)); }

// A chosen correction as the player typed: their blanks and dashes kept.
EMSCRIPTEN_KEEPALIVE const char* qp_repair_as_typed(const char* typed, const char* repaired)
{
    return handBack(repairAsTyped(typed, repaired));
}

EMSCRIPTEN_KEEPALIVE void qp_new_game() { editor().model.newGame(); }

EMSCRIPTEN_KEEPALIVE void qp_everything() { editor().model.applyPreset(everythingPreset(), "Everything"); }

EMSCRIPTEN_KEEPALIVE void qp_undo() { editor().history.undo(); }

EMSCRIPTEN_KEEPALIVE void qp_redo() { editor().history.redo(); }

// Whether undo and redo can act, and the names of the steps they would take, as JSON.
EMSCRIPTEN_KEEPALIVE const char* qp_history()
{
    const EditorHistory& history = editor().history;
    const auto flag = [](bool on) { return on ? std::string("true") : std::string("false"); };
    return handBack("{\"canUndo\":" + flag(history.canUndo()) + ",\"undo\":" + jsonString(history.undoLabel()) +
                    ",\"canRedo\":" + flag(history.canRedo()) + ",\"redo\":" + jsonString(history.redoLabel()) + "}");
}

// For the speed benchmark: the time in milliseconds of `count` encodings of the shown state into
// one buffer (decode 0), or of `count` decodings of its password (decode 1), in this runtime.
EMSCRIPTEN_KEEPALIVE double qp_time_codec(int decode, int count)
{
    static volatile int sink = 0; // what the loop makes is kept, so that no work is left out
    const GameState state = editor().model.shownState();
    const std::string password = encodePassword(state);
    std::array<char, kPasswordLength> buffer{};
    const double start = emscripten_get_now();
    for (int i = 0; i < count; ++i) {
        if (decode != 0) {
            sink = sink + decodeSlotText(password).values[0];
        } else {
            writePassword(state, buffer);
            sink = sink + buffer[static_cast<std::size_t>(i % kPasswordLength)];
        }
    }
    return emscripten_get_now() - start;
}

// The password every missing slot is created with.
EMSCRIPTEN_KEEPALIVE const char* qp_initial_password() { return initialPassword().c_str(); }

} // extern "C"
