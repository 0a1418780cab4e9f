#include "EditorWindowTest.h"

#include <QLabel>
#include <QRadioButton>
#include <QTest>

namespace quandrel {

// The chosen row and the "-" and "+" buttons that step its value.
class VitalityPanelTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void stepsChangeOnlyTheChosenRow_data();
    void stepsChangeOnlyTheChosenRow();
};

void VitalityPanelTest::stepsChangeOnlyTheChosenRow_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QList<int>>("values");

    QTest::newRow("upper vitality up") << 0 << QStringLiteral("++") << QList<int>{3, 6, 1, 6};
    QTest::newRow("upper vitality stops at 0") << 0 << QStringLiteral("---") << QList<int>{0, 6, 1, 6};
    QTest::newRow("upper experience stops at 6") << 1 << QStringLiteral("+") << QList<int>{1, 6, 1, 6};
    QTest::newRow("upper experience down and up") << 1 << QStringLiteral("---+") << QList<int>{1, 4, 1, 6};
    QTest::newRow("lower vitality stops at 31") << 2 << QString(32, u'+') << QList<int>{1, 6, 31, 6};
    QTest::newRow("lower vitality back from 31") << 2 << QString(32, u'+') + u'-' << QList<int>{1, 6, 30, 6};
    QTest::newRow("lower experience down") << 3 << QStringLiteral("--") << QList<int>{1, 6, 1, 4};
}

void VitalityPanelTest::stepsChangeOnlyTheChosenRow()
{
    QFETCH(int, row);
    QFETCH(QString, steps);
    QFETCH(QList<int>, values);

    clickOn(control(indexed("Option1", row)));
    for (int r = 0; r < kValueCount; ++r) {
        QCOMPARE(control<QRadioButton>(indexed("Option1", r))->isChecked(), r == row);
    }
    const QWidget* minus = control(indexed("Command1", 0));
    const QWidget* plus = control(indexed("Command1", 1));
    for (QChar step : steps) {
        clickOn(step == u'+' ? plus : minus);
    }

    GameState expected;
    for (int r = 0; r < kValueCount; ++r) {
        QCOMPARE(control<QLabel>(indexed("Label1", r))->text(), QString::number(values[r]));
        expected.values[static_cast<std::size_t>(r)] = values[r];
    }
    QCOMPARE(shownPassword(), passwordOf(expected));
}

} // namespace quandrel

QTEST_MAIN(quandrel::VitalityPanelTest)
#include "VitalityPanelTest.moc"
