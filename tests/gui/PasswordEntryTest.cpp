#include "WindowCommandTest.h"

#include "support/PasswordEdits.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace quandrel {

// Game > Enter password: checking as the user types, corrections, and the load.
class PasswordEntryTest final : public WindowCommandTest {
    Q_OBJECT

private slots:
    void opensFromMenuAndKeys_data();
    void opensFromMenuAndKeys();
    void judgesWhatIsTyped_data();
    void judgesWhatIsTyped();
    void loadsTheWayASlotLoadDoes_data();
    void loadsTheWayASlotLoadDoes();
    void refusesWhatCannotLoad_data();
    void refusesWhatCannotLoad();
    void wrongChecksumLoadsOnlyWhenConfirmed_data();
    void wrongChecksumLoadsOnlyWhenConfirmed();
    void correctionsComeBestFirst_data();
    void correctionsComeBestFirst();
    void correctionKeepsTheGrouping_data();
    void correctionKeepsTheGrouping();
    void notesNeverOverlap();
    void keepsOneSizeWhileTyping();

private:
    void open();
    void type(const QString& typed);
    void paste(const QString& pasted);
    template <typename T = QWidget> T* part(const char* name) const
    {
        return m_dialog->findChild<T*>(QLatin1String(name));
    }

    QDialog* m_dialog = nullptr;
};

namespace {

const QString kInitial = QString::fromStdString(test::kInitialPassword);

QString with(QString password, int position, const QString& replacement)
{
    return password.replace(position - 1, 1, replacement);
}

QString inGroups(const QString& password, const QString& separator)
{
    QStringList groups;
    for (qsizetype at = 0; at < password.size(); at += 4) {
        groups << password.mid(at, 4);
    }
    return groups.join(separator);
}

// The characters that the echo shows in red, in order.
QString redCharacters(const QString& html)
{
    QTextDocument document;
    document.setHtml(html);
    QString red;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QColor colour = fragment.fragment().charFormat().foreground().color();
            if (colour.red() > 150 && colour.green() < 80 && colour.blue() < 80) {
                red += fragment.fragment().text();
            }
        }
    }
    return red;
}

GameState someState()
{
    GameState state;
    state.counters = {"042", "907", "315"};
    state.values = {17, 3, 0, 6};
    state.worlds[0] = {WorldState::BossKilled, {true, false, true, true}};
    state.worlds[1] = {WorldState::Open, {}};
    state.objects[4] = state.objects[30] = state.objects[36] = true;
    state.shield = Shield::Two;
    state.warrior = 2;
    return state;
}

} // namespace

void PasswordEntryTest::open()
{
    chooseFromMenu(action("enterPasswordAction"));
    m_dialog = openWindow<QDialog>(QStringLiteral("passwordEntry"));
    QVERIFY(m_dialog);
}

void PasswordEntryTest::type(const QString& typed)
{
    open();
    QVERIFY(!QTest::currentTestFailed());
    QTest::keyClicks(part<QLineEdit>("passwordInput"), typed);
}

void PasswordEntryTest::paste(const QString& pasted)
{
    open();
    QVERIFY(!QTest::currentTestFailed());
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keySequence(part("passwordInput"), QKeySequence::Paste);
}

void PasswordEntryTest::opensFromMenuAndKeys_data()
{
    QTest::addColumn<bool>("byKeys");
    QTest::newRow("Game menu") << false;
    QTest::newRow("Ctrl+E from a counter box") << true;
}

void PasswordEntryTest::opensFromMenuAndKeys()
{
    QFETCH(bool, byKeys);
    if (byKeys) {
        activateWindow();
        QCOMPARE(QApplication::focusWidget(), control(indexed("Text1", 0)));
        pressKeys(QKeySequence(Qt::CTRL | Qt::Key_E));
        m_dialog = openWindow<QDialog>(QStringLiteral("passwordEntry"));
    } else {
        open();
    }
    QVERIFY(m_dialog);
    QVERIFY(m_dialog->isModal());
    QTRY_COMPARE(QApplication::focusWidget(), part("passwordInput"));
    QVERIFY(!part("loadButton")->isEnabled());
    // Nothing typed, nothing to complain about.
    for (const char* note : {"passwordEcho", "symbolProblems", "checksumNote", "lengthNote", "corrections"}) {
        QVERIFY2(!part(note)->isVisible(), note);
    }
}

