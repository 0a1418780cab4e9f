#include "EditorWindowTest.h"

#include <QTest>

namespace quandrel {

// Clicks on the warrior pictures step through the four warrior states.
class WarriorPanelTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void clicksCycleThroughTheWarriorStates();
};

void WarriorPanelTest::clicksCycleThroughTheWarriorStates()
{
    enum Place { Upper, Lower };
    struct Step {
        Place clicked;
        int state;
        int upperPicture; // the picture shown in each place
        int lowerPicture;
        int chosenPicture; // the one with the border
    };
    // The first click gives the start-up state again. Clicking an alternative picture steps on
    // like any other.
    const Step steps[] = {
        {Upper, 0, 0, 1, 0}, {Lower, 1, 0, 1, 1}, {Upper, 2, 0, 3, 0},
        {Lower, 3, 2, 1, 1}, {Upper, 0, 0, 1, 0}, {Upper, 1, 0, 1, 1},
    };
    const QWidget* warriors = control(QStringLiteral("Frame3"));
    QVERIFY(warriors);
    const QPoint places[] = {control(indexed("Image5", 2))->geometry().center(),
                             control(indexed("Image5", 3))->geometry().center()};

    for (const Step& step : steps) {
        clickAt(warriors->mapTo(&window(), places[step.clicked]));
        for (int i = 0; i < kWarriorStateCount; ++i) {
            const QWidget* picture = control(indexed("Image5", i));
            QCOMPARE(picture->isVisible(), i == step.upperPicture || i == step.lowerPicture);
            QCOMPARE(picture->size(), i == step.chosenPicture ? QSize(40, 40) : QSize(36, 36));
        }
        GameState expected;
        expected.warrior = step.state;
        QCOMPARE(shownPassword(), passwordOf(expected));
    }
}

} // namespace quandrel

QTEST_MAIN(quandrel::WarriorPanelTest)
#include "WarriorPanelTest.moc"
