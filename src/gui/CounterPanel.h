#pragma once

#include "codec/GameState.h"

#include <QGroupBox>

#include <array>

class QKeyEvent;
class QLineEdit;

namespace quandrel {

class EditorModel;

// The arrows, coins and keys: three boxes that take three digits each. Character keys go to
// the model before the box sees them, so the model decides which ones the box may insert.
class CounterPanel final : public QGroupBox {
    Q_OBJECT

public:
    CounterPanel(EditorModel& model, QWidget* parent);

signals:
    // After every character key in a box: whether the last eight keys spell the trigger word.
    void characterKeyPressed(bool triggerWord);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createLayout();
    void connectSignals();
    void refresh();

    // True when the model discards the key, so the box must not see it.
    bool discardedByModel(int box, const QKeyEvent& event);
    void textEdited(int box, const QString& text);

    EditorModel& m_model;
    std::array<QLineEdit*, kCounterCount> m_boxes{};
};

} // namespace quandrel
