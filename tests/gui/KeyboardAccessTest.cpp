#include "WindowCommandTest.h"

#include "gui/Contrast.h"
#include "gui/KeyboardAccess.h"
#include "gui/MainWindow.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStyle>
#include <QTest>

namespace quandrel {

// The setting "Keyboard access to pictures and labels", and the press action that screen readers
// get whether it is on or off.
class KeyboardAccessTest final : public WindowCommandTest {
    Q_OBJECT

private slots:
    void initTestCase();
    void offByDefault();
    void tabReachesPicturesAndLabelsInReadingOrder();
    void spaceAndEnterClickTheFocusedControl();
    void focusStaysOnTheSteppedPlace_data();
    void focusStaysOnTheSteppedPlace();
    void arrowsMoveWithinAPanel_data();
    void arrowsMoveWithinAPanel();
    void settingIsRememberedAndCanBeTurnedOnForOneRun();
    void settingThatCannotBeSavedIsSaidToLastThisRun();
    void clickableControlsOfferPress_data();
    void clickableControlsOfferPress();
    void groupDescriptionsArePlainText();
    void focusRingReadsOnLightAndDark();

private:
    void turnOn();
    QAccessibleActionInterface* actionsOf(const QString& name) const;
};

void KeyboardAccessTest::initTestCase()
{
    // The setting goes to a test folder, not the user's own.
    QStandardPaths::setTestModeEnabled(true);
    keyboardaccess::save(false);
}

void KeyboardAccessTest::turnOn()
{
    chooseFromMenu(action("keyboardAccessAction"));
    QVERIFY(action("keyboardAccessAction")->isChecked());
    // The next test's window starts with the setting off again.
    keyboardaccess::save(false);
}

QAccessibleActionInterface* KeyboardAccessTest::actionsOf(const QString& name) const
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(name));
    return accessible != nullptr ? accessible->actionInterface() : nullptr;
}

void KeyboardAccessTest::offByDefault()
{
    QVERIFY(!action("keyboardAccessAction")->isChecked());
    for (const QString& name : {indexed("Image4", 0), QStringLiteral("Image8"), indexed("Label3", 0)}) {
        QCOMPARE(control(name)->focusPolicy(), Qt::NoFocus);
    }
}

void KeyboardAccessTest::tabReachesPicturesAndLabelsInReadingOrder()
{
    turnOn();
    const auto next = [this](const QString& from, const QString& to) {
        control(from)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(control(from), Qt::Key_Tab);
        QVERIFY2(control(to)->hasFocus(), qPrintable(from + QStringLiteral(" -> ") + to));
    };
    next(indexed("Image4", 0), indexed("Image4", 1));
    next(indexed("Image4", 7), indexed("Image4", 8)); // the next row of objects
    QString shield;                                   // the shield place shows one of its pictures
    for (int index = 37; index <= 40; ++index) {
        if (control(indexed("Image4", index))->isVisible()) {
            shield = indexed("Image4", index);
        }
    }
    next(indexed("Image4", 36), shield);
    next(shield, QStringLiteral("Image8"));
    // The objects panel, then the worlds panel to its right.
    next(QStringLiteral("Image8"), indexed("Label3", 0));
    next(indexed("Label3", 0), indexed("Label3", 1));                        // the flags of a row take no focus
    QCOMPARE(control(QStringLiteral("Image2"))->focusPolicy(), Qt::NoFocus); // shows, clicks nothing
}

void KeyboardAccessTest::spaceAndEnterClickTheFocusedControl()
{
    turnOn();
    QWidget* arrow = control(indexed("Image4", 0));
    arrow->setFocus(Qt::TabFocusReason);
    QTest::keyClick(arrow, Qt::Key_Space);
    QCOMPARE(arrow->accessibleName(), QStringLiteral("a brown arrow, carried"));
    QTest::keyClick(arrow, Qt::Key_Return);
    QCOMPARE(arrow->accessibleName(), QStringLiteral("a brown arrow, not carried"));
    QWidget* world = control(indexed("Label3", 0));
    world->setFocus(Qt::TabFocusReason);
    QTest::keyClick(world, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(world->accessibleName(), QStringLiteral("World 1: Active"));
}

void KeyboardAccessTest::focusStaysOnTheSteppedPlace_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("last");
    QTest::newRow("shield place") << QByteArray("Image4") << kFirstShieldPicture << kNoShieldPicture;
    QTest::newRow("warriors") << QByteArray("Image5") << 0 << kWarriorPictureCount - 1;
}

// Each Enter steps the place; a picture it shows in place of the focused one takes the focus.
void KeyboardAccessTest::focusStaysOnTheSteppedPlace()
{
    QFETCH(QByteArray, name);
    QFETCH(int, first);
    QFETCH(int, last);
    turnOn();
    const auto shown = [&] {
        QStringList names;
        for (int index = first; index <= last; ++index) {
            if (control(indexed(name.constData(), index))->isVisible()) {
                names << indexed(name.constData(), index);
            }
        }
        return names;
    };
    QWidget* focused = control(shown().constFirst());
    focused->setFocus(Qt::TabFocusReason);
    for (int press = 1; press <= 3; ++press) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QWidget* now = QApplication::focusWidget();
        QVERIFY2(now != nullptr && shown().contains(now->objectName()),
                 qPrintable(QStringLiteral("press %1 left the focus on %2")
                                .arg(press)
                                .arg(now != nullptr ? now->objectName() : QStringLiteral("nothing"))));
    }
}

