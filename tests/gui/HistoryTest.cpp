#include "WindowCommandTest.h"

#include "editor/Presets.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace quandrel {

// Undo and redo of whole editor states, one step per user action, from the Edit menu and keys.
class HistoryTest final : public WindowCommandTest {
    Q_OBJECT

private slots:
    void undoThenRedoEachKindOfAction_data();
    void undoThenRedoEachKindOfAction();
    void keysWorkFromACounterBox_data();
    void keysWorkFromACounterBox();
    void undoAndRedoOnlyWhenThereIsAStep();
    void menuNamesTheStep_data();
    void menuNamesTheStep();

private:
    // One user action, as "click:Name", "type:Name:keys", "menu:actionName", "keys:Ctrl+N" or
    // "enter:password".
    void perform(const QString& step);
    const EditorControls& controls() const { return window().model().controls(); }
};

void HistoryTest::perform(const QString& step)
{
    const QString verb = step.section(QLatin1Char(':'), 0, 0);
    const QString what = step.section(QLatin1Char(':'), 1, 1);
    if (verb == QLatin1String("click")) {
        clickOn(control(what));
    } else if (verb == QLatin1String("type")) {
        clickOn(control(what));
        QTest::keyClicks(control(what), step.section(QLatin1Char(':'), 2));
    } else if (verb == QLatin1String("menu")) {
        chooseFromMenu(action(qPrintable(what)));
    } else if (verb == QLatin1String("keys")) {
        activateWindow();
        pressKeys(QKeySequence::fromString(what));
    } else if (verb == QLatin1String("enter")) {
        enterPassword(what);
    } else {
        QFAIL(qPrintable(QStringLiteral("unknown step ") + step));
    }
}

void HistoryTest::undoThenRedoEachKindOfAction_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("step");

    const auto row = [](const char* name, const QStringList& setup, const QString& step) {
        QTest::newRow(name) << setup << step;
    };
    row("an object", {}, QStringLiteral("click:Image4(3)"));
    row("select all", {}, QStringLiteral("click:Image8"));
    // The first click on the shield place or on a warrior shows what is already shown.
    row("the shield", {QStringLiteral("click:Image4(40)")}, QStringLiteral("click:Image4(40)"));
    row("a warrior", {QStringLiteral("click:Image5(0)")}, QStringLiteral("click:Image5(0)"));
    row("a world", {}, QStringLiteral("click:Label3(4)"));
    row("a value row", {}, QStringLiteral("click:Option1(3)"));
    row("a value step", {}, QStringLiteral("click:Command1(1)"));
    row("a completed counter", {}, QStringLiteral("type:Text1(1):042"));
    row("a half-typed counter", {}, QStringLiteral("type:Text1(2):04"));
    row("a slot load", {QStringLiteral("click:Label3(2)")}, QStringLiteral("click:Command3(0)"));
    row("an entered password", {}, QStringLiteral("enter:") + passwordOf(everythingPreset()).toLower());
    row("New game from the menu", {QStringLiteral("click:Image8")}, QStringLiteral("menu:newGameAction"));
    row("New game by its key", {QStringLiteral("click:Image8")}, QStringLiteral("keys:Ctrl+N"));
    row("Everything", {}, QStringLiteral("menu:everythingAction"));
}

void HistoryTest::undoThenRedoEachKindOfAction()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, step);

    for (const QString& earlier : setup) {
        perform(earlier);
    }
    const EditorControls before = controls();
    perform(step);
    const EditorControls after = controls();
    QVERIFY(!(after == before));

    QVERIFY(action("undoAction")->isEnabled());
    chooseFromMenu(action("undoAction"));
    QVERIFY(controls() == before);
    QCOMPARE(shownPassword(), QString::fromStdString(before.password));
    QCOMPARE(control<QLineEdit>(indexed("Text1", 1))->text(), QString::fromStdString(before.counterText[1]));

    QVERIFY(action("redoAction")->isEnabled());
    chooseFromMenu(action("redoAction"));
    QVERIFY(controls() == after);
    QCOMPARE(shownPassword(), QString::fromStdString(after.password));
}

void HistoryTest::keysWorkFromACounterBox_data()
{
    QTest::addColumn<QKeySequence>("redoKeys");

    QTest::newRow("the platform's redo") << QKeySequence(QKeySequence::Redo);
    QTest::newRow("Ctrl+Y") << QKeySequence(Qt::CTRL | Qt::Key_Y);
    QTest::newRow("Ctrl+Shift+Z") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z);
}

