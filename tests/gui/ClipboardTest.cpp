#include "WindowCommandTest.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QTest>

namespace quandrel {
enum class CopyBy { EditMenu, Keys, GroupContextMenu, FrameContextMenu };
} // namespace quandrel

Q_DECLARE_METATYPE(quandrel::CopyBy)

namespace quandrel {

// Copying the shown password, pasting one into the entry dialog, and the copy and paste that
// stay the counter boxes' own.
class ClipboardTest final : public WindowCommandTest {
    Q_OBJECT

private slots:
    void copiesTheShownPassword_data();
    void copiesTheShownPassword();
    void ctrlCInACounterBoxStaysTheBoxs();
    void pastesIntoThePasswordEntry_data();
    void pastesIntoThePasswordEntry();
    void ctrlVInACounterBoxOpensTheEntryForAPassword();
    void ctrlVInACounterBoxStaysTheBoxs();

private:
    // An earlier copy on the clipboard, and a password that is not the initial one.
    void prepare();
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }

    const QString m_sentinel = QStringLiteral("left by an earlier copy");
};

void ClipboardTest::prepare()
{
    QGuiApplication::clipboard()->setText(m_sentinel);
    clickOn(control(indexed("Label3", 6)));
}

void ClipboardTest::copiesTheShownPassword_data()
{
    QTest::addColumn<CopyBy>("by");

    QTest::newRow("Edit menu") << CopyBy::EditMenu;
    QTest::newRow("Ctrl+Shift+C from a counter box") << CopyBy::Keys;
    QTest::newRow("context menu of a password group") << CopyBy::GroupContextMenu;
    QTest::newRow("context menu of the password frame") << CopyBy::FrameContextMenu;
}

void ClipboardTest::copiesTheShownPassword()
{
    QFETCH(CopyBy, by);
    prepare();

    switch (by) {
    case CopyBy::EditMenu:
        chooseFromMenu(action("copyPasswordAction"));
        break;
    case CopyBy::Keys:
        activateWindow();
        QCOMPARE(QApplication::focusWidget(), control(indexed("Text1", 0)));
        pressKeys(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
        break;
    case CopyBy::GroupContextMenu:
    case CopyBy::FrameContextMenu: {
        QWidget* target =
            by == CopyBy::GroupContextMenu ? control(indexed("Label6", 5)) : control(QStringLiteral("Frame7"));
        // Below the last group row, for the frame itself.
        const QPoint place = by == CopyBy::GroupContextMenu ? target->rect().center()
                                                            : QPoint(target->width() / 2, target->height() - 4);
        // Through the window, which turns the right button into a context menu request.
        QTest::mouseClick(window().windowHandle(), Qt::RightButton, {}, target->mapTo(&window(), place));
        QMenu* menu = nullptr;
        QTRY_VERIFY((menu = openWindow<QMenu>(QStringLiteral("passwordMenu"))) != nullptr);
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action("copyPasswordAction")).center());
        QTRY_VERIFY(!menu->isVisible());
        break;
    }
    }
    QCOMPARE(clipboard(), wholePassword());
    QCOMPARE(clipboard(), shownPassword());
}

void ClipboardTest::ctrlCInACounterBoxStaysTheBoxs()
{
    prepare();
    activateWindow();
    QCOMPARE(QApplication::focusWidget(), control(indexed("Text1", 0)));
    pressKeys(QKeySequence(Qt::CTRL | Qt::Key_C));
    QCOMPARE(clipboard(), m_sentinel);
    // The box had the key: it reached the key buffer as every key typed into a box does.
    QVERIFY2(keyBuffer().size() == 1, qPrintable(keyBuffer()));
}

void ClipboardTest::pastesIntoThePasswordEntry_data()
{
    QTest::addColumn<QString>("copied");
    QTest::addColumn<QString>("typed");

    QTest::newRow("a grouped password") << QStringLiteral("UR3Q UR5F") << QStringLiteral("UR3Q UR5F");
    // Far longer than any password: the box keeps its first 200 characters and says it is too long.
    QTest::newRow("a huge text") << QString(100000, QLatin1Char('U')) << QString(200, QLatin1Char('U'));
    QTest::newRow("nothing") << QString() << QString();
    QTest::newRow("only blanks") << QStringLiteral(" \t\n ") << QString();
}

void ClipboardTest::pastesIntoThePasswordEntry()
{
    QFETCH(QString, copied);
    QFETCH(QString, typed);
    QGuiApplication::clipboard()->setText(copied);
    // From the window itself: the counter boxes keep Ctrl+V for their own paste.
    window().setFocus();
    activateWindow();
    window().setFocus();
    pressKeys(QKeySequence(Qt::CTRL | Qt::Key_V));

    if (typed.isEmpty()) {
        QMessageBox* note = nullptr;
        QTRY_VERIFY((note = openWindow<QMessageBox>(QStringLiteral("nothingToPaste"))) != nullptr);
        QVERIFY(openWindow<QWidget>(QStringLiteral("passwordEntry")) == nullptr);
        note->close();
        return;
    }
    QWidget* entry = nullptr;
    QTRY_VERIFY((entry = openWindow<QWidget>(QStringLiteral("passwordEntry"))) != nullptr);
    QCOMPARE(entry->findChild<QLineEdit*>(QStringLiteral("passwordInput"))->text(), typed);
    entry->close();
}

void ClipboardTest::ctrlVInACounterBoxStaysTheBoxs()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("UR3Q"));
    activateWindow();
    QCOMPARE(QApplication::focusWidget(), control(indexed("Text1", 0)));
    pressKeys(QKeySequence(Qt::CTRL | Qt::Key_V));
    QVERIFY(openWindow<QWidget>(QStringLiteral("passwordEntry")) == nullptr);
    QVERIFY(openWindow<QWidget>(QStringLiteral("nothingToPaste")) == nullptr);
}

void ClipboardTest::ctrlVInACounterBoxOpensTheEntryForAPassword()
{
    // What the window starts with: the focus in the arrows box.
    const QString password = shownPassword();
    QGuiApplication::clipboard()->setText(password);
    activateWindow();
    QCOMPARE(QApplication::focusWidget(), control(indexed("Text1", 0)));
    pressKeys(QKeySequence(Qt::CTRL | Qt::Key_V));
    QWidget* entry = nullptr;
    QTRY_VERIFY((entry = openWindow<QWidget>(QStringLiteral("passwordEntry"))) != nullptr);
    QCOMPARE(entry->findChild<QLineEdit*>(QStringLiteral("passwordInput"))->text(), password);
    entry->close();
}

} // namespace quandrel

QTEST_MAIN(quandrel::ClipboardTest)
#include "ClipboardTest.moc"
