#pragma once

#include "editor/EditorSession.h"

#include <QObject>

namespace quandrel {

// The editing session as the window's widgets see it: the session, and its model's
// notifications as Qt signals, so that a panel or dialog that dies is disconnected with it.
class EditorDocument final : public QObject {
    Q_OBJECT

public:
    explicit EditorDocument(QObject* parent = nullptr);

    EditorSession& session() { return m_session; }
    EditorModel& model() { return m_session.model(); }
    const EditorModel& model() const { return m_session.model(); }

signals:
    // After each outermost handler, with the controls as they were before it; before changed().
    void actionFinished(const quandrel::EditorControls& before);
    // After every handler that may have changed something.
    void changed();

private:
    EditorSession m_session;
};

} // namespace quandrel
