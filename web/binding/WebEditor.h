#pragma once

// The page's way into the editor: a small C interface over one EditorSession. Every click, key
// and load the page receives comes here; the page only draws what the calls report. A C
// interface rather than embind: a dozen calls that take and give text need no type registry,
// and the loader stays small. Built natively too, so that a fuzzer can call each entry point.
//
// Every text argument may be any bytes of any length: each call cuts it to what it can need.
// A returned text stays valid until the next call that returns text.

#ifdef __EMSCRIPTEN__
#include <emscripten/emscripten.h>
#define QP_EXPORT EMSCRIPTEN_KEEPALIVE
#else
#define QP_EXPORT
#endif

extern "C" {

// The window's load: the first assembly, which is no step to undo.
QP_EXPORT void qp_start();
// What the page must know of the editor and its slots to speak as the desktop does, as JSON:
// the limits, the slot files' names and bytes, the messages, the menu's shortcuts.
QP_EXPORT const char* qp_facts();
// Every control the page draws, with its text and state, as one JSON object.
QP_EXPORT const char* qp_snapshot();
// The controls whose text or state changed since the last call, in the form of qp_snapshot.
QP_EXPORT const char* qp_changes();
QP_EXPORT const char* qp_password();
// The bytes of a slot file holding the shown password.
QP_EXPORT const char* qp_slot_file();
// Every control of the window with its place, caption, picture and flags, as a JSON array.
QP_EXPORT const char* qp_layout();
// A click on the named control ("Image4(12)"); 0 when the control handles no clicks.
QP_EXPORT int qp_click(const char* control);
// A character key in counter box `box`: the key code the box inserts (0 when it must discard
// the key), plus 0x10000 when the last keys spell the trigger word.
QP_EXPORT int qp_key_press(int box, int keyCode);
// The user's edit of a counter box; 0 when refused, so the box shows the model's text again.
QP_EXPORT int qp_text_change(int box, const char* text);
// A "Loadgame" button's load of the bytes kept for `slot`. "" on success, else the message.
QP_EXPORT const char* qp_load_slot(int slot, const char* contents);
// Why a file's bytes named `place` would not load into `slot`; "" when they would.
QP_EXPORT const char* qp_slot_text_problem(int slot, const char* place, const char* contents);
// The slots to create before loading `slot`, as JSON: {"bytes": a new game's slot file, "slots":
// [{"slot": 1, "mustSucceed": false}, ...]}. Bit n of `present` says slot n + 1 holds a file.
QP_EXPORT const char* qp_slot_creation(int slot, int present);
// A password from the entry dialog, loaded as one action. "" on success, else why not.
QP_EXPORT const char* qp_enter_password(const char* password);
// A password that came with the page's address: as qp_enter_password, but no step to undo.
QP_EXPORT const char* qp_open_link(const char* password);
// The entry dialog's judgement of a typed password, as JSON.
QP_EXPORT const char* qp_check_password(const char* typed);
// A chosen correction as the player typed: their blanks and dashes kept.
QP_EXPORT const char* qp_repair_as_typed(const char* typed, const char* repaired);
QP_EXPORT void qp_new_game();
QP_EXPORT void qp_everything();
QP_EXPORT void qp_undo();
QP_EXPORT void qp_redo();
// Whether undo and redo can act, and their menu captions, as JSON.
QP_EXPORT const char* qp_history();

} // extern "C"