void PasswordEntryTest::judgesWhatIsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("markedRed");
    QTest::addColumn<QStringList>("problems");
    QTest::addColumn<QString>("checksum");
    QTest::addColumn<QString>("length");
    QTest::addColumn<bool>("loadable");
    QTest::addColumn<QString>("verdict");

    QTest::newRow("lower case, blanks and dashes are folded")
        << inGroups(kInitial, QStringLiteral(" - ")).toLower() << true << QString() << QStringList()
        << QStringLiteral("Checksum 4A matches.") << QString() << true << QStringLiteral("A valid password");
    QTest::newRow("a letter that its place does not take")
        << with(kInitial, 14, QStringLiteral("Z")) << false << QStringLiteral("Z")
        << QStringList{QStringLiteral("Character 14, Z, is not valid there: that place takes any digit or capital "
                                      "letter but 3, C, F, Z.")}
        << QString() << QString() << false << QStringLiteral("Cannot load: a character is not valid at its place.");
    QTest::newRow("a bad symbol and a checksum that is no hex")
        << with(with(kInitial, 2, QStringLiteral("C")), 45, QStringLiteral("G")) << false << QStringLiteral("CG")
        << QStringList{QStringLiteral("Character 2, C,"),
                       QStringLiteral("Character 45, G, is not valid there: that place takes a digit 0 to 9 or a "
                                      "letter A to F.")}
        << QString() << QString() << false << QStringLiteral("2 characters are not valid at their places");
    QTest::newRow("a wrong checksum") << with(kInitial, 45, QStringLiteral("B")) << false << QString() << QStringList()
                                      << QStringLiteral("Checksum 4B does not match: the characters before it give 4A.")
                                      << QString() << true << QStringLiteral("Load asks before it loads");
    QTest::newRow("too short") << kInitial.left(30) << false << QString() << QStringList() << QString()
                               << QStringLiteral("30 of 45 characters") << false
                               << QStringLiteral("Cannot load: it has 30 characters, not 45.");
    QTest::newRow("the body without its checksum")
        << kInitial.left(43) << false << QString() << QStringList()
        << QStringLiteral("The checksum of these characters is 4A.") << QStringLiteral("43 of 45 characters") << false
        << QStringLiteral("it has 43 characters");
    QTest::newRow("too long") << kInitial + QStringLiteral("7") << false << QStringLiteral("7") << QStringList()
                              << QString() << QStringLiteral("46 characters: 1 more than a password has") << false
                              << QStringLiteral("it has 46 characters");
    QTest::newRow("a character beyond Latin-1")
        << with(kInitial, 5, QStringLiteral("\u20ac")) << true << QStringLiteral("\u20ac")
        << QStringList{QStringLiteral("Character 5, \u20ac, is not valid there")} << QString() << QString() << false
        << QStringLiteral("a character is not valid");
    QTest::newRow("short and wrong together")
        << with(kInitial.left(20), 3, QStringLiteral("Z")) << false << QStringLiteral("Z")
        << QStringList{QStringLiteral("Character 3, Z,")} << QString() << QStringLiteral("20 of 45 characters") << false
        << QStringLiteral("Cannot load: a character is not valid at its place, and it has 20 characters, not 45.");
}

