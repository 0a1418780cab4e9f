#include "EditorWindowTest.h"

#include "credits/CreditsWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTest>

namespace quandrel {

// The trigger word in the counter boxes, and the credits window it opens.
class CreditsTest final : public EditorWindowTest {
    Q_OBJECT

private slots:
    void firstKeyCreatesTheWindowHidden();
    void triggerWordOpensIt_data();
    void triggerWordOpensIt();
    void pictureCreepsUpAndRests();
    void hidingKeepsThePlaceAndAKeyDiscardsIt();
    void closingTheEditorClosesIt();
};

void CreditsTest::firstKeyCreatesTheWindowHidden()
{
    QVERIFY(window().credits() == nullptr);
    typeIntoCounter(0, QStringLiteral("5"));
    QVERIFY(window().credits() != nullptr);
    QVERIFY(!window().credits()->isVisible());
    QVERIFY(!window().credits()->animationRunning());
}

void CreditsTest::triggerWordOpensIt_data()
{
    QTest::addColumn<QStringList>("typing"); // one entry per box, boxes 0, 1, 2
    QTest::addColumn<bool>("opens");

    QTest::newRow("in one box") << QStringList{QStringLiteral("trevanox"), {}, {}} << true;
    QTest::newRow("after other keys") << QStringList{QStringLiteral("12xtrevanox"), {}, {}} << true;
    QTest::newRow("over two boxes") << QStringList{QStringLiteral("trev"), {}, QStringLiteral("anox")} << true;
    QTest::newRow("capitals") << QStringList{QStringLiteral("TREVANOX"), {}, {}} << false;
    QTest::newRow("a digit after it") << QStringList{QStringLiteral("trevanox1"), {}, {}} << false;
}

void CreditsTest::triggerWordOpensIt()
{
    QFETCH(QStringList, typing);
    QFETCH(bool, opens);
    const QString password = shownPassword();
    for (int box = 0; box < typing.size(); ++box) {
        typeIntoCounter(box, typing[box]);
    }
    QVERIFY(window().credits() != nullptr);
    QCOMPARE(window().credits()->isVisible(), opens);
    QCOMPARE(window().credits()->animationRunning(), opens);
    QCOMPARE(window().credits()->windowTitle(), QStringLiteral("Credits:"));
    // The letters never reach a counter; only a trailing digit does, into an incomplete box.
    QCOMPARE(control<QLineEdit>(indexed("Text1", 1))->text(), QStringLiteral("100"));
    if (opens) {
        QCOMPARE(shownPassword(), password);
    }
}

void CreditsTest::pictureCreepsUpAndRests()
{
    typeIntoCounter(1, QStringLiteral("trevanox"));
    CreditsWindow* credits = window().credits();
    QCOMPARE(credits->pictureTop(), 0);
    for (int tick = 1; tick <= 931; ++tick) {
        QVERIFY(credits->animationRunning());
        credits->Timer1_Timer();
    }
    QCOMPARE(credits->pictureTop(), -931);
    QVERIFY(!credits->animationRunning());
}

void CreditsTest::hidingKeepsThePlaceAndAKeyDiscardsIt()
{
    typeIntoCounter(0, QStringLiteral("trevanox"));
    QPointer<CreditsWindow> credits = window().credits();
    for (int tick = 0; tick < 40; ++tick) {
        credits->Timer1_Timer();
    }
    typeIntoCounter(2, QStringLiteral("7")); // a digit in a box hides it
    QVERIFY(!credits->isVisible());
    typeIntoCounter(2, QStringLiteral("trevanox"));
    QVERIFY(credits->isVisible());
    QCOMPARE(credits->pictureTop(), -40);

    QTest::keyClick(credits, Qt::Key_Left); // no character: it stays
    QVERIFY(credits != nullptr && credits->isVisible());
    QTest::keyClick(credits, Qt::Key_Q);
    QTRY_VERIFY(credits == nullptr);
    QVERIFY(window().isVisible());

    typeIntoCounter(0, QStringLiteral("trevanox")); // a new one starts at the top again
    QCOMPARE(window().credits()->pictureTop(), 0);
}

void CreditsTest::closingTheEditorClosesIt()
{
    typeIntoCounter(0, QStringLiteral("trevanox"));
    QPointer<CreditsWindow> credits = window().credits();
    QVERIFY(credits->isVisible());
    window().close();
    QVERIFY(credits == nullptr);
}

} // namespace quandrel

QTEST_MAIN(quandrel::CreditsTest)
#include "CreditsTest.moc"
