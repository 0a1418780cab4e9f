#include "WindowCommandTest.h"

#include "gui/PasswordGroupLabel.h"

#include <QImage>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

namespace quandrel {

// What the password groups tell about their characters: a tooltip with the fields they carry,
// and marks on the characters that the last action changed.
class ExplainTest final : public WindowCommandTest {
    Q_OBJECT

private slots:
    void hoveringAGroupExplainsIt_data();
    void hoveringAGroupExplainsIt();
    void changedCharactersStayMarkedUntilTheNextAction_data();
    void changedCharactersStayMarkedUntilTheNextAction();

private:
    PasswordGroupLabel* group(int g) const { return control<PasswordGroupLabel>(indexed("Label6", g)); }
};

namespace {

QString plain(const QString& richText)
{
    QTextDocument document;
    document.setHtml(richText);
    return document.toPlainText();
}

// How many pixels of a character's place carry the mark's colour, as the label draws itself.
int markedPixels(PasswordGroupLabel* label, int character)
{
    const QImage image = label->grab().toImage();
    const QRect place = label->characterRect(character).intersected(image.rect());
    const QRgb mark = PasswordGroupLabel::markColour().rgb();
    int count = 0;
    for (int y = place.top(); y <= place.bottom(); ++y) {
        for (int x = place.left(); x <= place.right(); ++x) {
            count += image.pixel(x, y) == mark ? 1 : 0;
        }
    }
    return count;
}

} // namespace

void ExplainTest::hoveringAGroupExplainsIt_data()
{
    QTest::addColumn<int>("g");
    QTest::addColumn<QStringList>("says");

    QTest::newRow("the first group: counters")
        << 0
        << QStringList{QStringLiteral("Characters 1 to 4: UR3Q"), QStringLiteral("arrows"), QStringLiteral("100"),
                       QStringLiteral("coins")};
    QTest::newRow("vitality and experience")
        << 3 << QStringList{QStringLiteral("upper vitality"), QStringLiteral("upper experience"), QStringLiteral("6")};
    QTest::newRow("worlds") << 4
                            << QStringList{QStringLiteral("world 1 state"), QStringLiteral("Closed"),
                                           QStringLiteral("world 2 flags"), QStringLiteral("0000")};
    QTest::newRow("objects, by what they are")
        << 8 << QStringList{QStringLiteral("object 0 (a brown arrow)"), QStringLiteral("not carried")};
    QTest::newRow("shield, warrior and checksum")
        << 10
        << QStringList{QStringLiteral("shield"), QStringLiteral("none"), QStringLiteral("warrior"),
                       QStringLiteral("checksum"), QStringLiteral("4A")};
    QTest::newRow("the last character") << 11
                                        << QStringList{QStringLiteral("Character 45: A"), QStringLiteral("checksum")};
}

void ExplainTest::hoveringAGroupExplainsIt()
{
    QFETCH(int, g);
    QFETCH(QStringList, says);

    activateWindow();
    QTest::mouseMove(group(g));
    // The tip of this group, not one left over from another; a generous wait, since the tip
    // comes after the style's real delay and a sanitizer build on a busy machine is slow.
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible() && plain(QToolTip::text()).contains(says.first()), 20000);
    const QString shown = plain(QToolTip::text());
    for (const QString& part : says) {
        QVERIFY2(shown.contains(part), qPrintable(shown));
    }
    QVERIFY(!shown.contains(QStringLiteral("Marked"))); // nothing changed yet
}

void ExplainTest::changedCharactersStayMarkedUntilTheNextAction_data()
{
    QTest::addColumn<QString>("clicked");
    QTest::newRow("an object") << QStringLiteral("Image4(0)");
    QTest::newRow("a world") << QStringLiteral("Label3(9)");
    QTest::newRow("a value step") << QStringLiteral("Command1(1)");
    QTest::newRow("select all") << QStringLiteral("Image8");
}

void ExplainTest::changedCharactersStayMarkedUntilTheNextAction()
{
    QFETCH(QString, clicked);

    const QString before = shownPassword();
    clickOn(control(clicked));
    const QString after = shownPassword();
    QVERIFY(after != before);

    for (int g = 0; g < 12; ++g) {
        PasswordGroupLabel* label = group(g);
        QCOMPARE(label->text(), after.mid(4 * g, 4)); // the text itself stays the bare password
        bool anyMarked = false;
        for (int i = 0; i < label->text().size(); ++i) {
            const int k = 4 * g + i;
            const bool changed = before[k] != after[k];
            QCOMPARE(label->markedCharacters().test(static_cast<std::size_t>(i)), changed);
            QVERIFY2((markedPixels(label, i) > 0) == changed, qPrintable(QStringLiteral("character %1").arg(k + 1)));
            anyMarked = anyMarked || changed;
        }
        QCOMPARE(plain(label->toolTip()).contains(QStringLiteral("changed by the last action")), anyMarked);
    }

    // An action that changes nothing still ends the marks of the one before.
    clickOn(control(indexed("Image4", kWorldBoundObject)));
    QCOMPARE(shownPassword(), after);
    for (int g = 0; g < 12; ++g) {
        QVERIFY(group(g)->markedCharacters().none());
        for (int i = 0; i < group(g)->text().size(); ++i) {
            QCOMPARE(markedPixels(group(g), i), 0);
        }
    }
}

} // namespace quandrel

QTEST_MAIN(quandrel::ExplainTest)
#include "ExplainTest.moc"