void PasswordEntryTest::judgesWhatIsTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, pasted);
    QFETCH(QString, markedRed);
    QFETCH(QStringList, problems);
    QFETCH(QString, checksum);
    QFETCH(QString, length);
    QFETCH(bool, loadable);
    QFETCH(QString, verdict);

    if (pasted) {
        paste(typed);
    } else {
        type(typed);
    }
    const auto* echo = part<QLabel>("passwordEcho");
    QVERIFY(echo->isVisible());
    QCOMPARE(redCharacters(echo->text()), markedRed);

    const auto* problemNote = part<QLabel>("symbolProblems");
    QCOMPARE(problemNote->isVisible(), !problems.isEmpty());
    const QStringList shownProblems = problemNote->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(shownProblems.size(), problems.size());
    for (qsizetype i = 0; i < problems.size(); ++i) {
        QVERIFY2(shownProblems[i].startsWith(problems[i]), qPrintable(shownProblems[i]));
    }
    const auto shows = [this](const char* note, const QString& expected) {
        const auto* label = part<QLabel>(note);
        return expected.isEmpty() ? !label->isVisible() : label->isVisible() && label->text() == expected;
    };
    QVERIFY2(shows("checksumNote", checksum), qPrintable(part<QLabel>("checksumNote")->text()));
    QVERIFY2(shows("lengthNote", length), qPrintable(part<QLabel>("lengthNote")->text()));
    QCOMPARE(part("loadButton")->isEnabled(), loadable);
    QVERIFY2(part<QLabel>("verdict")->text().contains(verdict), qPrintable(part<QLabel>("verdict")->text()));
}

void PasswordEntryTest::loadsTheWayASlotLoadDoes_data()
{
    QTest::addColumn<bool>("byReturnKey");
    QTest::newRow("Load button") << false;
    QTest::newRow("Return key") << true;
}

void PasswordEntryTest::loadsTheWayASlotLoadDoes()
{
    QFETCH(bool, byReturnKey);
    clickOn(control(QStringLiteral("Image8"))); // a load clears the select-all switch
    const QString password = passwordOf(someState());
    type(inGroups(password, QStringLiteral("-")).toLower());
    if (byReturnKey) {
        QTest::keyClick(part("passwordInput"), Qt::Key_Return);
    } else {
        QTest::mouseClick(part("loadButton"), Qt::LeftButton);
    }
    QTRY_VERIFY(!m_dialog->isVisible());

    QCOMPARE(shownPassword(), password);
    QCOMPARE(wholePassword(), password);
    QCOMPARE(control<QLineEdit>(indexed("Text1", 1))->text(), QStringLiteral("907"));
    QCOMPARE(control<QLabel>(indexed("Label1", 0))->text(), QStringLiteral("17"));
    QCOMPARE(control<QLabel>(indexed("Label3", 1))->text(), QStringLiteral("Open"));
    QVERIFY(control(indexed("Image4", 38))->isVisible());
    QVERIFY(!window().model().controls().selectAllBorder);

    // One step, back to what was there.
    pressKeys(QKeySequence::Undo);
    QVERIFY(window().model().controls().selectAllBorder);
}

void PasswordEntryTest::refusesWhatCannotLoad_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("an invalid symbol") << with(kInitial, 9, QStringLiteral("Z"));
    QTest::newRow("too short") << kInitial.left(44);
    QTest::newRow("too long") << kInitial + QStringLiteral("0");
}

void PasswordEntryTest::refusesWhatCannotLoad()
{
    QFETCH(QString, typed);
    clickOn(control(indexed("Label3", 2)));
    const QString before = shownPassword();
    type(typed);
    QVERIFY(!part("loadButton")->isEnabled());
    QVERIFY(part<QLabel>("verdict")->text().startsWith(QStringLiteral("Cannot load: ")));

    QTest::keyClick(part("passwordInput"), Qt::Key_Return);
    QVERIFY(m_dialog->isVisible());
    QVERIFY(m_dialog->findChild<QMessageBox*>() == nullptr);
    QCOMPARE(shownPassword(), before);
}

void PasswordEntryTest::wrongChecksumLoadsOnlyWhenConfirmed_data()
{
    QTest::addColumn<bool>("confirmed");
    QTest::newRow("confirmed") << true;
    QTest::newRow("declined") << false;
}

