#pragma once

#include "EditorHistory.h"
#include "EditorModel.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace quandrel {

// One editing session, as both editions run it: the model, its undo history, and the commands
// of the menus and slots that act on the whole editor. The history begins after the start and
// after a password that came with the page's address, so neither is a step to undo.
class EditorSession final {
public:
    // At most this many characters of a typed or pasted password are kept, so that a huge
    // clipboard or link cannot stall the checks.
    static constexpr std::size_t kEntryLimit = 200;
    // What "Paste password" says when the clipboard holds no text.
    static constexpr std::string_view kNothingToPaste = "The clipboard holds no text to paste as a password.";

    explicit EditorSession(EditorModel::Clock clock = EditorModel::systemTimeOfDay);

    EditorModel& model() { return m_model; }
    const EditorModel& model() const { return m_model; }
    const EditorHistory& history() const { return m_history; }

    // The window's load: the first assembly.
    void start();

    // A password the player typed, as one action; throws InvalidSymbol when it does not load.
    void enterPassword(std::string_view typed);
    // A password that came with the address: loaded as the start is, so no step to undo.
    void openLink(std::string_view typed);

    void newGame();
    void everything();
    void undo();
    void redo();

    // The menu texts of undo and redo: "Undo Load slot 3", or "Undo" when there is no step's
    // name. The patterns "Undo" and "Undo %1" go through `translate` when one is given.
    using CaptionTranslator = std::string (*)(std::string_view english);
    std::string undoCaption(CaptionTranslator translate = nullptr) const;
    std::string redoCaption(CaptionTranslator translate = nullptr) const;

private:
    EditorModel m_model;
    EditorHistory m_history{m_model};
};

} // namespace quandrel