void HistoryTest::keysWorkFromACounterBox()
{
    QFETCH(QKeySequence, redoKeys);

    const EditorControls before = controls();
    clickOn(control(indexed("Image4", 5)));
    const EditorControls after = controls();
    activateWindow();
    QCOMPARE(QApplication::focusWidget(), control(indexed("Text1", 0))); // a box has its own undo and redo

    pressKeys(QKeySequence::Undo);
    QVERIFY(controls() == before);
    QCOMPARE(control<QLineEdit>(indexed("Text1", 0))->text(), QStringLiteral("100"));
    pressKeys(redoKeys);
    QVERIFY(controls() == after);
}

void HistoryTest::undoAndRedoOnlyWhenThereIsAStep()
{
    QAction* undo = action("undoAction");
    QAction* redo = action("redoAction");
    QVERIFY(!undo->isEnabled()); // the window's first assembly is no step
    QVERIFY(!redo->isEnabled());

    // With nothing to undo the key stays a key of the box, which discards it.
    activateWindow();
    pressKeys(QKeySequence::Undo);
    QCOMPARE(shownPassword(), passwordOf(GameState{}));
    QVERIFY(!undo->isEnabled());

    clickOn(control(indexed("Image4", 1)));
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    pressKeys(QKeySequence::Undo);
    QVERIFY(!undo->isEnabled());
    QVERIFY(redo->isEnabled());
    pressKeys(QKeySequence::Undo); // nothing left: refused
    QCOMPARE(shownPassword(), passwordOf(GameState{}));

    // A new action drops what could be redone.
    clickOn(control(indexed("Image4", 2)));
    QVERIFY(undo->isEnabled());
    QVERIFY(!redo->isEnabled());
    // An action that changes nothing is no step.
    clickOn(control(indexed("Image4", kWorldBoundObject)));
    pressKeys(QKeySequence::Undo);
    QVERIFY(!undo->isEnabled());
}

void HistoryTest::menuNamesTheStep_data()
{
    QTest::addColumn<QStringList>("setup");
    QTest::addColumn<QString>("step");
    QTest::addColumn<QString>("name");

    const auto row = [](const char* name, const QStringList& setup, const QString& step, const char* label) {
        QTest::newRow(name) << setup << step << QString::fromLatin1(label);
    };
    row("an object", {}, QStringLiteral("click:Image4(11)"), "Object 12");
    row("the shield", {QStringLiteral("click:Image4(40)")}, QStringLiteral("click:Image4(40)"), "Shield");
    row("a warrior", {QStringLiteral("click:Image5(0)")}, QStringLiteral("click:Image5(0)"), "Warrior 1");
    row("a world", {}, QStringLiteral("click:Label3(4)"), "World 5");
    row("a half-typed counter", {}, QStringLiteral("type:Text1(2):04"), "Counter 3");
    row("a completed counter", {}, QStringLiteral("type:Text1(1):042"), "Counter 2");
    row("a slot load", {QStringLiteral("click:Label3(2)")}, QStringLiteral("click:Command3(2)"), "Load slot 3");
    row("an entered password", {}, QStringLiteral("enter:") + passwordOf(everythingPreset()).toLower(),
        "Enter password");
    row("New game", {QStringLiteral("click:Image8")}, QStringLiteral("menu:newGameAction"), "New game");
}

void HistoryTest::menuNamesTheStep()
{
    QFETCH(QStringList, setup);
    QFETCH(QString, step);
    QFETCH(QString, name);
    QAction* undo = action("undoAction");
    QAction* redo = action("redoAction");
    QCOMPARE(undo->text(), QStringLiteral("&Undo"));
    QCOMPARE(redo->text(), QStringLiteral("&Redo"));
    for (const QString& earlier : setup) {
        perform(earlier);
    }
    perform(step);
    QCOMPARE(undo->text(), QStringLiteral("&Undo ") + name);

    chooseFromMenu(undo);
    QCOMPARE(redo->text(), QStringLiteral("&Redo ") + name);
    chooseFromMenu(redo);
    QCOMPARE(undo->text(), QStringLiteral("&Undo ") + name);
    QCOMPARE(redo->text(), QStringLiteral("&Redo"));
}

} // namespace quandrel

QTEST_MAIN(quandrel::HistoryTest)
#include "HistoryTest.moc"