void PasswordEntryTest::wrongChecksumLoadsOnlyWhenConfirmed()
{
    QFETCH(bool, confirmed);
    clickOn(control(indexed("Label3", 2)));
    const QString before = shownPassword();
    const QString password = passwordOf(someState());
    type(password.left(43) + QStringLiteral("00"));
    QTest::mouseClick(part("loadButton"), Qt::LeftButton);

    QMessageBox* question = nullptr;
    QTRY_VERIFY((question = openWindow<QMessageBox>(QStringLiteral("checksumConfirmation"))) != nullptr);
    QVERIFY2(question->text().contains(password.right(2)), qPrintable(question->text()));
    QCOMPARE(shownPassword(), before); // nothing before the answer
    QTest::mouseClick(question->button(confirmed ? QMessageBox::Yes : QMessageBox::No), Qt::LeftButton);
    QTRY_VERIFY(!question->isVisible());

    // The load shows the password with the checksum of its characters.
    QCOMPARE(shownPassword(), confirmed ? password : before);
    QCOMPARE(m_dialog->isVisible(), !confirmed);
}

void PasswordEntryTest::correctionsComeBestFirst_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QStringList>("bestSays");
    QTest::addColumn<QString>("choose");

    const QString lookAlike = with(kInitial, 14, QStringLiteral("Z"));
    const QStringList lookAlikeSays = {inGroups(kInitial, QStringLiteral(" ")),
                                       QStringLiteral("character 14: Z \u2192 2 (look-alike)"),
                                       QStringLiteral("upper experience = 6")};
    QTest::newRow("a look-alike, chosen with the button") << lookAlike << lookAlikeSays << QStringLiteral("button");
    QTest::newRow("a look-alike, chosen by a double click")
        << lookAlike << lookAlikeSays << QStringLiteral("double click");
    QTest::newRow("a look-alike, chosen with Return") << lookAlike << lookAlikeSays << QStringLiteral("return");
    // A valid slip moves a field: the correction says from what to what.
    QTest::newRow("a slip behind a wrong checksum")
        << with(kInitial, 7, QStringLiteral("S"))
        << QStringList{QStringLiteral("character 7: S \u2192 5 (look-alike)"), QStringLiteral("coins 300 \u2192 100")}
        << QStringLiteral("button");
    QTest::newRow("a dropped character") << kInitial.left(20) + kInitial.mid(21)
                                         << QStringList{inGroups(kInitial, QStringLiteral(" ")),
                                                        QStringLiteral("character 21: U put back")}
                                         << QStringLiteral("return");
    QTest::newRow("a character too many")
        << kInitial.left(30) + QStringLiteral("5") + kInitial.mid(30)
        << QStringList{inGroups(kInitial, QStringLiteral(" ")), QStringLiteral("character 31: 5 taken out")}
        << QStringLiteral("button");
}

void PasswordEntryTest::correctionsComeBestFirst()
{
    QFETCH(QString, typed);
    QFETCH(QStringList, bestSays);
    QFETCH(QString, choose);

    type(typed.toLower());
    auto* list = part<QListWidget>("corrections");
    QVERIFY(list->isVisible());
    QVERIFY(part<QLabel>("correctionsNote")->isVisible());
    QVERIFY(list->count() > 1);
    QListWidgetItem* best = list->item(0);
    for (const QString& says : bestSays) {
        QVERIFY2(best->text().contains(says), qPrintable(best->text()));
    }

    auto* use = part<QPushButton>("useCorrection");
    QVERIFY(!use->isEnabled()); // nothing chosen yet
    const QRect place = list->visualItemRect(best);
    if (choose == QLatin1String("button")) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, place.center());
        QVERIFY(use->isEnabled());
        QTest::mouseClick(use, Qt::LeftButton);
    } else if (choose == QLatin1String("double click")) {
        // Through the dialog's window, which makes a double click of two quick clicks.
        QTest::mouseDClick(m_dialog->windowHandle(), Qt::LeftButton, {},
                           list->viewport()->mapTo(m_dialog, place.center()));
    } else {
        list->setFocus();
        list->setCurrentRow(0);
        QTest::keyClick(list, Qt::Key_Return);
    }
    QTRY_COMPARE(part<QLineEdit>("passwordInput")->text(), kInitial);
    QVERIFY(!list->isVisible());
    QVERIFY(part("loadButton")->isEnabled());
    QVERIFY(m_dialog->isVisible()); // choosing puts the correction in the box; loading is the user's call
}

