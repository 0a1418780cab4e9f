#include "WindowCommandTest.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

namespace quandrel {

QAction* WindowCommandTest::action(const char* name) const { return window().findChild<QAction*>(QLatin1String(name)); }

void WindowCommandTest::chooseFromMenu(QAction* command)
{
    QVERIFY(command);
    QMenuBar* bar = window().menuBar();
    QMenu* menu = nullptr;
    for (QAction* title : bar->actions()) {
        if (title->menu() != nullptr && title->menu()->actions().contains(command)) {
            menu = title->menu();
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(title).center());
        }
    }
    QVERIFY2(menu, "the action is in no menu of the menu bar");
    QTRY_VERIFY(menu->isVisible());
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(command).center());
    QTRY_VERIFY(!menu->isVisible());
}

void WindowCommandTest::activateWindow()
{
    window().activateWindow();
    QTRY_VERIFY(window().isActiveWindow());
}

void WindowCommandTest::pressKeys(const QKeySequence& keys)
{
    QWidget* target = QApplication::focusWidget();
    QVERIFY(target);
    QTest::keySequence(target, keys);
}

void WindowCommandTest::enterPassword(const QString& typed)
{
    chooseFromMenu(action("enterPasswordAction"));
    auto* dialog = openWindow<QDialog>(QStringLiteral("passwordEntry"));
    QVERIFY(dialog);
    QTest::keyClicks(dialog->findChild<QLineEdit*>(QStringLiteral("passwordInput")), typed);
    auto* load = dialog->findChild<QPushButton*>(QStringLiteral("loadButton"));
    QVERIFY(load->isEnabled());
    QTest::mouseClick(load, Qt::LeftButton);
    QTRY_VERIFY(!dialog->isVisible());
}

} // namespace quandrel
