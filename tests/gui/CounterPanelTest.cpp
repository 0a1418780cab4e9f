#include "EditorWindowTest.h"
#include "ThemePalettes.h"
#include "gui/Contrast.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTestEventList>

namespace quandrel {

// Keys, clicks and pastes in the arrows, coins and keys boxes.
class CounterPanelTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void editingTheArrowsBox_data();
    void editingTheArrowsBox();
    void completingABoxFillsAnIncompleteOne();
    void everyCharacterKeyReachesTheKeyBuffer();
    void redReadsOnADarkBox();

private:
    QLineEdit* box(int index) const { return control<QLineEdit>(indexed("Text1", index)); }
    QColor normalText() const { return window().palette().color(QPalette::Text); }
};

namespace {

const QColor kRed(0xFF, 0x00, 0x00);

QTestEventList clickThenType(const QString& keys)
{
    QTestEventList events;
    events.addMouseClick(Qt::LeftButton);
    events.addKeyClicks(keys);
    return events;
}

GameState withArrows(const QString& arrows)
{
    GameState state;
    state.counters[0] = arrows.toStdString();
    return state;
}

} // namespace

void CounterPanelTest::editingTheArrowsBox_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QTestEventList>("events");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<bool>("red");
    QTest::addColumn<QString>("encodedArrows");

    const QString none;
    QTest::newRow("a click empties the box, password kept")
        << none << clickThenType({}) << QString() << false << QStringLiteral("100");
    QTest::newRow("one digit is red") << none << clickThenType(QStringLiteral("0")) << QStringLiteral("0") << true
                                      << QStringLiteral("100");
    QTest::newRow("two digits are red") << none << clickThenType(QStringLiteral("04")) << QStringLiteral("04") << true
                                        << QStringLiteral("100");
    QTest::newRow("the third digit completes")
        << none << clickThenType(QStringLiteral("042")) << QStringLiteral("042") << false << QStringLiteral("042");
    QTest::newRow("a fourth digit is refused")
        << none << clickThenType(QStringLiteral("0429")) << QStringLiteral("042") << false << QStringLiteral("042");
    QTest::newRow("letters are ignored") << none << clickThenType(QStringLiteral("a1b-")) << QStringLiteral("1") << true
                                         << QStringLiteral("100");
    QTestEventList intoFullBox;
    intoFullBox.addKeyClicks(QStringLiteral("5"));
    QTest::newRow("a digit into the full box is refused")
        << none << intoFullBox << QStringLiteral("100") << false << QStringLiteral("100");

    QTestEventList backspace = clickThenType(QStringLiteral("7"));
    backspace.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("backspace does nothing")
        << none << backspace << QStringLiteral("7") << true << QStringLiteral("100");

    // Backspace still counts as a key for the colour, which follows the text before the key.
    QTestEventList backspaceOnTwo = clickThenType(QStringLiteral("78"));
    backspaceOnTwo.addKeyClick(Qt::Key_Backspace);
    QTest::newRow("backspace after two digits")
        << none << backspaceOnTwo << QStringLiteral("78") << false << QStringLiteral("100");

    QTestEventList deleteKey;
    deleteKey.addKeyClick(Qt::Key_Home);
    deleteKey.addKeyClick(Qt::Key_Delete);
    QTest::newRow("delete shortens the box, password kept")
        << none << deleteKey << QStringLiteral("00") << false << QStringLiteral("100");

    QTestEventList deleteThenType = deleteKey;
    deleteThenType.addKeyClicks(QStringLiteral("5"));
    QTest::newRow("a digit after delete completes again")
        << none << deleteThenType << QStringLiteral("500") << false << QStringLiteral("500");

    QTestEventList controlPaste = clickThenType({});
    controlPaste.addKeyClick(Qt::Key_V, Qt::ControlModifier);
    QTest::newRow("ctrl+v does nothing") << QStringLiteral("042") << controlPaste << QString() << true
                                         << QStringLiteral("100");

    QTestEventList pasteOverAll;
    pasteOverAll.addKeyClick(Qt::Key_End);
    pasteOverAll.addKeyClick(Qt::Key_Home, Qt::ShiftModifier);
    pasteOverAll.addKeyClick(Qt::Key_Insert, Qt::ShiftModifier);
    QTest::newRow("pasted digits are taken")
        << QStringLiteral("042") << pasteOverAll << QStringLiteral("042") << false << QStringLiteral("042");
    QTest::newRow("pasted non-digits are refused")
        << QStringLiteral("1a2") << pasteOverAll << QStringLiteral("100") << false << QStringLiteral("100");
    QTest::newRow("pasted text beyond digits is refused")
        << QStringLiteral("\u0664\u0662") << pasteOverAll << QStringLiteral("100") << false << QStringLiteral("100");
}

void CounterPanelTest::editingTheArrowsBox()
{
    QFETCH(QString, clipboard);
    QFETCH(QTestEventList, events);
    QFETCH(QString, shownText);
    QFETCH(bool, red);
    QFETCH(QString, encodedArrows);

    QGuiApplication::clipboard()->setText(clipboard);
    QLineEdit* arrows = box(0);
    arrows->setFocus();
    events.simulate(arrows);

    QCOMPARE(arrows->text(), shownText);
    QCOMPARE(arrows->palette().color(QPalette::Text), red ? kRed : normalText());
    QCOMPARE(shownPassword(), passwordOf(withArrows(encodedArrows)));
}

void CounterPanelTest::completingABoxFillsAnIncompleteOne()
{
    clickThenType(QStringLiteral("4")).simulate(box(0));
    clickThenType(QStringLiteral("123")).simulate(box(1));

    QCOMPARE(box(0)->text(), QStringLiteral("999"));
    QCOMPARE(box(0)->palette().color(QPalette::Text), kRed); // filled by the program, not typed
    QCOMPARE(box(1)->text(), QStringLiteral("123"));
    QCOMPARE(box(1)->palette().color(QPalette::Text), normalText());
    GameState expected;
    expected.counters = {"999", "123", "100"};
    QCOMPARE(shownPassword(), passwordOf(expected));
}

void CounterPanelTest::everyCharacterKeyReachesTheKeyBuffer()
{
    clickThenType(QStringLiteral("ab1")).simulate(box(2));
    QTest::keyClick(box(2), Qt::Key_Backspace);
    QCOMPARE(keyBuffer(), QStringLiteral("ab1\b"));
    QCOMPARE(box(2)->text(), QStringLiteral("1"));
}

// A dark theme's box would swallow the system's red; after a change of theme too, the red is
// lifted until it reads, and the counters that are not red keep the theme's text.
void CounterPanelTest::redReadsOnADarkBox()
{
    clickThenType(QStringLiteral("4")).simulate(box(0));
    window().setPalette(fusionDarkPalette());
    const QColor red = box(0)->palette().color(QPalette::Text);
    const double ratio = contrast::ratio(red, box(0)->palette().color(QPalette::Base));
    QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    QVERIFY(red.red() > red.green() && red.red() > red.blue());
    QCOMPARE(box(1)->palette().color(QPalette::Text), fusionDarkPalette().color(QPalette::Text));

    window().setPalette(QPalette());
    QCOMPARE(box(0)->palette().color(QPalette::Text), kRed);
}

} // namespace quandrel

QTEST_MAIN(quandrel::CounterPanelTest)
#include "CounterPanelTest.moc"
