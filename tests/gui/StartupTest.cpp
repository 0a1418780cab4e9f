#include "EditorWindowTest.h"

#include "support/PasswordEdits.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace quandrel {

// What the user sees when the window first opens, before any click.
class StartupTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void showsThePasswordOfTheInitialState();
    void showsTheInitialControls();
    void keyboardFocusStartsInTheArrowsBox();
};

namespace {

const QString kInitialPassword = QString::fromStdString(test::kInitialPassword);

} // namespace

void StartupTest::showsThePasswordOfTheInitialState()
{
    QCOMPARE(shownPassword(), kInitialPassword);
    QCOMPARE(control<QLabel>(QStringLiteral("Label6(11)"))->text(), QStringLiteral("A"));
    QCOMPARE(wholePassword(), kInitialPassword);
    QVERIFY(sectionSlot(SectionSlot::ChecksumLine).startsWith(QStringLiteral("4A  ->  ")));
    QCOMPARE(keyBuffer(), QString());
}

void StartupTest::showsTheInitialControls()
{
    const QColor normalText = window().palette().color(QPalette::Text);
    for (int i = 0; i < 3; ++i) {
        const auto* box = control<QLineEdit>(indexed("Text1", i));
        QCOMPARE(box->text(), QStringLiteral("100"));
        QCOMPARE(box->palette().color(QPalette::Text), normalText);
    }
    const QStringList values = {QStringLiteral("1"), QStringLiteral("6"), QStringLiteral("1"), QStringLiteral("6")};
    for (int row = 0; row < 4; ++row) {
        QCOMPARE(control<QLabel>(indexed("Label1", row))->text(), values[row]);
        QCOMPARE(control<QRadioButton>(indexed("Option1", row))->isChecked(), row == 0);
    }
    for (int w = 0; w < 10; ++w) {
        QCOMPARE(control<QLabel>(indexed("Label3", w))->text(), QStringLiteral("Closed"));
    }
    for (int i = 0; i < 40; ++i) {
        const auto* flag = control<QCheckBox>(indexed("Check1", i));
        QVERIFY(!flag->isChecked());
        QVERIFY(!flag->isEnabled());
    }
    // No object is marked, and the shield place shows No Shield over the three hidden shields.
    for (int i = 0; i <= 40; ++i) {
        const QWidget* picture = control(indexed("Image4", i));
        QCOMPARE(picture->size(), QSize(36, 36));
        QCOMPARE(picture->isVisible(), i <= 36 || i == 40);
    }
    QCOMPARE(control(QStringLiteral("Image8"))->size(), QSize(36, 36));
    // Warrior 1 is chosen and both warriors show their normal pictures.
    QCOMPARE(control(indexed("Image5", 0))->size(), QSize(40, 40));
    QCOMPARE(control(indexed("Image5", 1))->size(), QSize(36, 36));
    QVERIFY(control(indexed("Image5", 0))->isVisible());
    QVERIFY(control(indexed("Image5", 1))->isVisible());
    QVERIFY(!control(indexed("Image5", 2))->isVisible());
    QVERIFY(!control(indexed("Image5", 3))->isVisible());
}

void StartupTest::keyboardFocusStartsInTheArrowsBox()
{
    window().activateWindow();
    QTRY_VERIFY(window().isActiveWindow());
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(0)"));

    // A key typed straight away goes to the arrows box: the full box refuses the digit.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QCOMPARE(keyBuffer(), QStringLiteral("5"));
    QCOMPARE(control<QLineEdit>(QStringLiteral("Text1(0)"))->text(), QStringLiteral("100"));
}

} // namespace quandrel

QTEST_MAIN(quandrel::StartupTest)
#include "StartupTest.moc"
