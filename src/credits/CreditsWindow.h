#pragma once

#include "editor/CreditsTiming.h"

#include <QWidget>

class QLabel;
class QTimer;

namespace quandrel {

// The small credits window ("Form2"): a tall picture that creeps upward, one pixel a tick, until
// its top passes the last top (editor/CreditsTiming.h), then rests. Any character key closes
// and discards it.
class CreditsWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = kCreditsTickMilliseconds;
    static constexpr int kLastTop = kCreditsLastTop;

    explicit CreditsWindow(QWidget* parent = nullptr);

    // One tick of the animation timer; public so tests need not wait for the clock.
    void Timer1_Timer();

    void startAnimation();
    void stopAnimation();
    bool animationRunning() const;
    int pictureTop() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void createLayout();
    void connectSignals();

    QLabel* m_picture = nullptr;
    QTimer* m_timer = nullptr;
};

} // namespace quandrel
