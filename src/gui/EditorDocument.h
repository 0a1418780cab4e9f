#pragma once

#include "editor/EditorModel.h"

#include <QObject>

namespace quandrel {

// The editor model as the window's widgets see it: the model, and its notifications as Qt
// signals, so that a panel or dialog that dies is disconnected with it.
class EditorDocument final : public QObject {
    Q_OBJECT

public:
    explicit EditorDocument(QObject* parent = nullptr);

    EditorModel& model() { return m_model; }
    const EditorModel& model() const { return m_model; }

signals:
    // After each outermost handler, with the controls as they were before it; before changed().
    void actionFinished(const quandrel::EditorControls& before);
    // After every handler that may have changed something.
    void changed();

private:
    EditorModel m_model;
};

} // namespace quandrel
