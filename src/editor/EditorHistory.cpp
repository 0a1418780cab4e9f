#include "EditorHistory.h"

#include "EditorModel.h"

#include <algorithm>
#include <numeric>

namespace quandrel {

namespace {

// The controls without what the user cannot see change: keystroke bookkeeping, the time of the
// last assembly and the cycle counters. A step must change something else.
EditorControls withoutKeystrokeTraces(EditorControls controls)
{
    controls.keyBuffer.clear();
    controls.counterColour = {};
    controls.section(SectionSlot::ChecksumLine).clear();
    controls.shieldCounter = 0;
    controls.warriorCounter = 0;
    return controls;
}

// What a text keeps outside itself: nothing while it fits in place.
std::size_t heapBytes(const std::string& text) { return text.capacity() > 15 ? text.capacity() + 1 : 0; }

std::size_t heapBytes(const EditorControls& controls)
{
    std::size_t bytes = heapBytes(controls.password) + heapBytes(controls.keyBuffer);
    for (const auto& text : controls.sections) {
        bytes += heapBytes(text);
    }
    for (const auto& text : controls.counterText) {
        bytes += heapBytes(text);
    }
    return bytes;
}

bool counterIncomplete(const EditorControls& controls)
{
    return std::any_of(controls.counterText.begin(), controls.counterText.end(),
                       [](const std::string& text) { return text.size() < kCounterLength; });
}

} // namespace

EditorHistory::EditorHistory(EditorModel& model) : m_model(model)
{
    m_model.addActionListener([this](const EditorControls& before) { actionFinished(before); });
}

void EditorHistory::actionFinished(const EditorControls& before)
{
    if (m_restoring) {
        return;
    }
    const EditorControls& after = m_model.controls();
    if (withoutKeystrokeTraces(before) == withoutKeystrokeTraces(after)) {
        return;
    }
    if (counterIncomplete(after) && before.password == after.password) {
        EditorControls typing = after;
        typing.counterText = before.counterText;
        if (withoutKeystrokeTraces(typing) == withoutKeystrokeTraces(before)) {
            // Only counter text moved, and the entry is not complete yet.
            if (!m_pendingStart) {
                m_pendingStart = before;
                m_pendingLabel = m_model.actionLabel();
            }
            return;
        }
    }
    pushUndo(m_pendingStart.value_or(before), m_model.actionLabel());
    m_pendingStart.reset();
    m_redo.clear();
}

void EditorHistory::pushUndo(const EditorControls& controls, std::string label)
{
    m_undo.push_back({controls, std::move(label)});
    if (m_undo.size() > kMaxUndoSteps) {
        m_undo.pop_front();
    }
}

std::string EditorHistory::undoLabel() const
{
    if (m_pendingStart) {
        return m_pendingLabel;
    }
    return m_undo.empty() ? std::string() : m_undo.back().label;
}

std::string EditorHistory::redoLabel() const { return m_redo.empty() ? std::string() : m_redo.back().label; }

std::size_t EditorHistory::storedBytes() const
{
    const auto stepBytes = [](std::size_t sum, const NamedStep& named) {
        return sum + sizeof(named) + heapBytes(named.label) + heapBytes(named.controls);
    };
    return std::accumulate(m_redo.begin(), m_redo.end(),
                           std::accumulate(m_undo.begin(), m_undo.end(), std::size_t{0}, stepBytes), stepBytes);
}

void EditorHistory::restore(const EditorControls& controls)
{
    m_restoring = true;
    m_model.restore(controls);
    m_restoring = false;
}

void EditorHistory::clear()
{
    m_undo.clear();
    m_redo.clear();
    m_pendingStart.reset();
    m_pendingLabel.clear();
}

void EditorHistory::undo()
{
    if (!canUndo()) {
        return;
    }
    // The stacks are settled before the restore, so listeners told of it see the new history.
    EditorControls target;
    std::string label;
    if (m_pendingStart) {
        target = *std::move(m_pendingStart);
        m_pendingStart.reset();
        label = std::move(m_pendingLabel);
    } else {
        target = std::move(m_undo.back().controls);
        label = std::move(m_undo.back().label);
        m_undo.pop_back();
    }
    m_redo.push_back({m_model.controls(), std::move(label)});
    restore(target);
}

void EditorHistory::redo()
{
    if (!canRedo()) {
        return;
    }
    EditorControls target = std::move(m_redo.back().controls);
    std::string label = std::move(m_redo.back().label);
    m_redo.pop_back();
    pushUndo(m_model.controls(), std::move(label));
    restore(target);
}

} // namespace quandrel
