#pragma once

#include <QWidget>

class QLabel;
class QTimer;

namespace quandrel {

// The small credits window ("Form2"): a tall picture that creeps upward, one pixel every
// 50 ms, until its top passes -930, then rests. Any character key closes and discards it.
class CreditsWindow final : public QWidget {
    Q_OBJECT

public:
    static constexpr int kTickMilliseconds = 50;
    static constexpr int kLastTop = -930; // the picture stops once its top is above this

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
