#include "WindowCommandTest.h"

#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QTest>
#include <QToolTip>

namespace quandrel {

// Tooltips and accessible names: every control says what it shows or does, to the pointer and
// to a screen reader.
class AccessibilityTest final : public WindowCommandTest {
    Q_OBJECT

private slots:
    void everyControlIsNamedAndExplained();
    void controlsSayWhatTheyShow_data();
    void controlsSayWhatTheyShow();
    void namesFollowWhatTheControlsShow_data();
    void namesFollowWhatTheControlsShow();
    void tooltipsReadWell();

private:
    // What a screen reader reads as the control's name.
    QString readName(const QString& name) const;
};

QString AccessibilityTest::readName(const QString& name) const
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(name));
    return accessible != nullptr ? accessible->text(QAccessible::Name) : QString();
}

void AccessibilityTest::everyControlIsNamedAndExplained()
{
    int controls = 0;
    for (QWidget* widget : window().centralWidget()->findChildren<QWidget*>()) {
        if (widget->objectName().isEmpty()) {
            continue; // a part of a control, such as a line edit's own buttons
        }
        ++controls;
        QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
        QCOMPARE(readName(widget->objectName()), widget->accessibleName());
        // Frames only group; every other control the user can see explains itself on hover.
        if (widget->isVisible() && qobject_cast<QGroupBox*>(widget) == nullptr) {
            QVERIFY2(!widget->toolTip().isEmpty(), qPrintable(widget->objectName()));
        }
    }
    QVERIFY(controls > 0);
}

void AccessibilityTest::controlsSayWhatTheyShow_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("tooltipSays");

    const auto row = [](const QString& name, const QStringList& says) {
        QTest::newRow(qPrintable(name)) << name << says;
    };
    row(indexed("Image4", 0), {QStringLiteral("A brown arrow"), QStringLiteral("Click to mark it")});
    row(indexed("Image4", 36), {QStringLiteral("A white heap of powder")});
    row(indexed("Image4", kWorldBoundObject),
        {QStringLiteral("A golden key-shaped figure"), QStringLiteral("the world labels set it")});
    row(indexed("Image4", 38), {QStringLiteral("Shield: a circular silver shield"), QStringLiteral("next shield")});
    row(indexed("Image4", 40), {QStringLiteral("No shield")});
    row(QStringLiteral("Image8"), {QStringLiteral("Select all: marks or clears every object")});
    row(indexed("Image5", 0), {QStringLiteral("a figure in grey and white armour")});
    row(indexed("Image5", 3), {QStringLiteral("a tombstone with a red helmet")});
    row(indexed("Image6", 2), {QStringLiteral("a potion flask")});
    row(indexed("Image7", 1), {QStringLiteral("VIT above EXP")});
    row(QStringLiteral("Image2"), {QStringLiteral("A quiver of arrows")});
    row(QStringLiteral("Image1"), {QStringLiteral("A gold coin")});
    row(QStringLiteral("Image3"), {QStringLiteral("A key")});
    row(indexed("Label3", 2), {QStringLiteral("World 3. Click"), QStringLiteral("Active")});
    row(indexed("Check1", 9), {QStringLiteral("World 3, flag 2: a red cape")});
    row(indexed("Text1", 1), {QStringLiteral("Coins"), QStringLiteral("000 to 999")});
    row(indexed("Label1", 3), {QStringLiteral("Lower experience"), QStringLiteral("0 to 6")});
    row(indexed("Option1", 0), {QStringLiteral("upper vitality")});
    row(indexed("Command1", 0), {QStringLiteral("Decrease")});
    row(indexed("Command2", 4), {QStringLiteral("sgame05.txt")});
    row(indexed("Command3", 0), {QStringLiteral("sgame01.txt")});
    row(indexed("Label6", 0), {QStringLiteral("arrows")});
}

void AccessibilityTest::controlsSayWhatTheyShow()
{
    QFETCH(QString, name);
    QFETCH(QStringList, tooltipSays);
    const QString tip = toolTipWords(control(name));
    for (const QString& part : tooltipSays) {
        QVERIFY2(tip.contains(part), qPrintable(tip));
    }
}

void AccessibilityTest::namesFollowWhatTheControlsShow_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("after");

    QTest::newRow("a carried object") << indexed("Image4", 0) << 1 << indexed("Image4", 0)
                                      << QStringLiteral("a brown arrow, not carried")
                                      << QStringLiteral("a brown arrow, carried");
    QTest::newRow("a world's state") << indexed("Label3", 0) << 1 << indexed("Label3", 0)
                                     << QStringLiteral("World 1: Closed") << QStringLiteral("World 1: Active");
    QTest::newRow("a stepped value") << indexed("Command1", 1) << 1 << indexed("Label1", 0)
                                     << QStringLiteral("Upper vitality: 1") << QStringLiteral("Upper vitality: 2");
    // The first click on a warrior shows the warriors as they are; the second moves on.
    QTest::newRow("the playing warrior") << indexed("Image5", 0) << 2 << indexed("Image5", 1)
                                         << QStringLiteral("warrior 2: a figure in red armour")
                                         << QStringLiteral("warrior 2: a figure in red armour, playing");
    QTest::newRow("a password group, spelled")
        << indexed("Image4", 0) << 1 << indexed("Label6", 8) << QStringLiteral("Password characters 33 to 36: U R 3 F")
        << QStringLiteral("Password characters 33 to 36: U H 3 F");
}

void AccessibilityTest::namesFollowWhatTheControlsShow()
{
    QFETCH(QString, clicked);
    QFETCH(int, clicks);
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(QString, after);

    QCOMPARE(readName(name), before);
    for (int click = 0; click < clicks; ++click) {
        clickOn(control(clicked));
    }
    QCOMPARE(readName(name), after);
}

void AccessibilityTest::tooltipsReadWell()
{
    // As wide as a tooltip window shows the text: Qt wraps rich text, and plain text only where
    // it is wider than the screen.
    const auto shownWidth = [](const QString& tip) {
        QLabel shown(tip);
        shown.setFont(QToolTip::font());
        shown.setWordWrap(Qt::mightBeRichText(tip));
        return shown.sizeHint().width();
    };
    // A comfortable line holds some 45 to 75 characters.
    const int readable = QFontMetrics(QToolTip::font()).averageCharWidth() * 75;
    int tips = 0;
    for (QWidget* widget : window().findChildren<QWidget*>()) {
        const QString tip = widget->toolTip();
        if (tip.isEmpty()) {
            continue;
        }
        ++tips;
        const QString words = toolTipWords(widget);
        const QString about = widget->objectName() + QStringLiteral(": ") + words;
        QVERIFY2(shownWidth(tip) <= readable, qPrintable(about));
        QVERIFY2(words.front().isUpper(), qPrintable(about));
        // A screen reader gets the same words, without markup.
        const QString description = QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
        QVERIFY2(!description.contains(QLatin1Char('<')) && !description.contains(QLatin1Char('&')),
                 qPrintable(description));
    }
    QVERIFY(tips > 0);
}

} // namespace quandrel

QTEST_MAIN(quandrel::AccessibilityTest)
#include "AccessibilityTest.moc"
