#include "WebEditor.h"

#include "ControlStates.h"
#include "JsonWriter.h"
#include "JudgementJson.h"
#include "LayoutJson.h"
#include "SessionFacts.h"
#include "codec/Decoder.h"
#include "codec/RepairAsTyped.h"
#include "editor/EditorSession.h"
#include "editor/SlotCreation.h"
#include "editor/SlotText.h"
#include "slotfile/SlotError.h"
#include "slotfile/SlotFacts.h"

#include <cstring>
#include <memory>
#include <string>
#include <string_view>

namespace quandrel::web {
namespace {

struct Editor {
    EditorSession session;
    ControlStateChanges drawn; // what the page's window was last told
};

Editor& editor()
{
    static const auto instance = std::make_unique<Editor>();
    return *instance;
}

EditorModel& model() { return editor().session.model(); }

const char* handBack(std::string text)
{
    static std::string held;
    held = std::move(text);
    return held.c_str();
}

// At most `limit` bytes of a text the page hands in: nothing the editor does needs more.
std::string_view bounded(const char* text, std::size_t limit)
{
    return text == nullptr ? std::string_view() : std::string_view(text, strnlen(text, limit));
}

std::string_view typedText(const char* text) { return bounded(text, EditorSession::kEntryLimit); }
std::string_view slotText(const char* text) { return bounded(text, kSlotReadLimit); }

bool isSlot(int slot) { return slot >= 1 && slot <= kSlotCount; }

const char* entered(void (EditorSession::*enter)(std::string_view), const char* password)
{
    try {
        (editor().session.*enter)(typedText(password));
    } catch (const InvalidSymbol& error) {
        return handBack(error.what());
    }
    return handBack("");
}

} // namespace
} // namespace quandrel::web

using namespace quandrel;
using namespace quandrel::web;

extern "C" {

void qp_start() { editor().session.start(); }

const char* qp_facts() { return handBack(sessionFactsJson()); }

const char* qp_snapshot() { return handBack(controlStatesJson(model())); }

const char* qp_changes() { return handBack(editor().drawn.changesJson(model())); }

const char* qp_password() { return handBack(model().controls().password); }

const char* qp_slot_file() { return handBack(slotFileBytes(model().controls().password)); }

const char* qp_layout() { return handBack(windowLayoutJson()); }

int qp_click(const char* control) { return clickControl(model(), typedText(control)) ? 1 : 0; }

int qp_key_press(int box, int keyCode)
{
    if (box < 0 || box >= kCounterCount) {
        return 0;
    }
    const bool trigger = model().Text1_KeyPress(box, keyCode);
    return (keyCode & 0xFFFF) | (trigger ? 0x10000 : 0);
}

int qp_text_change(int box, const char* text)
{
    if (box < 0 || box >= kCounterCount) {
        return 0;
    }
    return model().Text1_Change(box, std::string(typedText(text))) ? 1 : 0;
}

const char* qp_load_slot(int slot, const char* contents)
{
    if (!isSlot(slot)) {
        return handBack("");
    }
    try {
        loadSlotText(model(), slot, slotFileName(slot), slotText(contents));
    } catch (const SlotError& error) {
        return handBack(error.what());
    }
    return handBack("");
}

const char* qp_slot_text_problem(int slot, const char* place, const char* contents)
{
    return handBack(isSlot(slot) ? slotTextProblem(slot, typedText(place), slotText(contents)) : std::string());
}

const char* qp_slot_creation(int slot, int present)
{
    std::array<bool, kSlotCount> held{};
    for (std::size_t n = 0; n < held.size(); ++n) {
        held[n] = (static_cast<unsigned>(present) >> n & 1U) != 0;
    }
    const SlotCreationPlan plan = slotCreationPlan(slot, held);
    JsonWriter json;
    json.beginObject().key("bytes").string(plan.bytes).key("slots").beginArray();
    for (const SlotCreation& creation : plan.slots) {
        json.beginObject().key("slot").number(creation.slot).key("mustSucceed").boolean(creation.mustSucceed);
        json.endObject();
    }
    return handBack(json.endArray().endObject().take());
}

const char* qp_enter_password(const char* password) { return entered(&EditorSession::enterPassword, password); }

const char* qp_open_link(const char* password) { return entered(&EditorSession::openLink, password); }

const char* qp_check_password(const char* typed) { return handBack(judgementJson(typedText(typed))); }

const char* qp_repair_as_typed(const char* typed, const char* repaired)
{
    return handBack(repairAsTyped(typedText(typed), typedText(repaired)));
}

void qp_new_game() { editor().session.newGame(); }

void qp_everything() { editor().session.everything(); }

void qp_undo() { editor().session.undo(); }

void qp_redo() { editor().session.redo(); }

const char* qp_history()
{
    const EditorSession& session = editor().session;
    JsonWriter json;
    json.beginObject();
    json.key("canUndo").boolean(session.history().canUndo());
    json.key("undo").string(session.undoCaption());
    json.key("canRedo").boolean(session.history().canRedo());
    json.key("redo").string(session.redoCaption());
    return handBack(json.endObject().take());
}

} // extern "C"
