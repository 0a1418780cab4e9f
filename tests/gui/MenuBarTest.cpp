#include "WindowCommandTest.h"

#include <QAction>
#include <QDialog>
#include <QGroupBox>
#include <QMenuBar>
#include <QTableWidget>
#include <QTest>

namespace quandrel {

// The menu bar above the client area: it leaves every control where it was, and its menus lead
// to every command.
class MenuBarTest final : public WindowCommandTest {
    Q_OBJECT

private slots:
    void clientAreaLiesWhollyBelowTheMenuBar();
    void everyControlIsStillWhereAClickFindsIt();
    void shortcutListNamesEveryKey();
    void quitClosesTheWindow_data();
    void quitClosesTheWindow();
};

void MenuBarTest::clientAreaLiesWhollyBelowTheMenuBar()
{
    const QMenuBar* bar = window().menuBar();
    QVERIFY(bar->isVisible());
    QStringList titles;
    for (const QAction* title : bar->actions()) {
        titles << title->text();
    }
    QCOMPARE(titles, QStringList({QStringLiteral("&Game"), QStringLiteral("&Edit"), QStringLiteral("&Help")}));

    const QWidget* client = window().centralWidget();
    QCOMPARE(client->size(), QSize(669, 518));
    QCOMPARE(client->geometry().top(), bar->geometry().bottom() + 1);
    QCOMPARE(window().height(), bar->height() + client->height());
    QCOMPARE(window().width(), client->width());
}

void MenuBarTest::everyControlIsStillWhereAClickFindsIt()
{
    // Whatever the bars above it, a control's place in the client area is what a click hits.
    int checked = 0;
    for (QWidget* widget : window().centralWidget()->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty() || !widget->isVisible() || qobject_cast<QGroupBox*>(widget)) {
            continue;
        }
        const QPoint centre = widget->mapTo(&window(), widget->rect().center());
        const QWidget* hit = window().childAt(centre);
        QVERIFY2(hit == widget || widget->isAncestorOf(hit), qPrintable(widget->objectName()));
        ++checked;
    }
    QVERIFY(checked > 0);
}

void MenuBarTest::shortcutListNamesEveryKey()
{
    chooseFromMenu(action("keyboardShortcutsAction"));
    auto* list = openWindow<QDialog>(QStringLiteral("shortcutList"));
    QVERIFY(list);
    const auto* table = list->findChild<QTableWidget*>(QStringLiteral("shortcutTable"));
    QStringList listed;
    for (int row = 0; row < table->rowCount(); ++row) {
        listed << table->item(row, 0)->text() + QLatin1Char('=') + table->item(row, 1)->text();
    }
    const QString all = listed.join(QLatin1Char('\n'));
    for (const QAction* command : window().actions()) {
        for (const QKeySequence& keys : command->shortcuts()) {
            QVERIFY2(all.contains(keys.toString(QKeySequence::NativeText)),
                     qPrintable(command->iconText() + QStringLiteral(": ") + keys.toString()));
        }
        if (!command->shortcuts().isEmpty()) {
            QVERIFY2(all.contains(command->iconText() + QLatin1Char('=')), qPrintable(command->iconText()));
        }
    }
    // The editing commands' own keys, on every platform, whatever its own conventions add.
    for (const char* keys : {"Ctrl+E", "Ctrl+N", "Ctrl+Z", "Ctrl+Y", "Ctrl+Shift+C"}) {
        QVERIFY2(all.contains(QKeySequence::fromString(QLatin1String(keys)).toString(QKeySequence::NativeText)), keys);
    }
}

void MenuBarTest::quitClosesTheWindow_data()
{
    QTest::addColumn<bool>("byKeys");
    QTest::newRow("from the menu") << false;
    QTest::newRow("by its keys") << true;
}

void MenuBarTest::quitClosesTheWindow()
{
    QFETCH(bool, byKeys);
    if (byKeys) {
        activateWindow();
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_Q));
    } else {
        chooseFromMenu(action("quitAction"));
    }
    QTRY_VERIFY(!window().isVisible());
}

} // namespace quandrel

QTEST_MAIN(quandrel::MenuBarTest)
#include "MenuBarTest.moc"
