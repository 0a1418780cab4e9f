#pragma once

#include "codec/GameState.h"

#include <QGroupBox>

#include <array>

class QKeyEvent;
class QLineEdit;

namespace quandrel {

class EditorDocument;

// The arrows, coins and keys: three boxes that take three digits each. Character keys go to
// the model before the box sees them, so the model decides which ones the box may insert.
class CounterPanel final : public QGroupBox {
    Q_OBJECT

public:
    CounterPanel(EditorDocument& document, QWidget* parent);

signals:
    // After every character key in a box: whether the last eight keys spell the trigger word.
    void characterKeyPressed(bool triggerWord);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void createLayout();
    void connectSignals();
    void refresh();

    // Leaves the window's shortcuts to the window while a box has the focus: the box would take
    // some for its own editing (undo, redo, end of line), which in a three-digit box that the
    // model controls only gets in the way. Copy and paste stay the box's, although the window
    // pastes a password with the same keys when no box has the focus. True when an enabled
    // action of the window has the keys, so the box leaves them.
    bool leftToWindowShortcut(QKeyCombination keys) const;
    // True when the model discards the key, so the box must not see it.
    bool discardedByModel(int box, const QKeyEvent& event);
    void textEdited(int box, const QString& text);

    EditorDocument& m_document;
    std::array<QLineEdit*, kCounterCount> m_boxes{};
};

} // namespace quandrel
