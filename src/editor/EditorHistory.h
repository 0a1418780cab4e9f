#pragma once

#include "EditorControls.h"

#include <optional>
#include <vector>

namespace quandrel {

class EditorModel;

// Undo and redo over whole editor states. Each user action is one step; typing into a counter
// becomes a step when the counter is complete again, so a half-typed number is never a step.
class EditorHistory final {
public:
    explicit EditorHistory(EditorModel& model);

    bool canUndo() const { return m_pendingStart.has_value() || !m_undo.empty(); }
    bool canRedo() const { return !m_redo.empty(); }
    void undo();
    void redo();

private:
    void actionFinished(const EditorControls& before);
    void restore(const EditorControls& controls);

    EditorModel& m_model;
    std::vector<EditorControls> m_undo;
    std::vector<EditorControls> m_redo;
    // The state before a counter entry that is still incomplete.
    std::optional<EditorControls> m_pendingStart;
    bool m_restoring = false;
};

} // namespace quandrel
