#include "EditorWindowTest.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace quandrel {

// What the window writes into its widgets when the model changes must never come back to the
// model as if the user had made the edit.
class RedrawTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void aRedrawLeavesTheModelAsItWas();
    void oneClickReportsOneChange();

private:
    void countChanges();

    int m_changes = 0;
};

void RedrawTest::countChanges()
{
    m_changes = 0;
    window().model().addChangeListener([this] { ++m_changes; });
}

void RedrawTest::aRedrawLeavesTheModelAsItWas()
{
    countChanges();
    // A state that no single click produces, with every widget kind set away from its start.
    EditorControls state = window().model().controls();
    state.counterText = {"12", "", "005"};
    state.counterColour = {TextColour::Red, TextColour::Red, TextColour::WindowText};
    state.values = {31, 0, 17, 3};
    state.selectedRow = 2;
    state.worldStates[0] = WorldState::BossKilled;
    state.worldStates[1] = WorldState::Open;
    state.flags[0] = state.flags[3] = state.flags[6] = true;
    state.objectBorder[12] = true;
    state.objectVisible[40] = false;
    state.objectVisible[38] = true;
    state.warriorVisible = {false, true, true, false};
    state.password = "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789ABCDEFGHI";

    window().model().restore(state);

    QCOMPARE(m_changes, 1);
    QVERIFY(window().model().controls() == state);
    // And the widgets show it.
    QCOMPARE(control<QLineEdit>(indexed("Text1", 0))->text(), QStringLiteral("12"));
    QCOMPARE(control<QLineEdit>(indexed("Text1", 1))->text(), QString());
    QCOMPARE(control<QLineEdit>(indexed("Text1", 0))->palette().color(QPalette::Text), QColor(0xFF, 0x00, 0x00));
    QCOMPARE(control<QLabel>(indexed("Label1", 2))->text(), QStringLiteral("17"));
    QVERIFY(control<QRadioButton>(indexed("Option1", 2))->isChecked());
    QVERIFY(!control<QRadioButton>(indexed("Option1", 0))->isChecked());
    QCOMPARE(control<QLabel>(indexed("Label3", 0))->text(), QStringLiteral("Boss Killed"));
    QCOMPARE(control<QLabel>(indexed("Label3", 1))->text(), QStringLiteral("Open"));
    QVERIFY(control<QCheckBox>(indexed("Check1", 6))->isChecked());
    QVERIFY(!control<QCheckBox>(indexed("Check1", 5))->isChecked());
    QCOMPARE(control(indexed("Image4", 12))->size(), QSize(40, 40));
    QVERIFY(control(indexed("Image4", 38))->isVisible());
    QVERIFY(!control(indexed("Image4", 40))->isVisible());
    QVERIFY(control(indexed("Image5", 2))->isVisible());
    QVERIFY(!control(indexed("Image5", 0))->isVisible());
    QCOMPARE(shownPassword(), QString::fromStdString(state.password));
    QCOMPARE(wholePassword(), QString::fromStdString(state.password));
}

void RedrawTest::oneClickReportsOneChange()
{
    countChanges();
    // A world click rewrites forty flag boxes, ten captions and a picture.
    clickOn(control(indexed("Label3", 9)));
    QCOMPARE(m_changes, 1);
}

} // namespace quandrel

QTEST_MAIN(quandrel::RedrawTest)
#include "RedrawTest.moc"