void KeyboardAccessTest::arrowsMoveWithinAPanel_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("to");
    QTest::newRow("right") << indexed("Image4", 0) << int(Qt::Key_Right) << indexed("Image4", 1);
    QTest::newRow("down") << indexed("Image4", 0) << int(Qt::Key_Down) << indexed("Image4", 8);
    QTest::newRow("up") << indexed("Image4", 9) << int(Qt::Key_Up) << indexed("Image4", 1);
    QTest::newRow("left at the edge stays") << indexed("Image4", 8) << int(Qt::Key_Left) << indexed("Image4", 8);
    QTest::newRow("down the worlds") << indexed("Label3", 3) << int(Qt::Key_Down) << indexed("Label3", 4);
}

void KeyboardAccessTest::arrowsMoveWithinAPanel()
{
    QFETCH(QString, from);
    QFETCH(int, key);
    QFETCH(QString, to);
    turnOn();
    control(from)->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control(from), Qt::Key(key));
    QVERIFY(control(to)->hasFocus());
}

void KeyboardAccessTest::settingIsRememberedAndCanBeTurnedOnForOneRun()
{
    chooseFromMenu(action("keyboardAccessAction"));
    QVERIFY(keyboardaccess::saved());
    {
        MainWindow next(slotFolder().path());
        QCOMPARE(next.findChild<QWidget*>(indexed("Image4", 0))->focusPolicy(), Qt::TabFocus);
    }
    chooseFromMenu(action("keyboardAccessAction"));
    QVERIFY(!keyboardaccess::saved());
    QCOMPARE(control(indexed("Image4", 0))->focusPolicy(), Qt::NoFocus);

    MainWindow oneRun(slotFolder().path());
    oneRun.turnOnKeyboardAccessForThisRun();
    QCOMPARE(oneRun.findChild<QWidget*>(indexed("Label3", 0))->focusPolicy(), Qt::TabFocus);
    QVERIFY(!keyboardaccess::saved());
}

void KeyboardAccessTest::settingThatCannotBeSavedIsSaidToLastThisRun()
{
    // A config folder that is a file: nothing can be written under it.
    QFile blocker(QDir(slotFolder().path()).filePath(QStringLiteral("config")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, blocker.fileName());
    chooseFromMenu(action("keyboardAccessAction"));
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation));

    const auto* box = window().findChild<QMessageBox*>(QStringLiteral("settingNotKept"));
    QVERIFY(box != nullptr);
    QVERIFY2(box->text().contains(QStringLiteral("for this run only")), qPrintable(box->text()));
    QCOMPARE(control(indexed("Image4", 0))->focusPolicy(), Qt::TabFocus);
    QVERIFY(!keyboardaccess::saved());
}

void KeyboardAccessTest::clickableControlsOfferPress_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");
    QTest::newRow("object") << indexed("Image4", 0) << QStringLiteral("a brown arrow, not carried")
                            << QStringLiteral("a brown arrow, carried");
    QTest::newRow("select all") << QStringLiteral("Image8") << indexed("Image4", 5) << QStringLiteral(", carried");
    QTest::newRow("world label") << indexed("Label3", 1) << QStringLiteral("World 2: Closed")
                                 << QStringLiteral("World 2: Active");
}

void KeyboardAccessTest::clickableControlsOfferPress()
{
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, after);
    // With the setting off, as a screen reader finds the window.
    QAccessibleActionInterface* actions = actionsOf(name);
    QVERIFY(actions != nullptr);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    const QString watched = before.startsWith(QStringLiteral("Image4")) ? before : name;
    actions->doAction(QAccessibleActionInterface::pressAction());
    QVERIFY2(control(watched)->accessibleName().endsWith(after), qPrintable(control(watched)->accessibleName()));
}

void KeyboardAccessTest::groupDescriptionsArePlainText()
{
    QAccessibleInterface* group = QAccessible::queryAccessibleInterface(control(indexed("Label6", 0)));
    const QString description = group->text(QAccessible::Description);
    QVERIFY(!description.isEmpty());
    for (const char* markup : {"<", "&nbsp;", "&amp;"}) {
        QVERIFY2(!description.contains(QLatin1String(markup)), qPrintable(description));
    }
    // Pictures that only show offer nothing to press.
    QVERIFY(actionsOf(QStringLiteral("Image2")) == nullptr ||
            !actionsOf(QStringLiteral("Image2"))->actionNames().contains(QAccessibleActionInterface::pressAction()));
}

void KeyboardAccessTest::focusRingReadsOnLightAndDark()
{
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xE4));
    for (const QPalette& palette : {window().style()->standardPalette(), dark}) {
        const double ratio = contrast::ratio(keyboardaccess::focusRingColour(palette), palette.color(QPalette::Window));
        QVERIFY2(ratio >= 4.5, qPrintable(QString::number(ratio)));
    }
}

} // namespace quandrel

QTEST_MAIN(quandrel::KeyboardAccessTest)
#include "KeyboardAccessTest.moc"
