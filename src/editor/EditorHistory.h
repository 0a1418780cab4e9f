#pragma once

#include "EditorControls.h"

#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace quandrel {

class EditorModel;

// Undo and redo over whole editor states. Each user action is one step; typing into a counter
// becomes a step when the counter is complete again, so a half-typed number is never a step.
// The newest kMaxUndoSteps steps are kept, each as a plain copy of the controls, so that memory
// stays flat however long the editor is used.
class EditorHistory final {
public:
    static constexpr std::size_t kMaxUndoSteps = 1000;

    explicit EditorHistory(EditorModel& model);

    bool canUndo() const { return m_pendingStart.has_value() || !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void undo();
    void redo();
    // Forgets every step: what came before cannot be undone.
    void clear();

    // The names of the steps undo and redo would take back or do again; empty when none.
    std::string undoLabel() const;
    std::string redoLabel() const;

    std::size_t undoSteps() const { return m_undo.size(); }
    // What the kept steps take in memory.
    std::size_t storedBytes() const;

private:
    struct NamedStep {
        EditorControls controls;
        std::string label;
    };

    void actionFinished(const EditorControls& before);
    void restore(const EditorControls& controls);
    void pushUndo(const EditorControls& controls, std::string label);

    EditorModel& m_model;
    std::deque<NamedStep> m_undo;
    std::vector<NamedStep> m_redo;
    // The state before a counter entry that is still incomplete.
    std::optional<EditorControls> m_pendingStart;
    std::string m_pendingLabel;
    bool m_restoring = false;
};

} // namespace quandrel
