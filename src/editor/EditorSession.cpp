#include "EditorSession.h"

#include "Presets.h"
#include "codec/PasswordCheck.h"

namespace quandrel {

namespace {

std::string caption(std::string_view command, const std::string& step, EditorSession::CaptionTranslator translate)
{
    const std::string english = std::string(command) + (step.empty() ? "" : " %1");
    std::string pattern = translate != nullptr ? translate(english) : english;
    if (const std::size_t at = pattern.find("%1"); at != std::string::npos) {
        pattern.replace(at, 2, step);
    }
    return pattern;
}

} // namespace

EditorSession::EditorSession(EditorModel::Clock clock) : m_model(std::move(clock)) {}

void EditorSession::start()
{
    m_model.Form_Load();
    m_history.clear();
}

void EditorSession::enterPassword(std::string_view typed)
{
    m_model.loadDecoded(decodeSlotText(normalizePassword(typed.substr(0, kEntryLimit))), "Enter password");
}

void EditorSession::openLink(std::string_view typed)
{
    enterPassword(typed);
    m_history.clear();
}

void EditorSession::newGame() { m_model.newGame(); }

void EditorSession::everything() { m_model.applyPreset(everythingPreset(), "Everything"); }

void EditorSession::undo() { m_history.undo(); }

void EditorSession::redo() { m_history.redo(); }

std::string EditorSession::undoCaption(CaptionTranslator translate) const
{
    return caption("Undo", m_history.undoLabel(), translate);
}

std::string EditorSession::redoCaption(CaptionTranslator translate) const
{
    return caption("Redo", m_history.redoLabel(), translate);
}

} // namespace quandrel
