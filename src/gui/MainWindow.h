#pragma once

#include "editor/EditorModel.h"

#include <QMainWindow>

#include <array>

class QLabel;

namespace quandrel {

class CounterPanel;

// The editor window. It owns the model, gives it to each panel, and keeps the hidden
// bookkeeping labels in step with it.
class MainWindow final : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget* parent = nullptr);

    EditorModel& model() { return m_model; }

private:
    void createLayout();
    void connectSignals();
    void refresh();

    QLabel* addHiddenLabel(const QString& name);
    void placeAtScreenCentre();

    EditorModel m_model;
    QWidget* m_clientArea = nullptr;
    CounterPanel* m_counterPanel = nullptr;
    std::array<QLabel*, kSectionLabelCount> m_sectionLabels{};
    QLabel* m_passwordLabel = nullptr;
    QLabel* m_keyBufferLabel = nullptr;
};

} // namespace quandrel
