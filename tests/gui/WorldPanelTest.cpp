#include "EditorWindowTest.h"
#include "ThemePalettes.h"
#include "gui/Contrast.h"

#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QTest>

#include <algorithm>

namespace quandrel {

// Clicks on the world status labels, and on the flag boxes that only show values.
class WorldPanelTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void clickingAWorldMakesItTheCurrentOne_data();
    void clickingAWorldMakesItTheCurrentOne();
    void flagBoxesIgnoreClicks();
    void disabledFlagsShowOnADarkWindow();
};

void WorldPanelTest::clickingAWorldMakesItTheCurrentOne_data()
{
    QTest::addColumn<QList<int>>("clickedWorlds");
    QTest::addColumn<int>("current");
    QTest::addColumn<QString>("currentCaption");

    QTest::newRow("world 1") << QList<int>{0} << 0 << QStringLiteral("Active");
    QTest::newRow("world 4") << QList<int>{3} << 3 << QStringLiteral("Active");
    QTest::newRow("world 10") << QList<int>{9} << 9 << QStringLiteral("Active");
    QTest::newRow("second click opens") << QList<int>{3, 3} << 3 << QStringLiteral("Open");
    QTest::newRow("third click activates again") << QList<int>{3, 3, 3} << 3 << QStringLiteral("Active");
    QTest::newRow("back to a finished world") << QList<int>{7, 2} << 2 << QStringLiteral("Active");
}

void WorldPanelTest::clickingAWorldMakesItTheCurrentOne()
{
    QFETCH(QList<int>, clickedWorlds);
    QFETCH(int, current);
    QFETCH(QString, currentCaption);

    for (int w : clickedWorlds) {
        clickOn(control(indexed("Label3", w)));
    }

    // Earlier worlds are finished with all flags, later ones closed with none.
    GameState expected;
    for (int w = 0; w < kWorldCount; ++w) {
        World& world = expected.worlds[static_cast<std::size_t>(w)];
        if (w < current) {
            world.state = WorldState::BossKilled;
            world.flags.fill(true);
        }
    }
    const bool active = currentCaption == QStringLiteral("Active");
    expected.worlds[static_cast<std::size_t>(current)].state = active ? WorldState::Active : WorldState::Open;
    expected.objects[7] = active;

    const QStringList captions = {QStringLiteral("Closed"), QStringLiteral("Active"), QStringLiteral("Open"),
                                  QStringLiteral("Boss Killed")};
    for (int w = 0; w < kWorldCount; ++w) {
        const World& world = expected.worlds[static_cast<std::size_t>(w)];
        QCOMPARE(control<QLabel>(indexed("Label3", w))->text(), captions[static_cast<int>(world.state)]);
        for (int k = 0; k < kFlagsPerWorld; ++k) {
            QCOMPARE(control<QCheckBox>(indexed("Check1", 4 * w + k))->isChecked(),
                     world.flags[static_cast<std::size_t>(k)]);
        }
    }
    QCOMPARE(control(indexed("Image4", 7))->size(), active ? QSize(40, 40) : QSize(36, 36));
    QCOMPARE(shownPassword(), passwordOf(expected));
}

void WorldPanelTest::flagBoxesIgnoreClicks()
{
    auto* flag = control<QCheckBox>(indexed("Check1", 5));
    QTest::mouseClick(flag, Qt::LeftButton);
    clickOn(flag);
    QVERIFY(!flag->isChecked());
    QCOMPARE(shownPassword(), passwordOf(GameState{}));
}

// The flags are disabled, and a dark theme's disabled box would sink into the window: its outline
// and its mark stand out as lines that shape a control should, also after a change of theme.
void WorldPanelTest::disabledFlagsShowOnADarkWindow()
{
    window().setPalette(fusionDarkPalette());
    QWidget* flag = control(indexed("Check1", 0));
    QVERIFY(!flag->isEnabled());
    const QImage unchecked = flag->grab().toImage();
    clickOn(control(indexed("Label3", 3))); // world 1 is finished, its flags set
    QVERIFY(control<QCheckBox>(indexed("Check1", 0))->isChecked());
    const QImage checked = flag->grab().toImage();
    QCOMPARE(checked.size(), unchecked.size());

    const QColor window = fusionDarkPalette().color(QPalette::Window);
    double outline = 1.0;
    double mark = 1.0;
    for (int y = 0; y < unchecked.height(); ++y) {
        for (int x = 0; x < unchecked.width(); ++x) {
            const QColor box = unchecked.pixelColor(x, y);
            outline = std::max(outline, contrast::ratio(box, window));
            // The mark is what the check adds, seen on what it covers.
            const QColor ticked = checked.pixelColor(x, y);
            mark = std::max(mark, contrast::ratio(ticked, box));
        }
    }
    QVERIFY2(outline >= 3.0, qPrintable(QString::number(outline)));
    QVERIFY2(mark >= 3.0, qPrintable(QString::number(mark)));
}

} // namespace quandrel

QTEST_MAIN(quandrel::WorldPanelTest)
#include "WorldPanelTest.moc"