void PasswordEntryTest::correctionKeepsTheGrouping_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("corrected");

    const QString blanks = inGroups(kInitial, QStringLiteral(" "));
    const QString dashes = inGroups(kInitial, QStringLiteral("-"));
    QTest::newRow("blanks, a look-alike")
        << inGroups(with(kInitial, 14, QStringLiteral("Z")), QStringLiteral(" ")) << blanks;
    // Character 21 opens the sixth group of four, behind five dashes.
    QTest::newRow("dashes, a dropped character") << QString(dashes).remove(25, 1) << dashes;
    QTest::newRow("blanks, a character too many") << QString(blanks).insert(37, QLatin1Char('5')) << blanks;
}

void PasswordEntryTest::correctionKeepsTheGrouping()
{
    QFETCH(QString, typed);
    QFETCH(QString, corrected);

    type(typed);
    auto* list = part<QListWidget>("corrections");
    QVERIFY(list->count() > 0);
    list->setFocus();
    list->setCurrentRow(0);
    QTest::keyClick(list, Qt::Key_Return);
    QTRY_COMPARE(part<QLineEdit>("passwordInput")->text(), corrected);
}

void PasswordEntryTest::notesNeverOverlap()
{
    // Long, wrapped notes and the corrections together.
    type(with(with(kInitial, 2, QStringLiteral("Z")), 14, QStringLiteral("Z")));
    QVERIFY(part<QListWidget>("corrections")->isVisible());
    QList<QWidget*> shown;
    for (QWidget* child : m_dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible()) {
            QVERIFY2(m_dialog->rect().contains(child->geometry()), qPrintable(child->objectName()));
            for (const QWidget* other : shown) {
                QVERIFY2(!child->geometry().intersects(other->geometry()),
                         qPrintable(child->objectName() + QStringLiteral(" over ") + other->objectName()));
            }
            shown << child;
        }
    }
}

void PasswordEntryTest::keepsOneSizeWhileTyping()
{
    open();
    auto* input = part<QLineEdit>("passwordInput");
    const QSize opened = m_dialog->size();
    bool problemsShown = false;
    bool correctionsShown = false;
    const auto check = [&](const QString& what) {
        QCOMPARE(m_dialog->size(), opened);
        // Nothing cut off: each note as tall as its wrapped lines, a whole correction in view.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LayoutRequest);
        for (const QLabel* label : m_dialog->findChildren<QLabel*>()) {
            if (label->isVisible() && label->wordWrap()) {
                QVERIFY2(label->height() >= label->heightForWidth(label->width()), qPrintable(label->objectName()));
            }
        }
        const auto* list = part<QListWidget>("corrections");
        QVERIFY(list->height() >= list->fontMetrics().lineSpacing() * 3);
        QVERIFY(
            m_dialog->rect().contains(part("loadButton")->mapTo(m_dialog, part("loadButton")->rect().bottomRight())));
        problemsShown = problemsShown || part("symbolProblems")->isVisible();
        correctionsShown = correctionsShown || part("corrections")->isVisible();
        QVERIFY2(!QTest::currentTestFailed(), qPrintable(what));
    };
    // Two characters their places do not take, a wrong checksum, one too many, then all taken back.
    const QString typed =
        with(with(with(kInitial, 2, QStringLiteral("Z")), 14, QStringLiteral("Z")), 45, QStringLiteral("B")) +
        QStringLiteral("7");
    for (const QChar c : typed) {
        QTest::keyClick(input, c.toLatin1());
        check(input->text());
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    for (qsizetype left = typed.size(); left > 0; --left) {
        QTest::keyClick(input, Qt::Key_Backspace);
        check(input->text());
        if (QTest::currentTestFailed()) {
            return;
        }
    }
    QVERIFY(problemsShown);
    QVERIFY(correctionsShown);
}

} // namespace quandrel

QTEST_MAIN(quandrel::PasswordEntryTest)
#include "PasswordEntryTest.moc"
