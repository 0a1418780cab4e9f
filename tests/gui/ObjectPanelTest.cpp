#include "EditorWindowTest.h"

#include <QTest>

namespace quandrel {

// Clicks on the object pictures, the shield place and select all.
class ObjectPanelTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void clickingAnObjectMarksAndUnmarksIt_data();
    void clickingAnObjectMarksAndUnmarksIt();
    void theWorldBoundObjectIgnoresClicks();
    void theShieldPlaceCyclesThroughTheShields();
    void selectAllMarksThenClearsEveryObject();
    void theEmptyCellTakesNoClick();

private:
    const QWidget* visibleShieldPicture() const;
};

namespace {

const QSize kUnmarked(36, 36);
const QSize kMarked(40, 40);

} // namespace

const QWidget* ObjectPanelTest::visibleShieldPicture() const
{
    const QWidget* visible = nullptr;
    for (int i = 37; i <= 40; ++i) {
        const QWidget* picture = control(indexed("Image4", i));
        if (picture->isVisible()) {
            if (visible) {
                return nullptr; // two pictures at once in the shield place
            }
            visible = picture;
        }
    }
    return visible;
}

void ObjectPanelTest::clickingAnObjectMarksAndUnmarksIt_data()
{
    QTest::addColumn<int>("index");
    QTest::newRow("first object") << 0;
    QTest::newRow("last object before the gap in the section") << 5;
    QTest::newRow("first object after the gap") << 6;
    QTest::newRow("object after the world-bound one") << 8;
    QTest::newRow("last object of the fourth row") << 31;
    QTest::newRow("object 35, beside the shield bits") << 35;
    QTest::newRow("last object") << 36;
}

void ObjectPanelTest::clickingAnObjectMarksAndUnmarksIt()
{
    QFETCH(int, index);
    const QWidget* picture = control(indexed("Image4", index));
    QVERIFY(picture);
    const QPoint corner = picture->pos();

    clickOn(picture);
    GameState marked;
    marked.objects[static_cast<std::size_t>(index)] = true;
    QCOMPARE(picture->size(), kMarked);
    QCOMPARE(picture->pos(), corner);
    QCOMPARE(shownPassword(), passwordOf(marked));

    clickOn(picture);
    QCOMPARE(picture->size(), kUnmarked);
    QCOMPARE(picture->pos(), corner);
    QCOMPARE(shownPassword(), passwordOf(GameState{}));
}

void ObjectPanelTest::theWorldBoundObjectIgnoresClicks()
{
    const QWidget* picture = control(indexed("Image4", 7));
    clickOn(picture);
    QCOMPARE(picture->size(), kUnmarked);
    QCOMPARE(shownPassword(), passwordOf(GameState{}));
}

void ObjectPanelTest::theShieldPlaceCyclesThroughTheShields()
{
    struct Step {
        int shownPicture;
        Shield shield;
    };
    // The first click shows No Shield again; only the second one brings the first shield.
    const Step steps[] = {
        {40, Shield::None}, {37, Shield::One}, {38, Shield::Two}, {39, Shield::Three}, {40, Shield::None},
    };
    const QPoint shieldPlace = control(indexed("Image4", 40))->geometry().center();
    const QWidget* objects = control(QStringLiteral("Frame4"));
    for (const Step& step : steps) {
        clickAt(objects->mapTo(&window(), shieldPlace));
        const QWidget* shown = visibleShieldPicture();
        QVERIFY(shown);
        QCOMPARE(shown->objectName(), indexed("Image4", step.shownPicture));
        GameState expected;
        expected.shield = step.shield;
        QCOMPARE(shownPassword(), passwordOf(expected));
    }
}

void ObjectPanelTest::selectAllMarksThenClearsEveryObject()
{
    const QWidget* selectAll = control(QStringLiteral("Image8"));
    clickOn(selectAll);
    GameState allMarked;
    allMarked.objects.fill(true);
    allMarked.objects[7] = false; // the world-bound object belongs to the worlds
    for (int i = 0; i <= 36; ++i) {
        QCOMPARE(control(indexed("Image4", i))->size(), i == 7 ? kUnmarked : kMarked);
    }
    QCOMPARE(selectAll->size(), kMarked);
    QCOMPARE(shownPassword(), passwordOf(allMarked));

    clickOn(selectAll);
    for (int i = 0; i <= 36; ++i) {
        QCOMPARE(control(indexed("Image4", i))->size(), kUnmarked);
    }
    QCOMPARE(selectAll->size(), kUnmarked);
    QCOMPARE(shownPassword(), passwordOf(GameState{}));
}

void ObjectPanelTest::theEmptyCellTakesNoClick()
{
    // Row 4, column 6 of the grid holds no picture.
    const QWidget* objects = control(QStringLiteral("Frame4"));
    const QPoint emptyCell((3720 + 270) / 15, (2760 + 270) / 15);
    clickAt(objects->mapTo(&window(), emptyCell));
    for (int i = 0; i <= 36; ++i) {
        QCOMPARE(control(indexed("Image4", i))->size(), kUnmarked);
    }
    QCOMPARE(control(QStringLiteral("Image8"))->size(), kUnmarked);
    QCOMPARE(shownPassword(), passwordOf(GameState{}));
}

} // namespace quandrel

QTEST_MAIN(quandrel::ObjectPanelTest)
#include "ObjectPanelTest.moc"
